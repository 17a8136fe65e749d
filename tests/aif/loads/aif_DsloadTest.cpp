// "*Dsload": the keyword line and its order of options, pressures by
// distribution (total force over the area, hydrostatic heights), tractions
// and edge loads with their unit direction and orientation, complex parts,
// the stress-based submodel's options, and the refused constructions.
#include "aif/impl/loads/aif_Dsload.h"

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

#include "../../support/aif_TestSupport.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif_DloadTestModel.h"

using aif_dload_test::SetState;

namespace {

constexpr char kDsloadTestFile[] = "module/aif/impl/loads/aif_Dsload.cpp";

// "*Dsload" of `load` in "Step-1" on the surface "Surf".
std::string DsloadText(const kloC_Load& load, const aif_ModelInfo& info, bool opFlag = true,
                       double scale = 1.0, const char* refNode = "", bool cyclic = false,
                       int mode = -1) {
  return aif_test::KeywordText(
      aif_Dsload(load, "Step-1", opFlag, "Surf", info, cyclic, mode, scale, "Load-1", refNode));
}

// A state in "Step-1" of status `status` whose magnitude has attribute
// status `valueStatus` and whose amplitude "Amp-1" has `amplitudeStatus`.
void DsloadTestState(kloC_Load& load, int status, double magnitude, int valueStatus,
                     int amplitudeStatus) {
  kloC_LoadState state(valueStatus, {magnitude});
  state.SetStatus(status);
  state.SetAmplitude("Amp-1", amplitudeStatus);
  load.SetState("Step-1", status, state);
}

}  // namespace

// ", op=NEW" from the builder's flag; an inactive load writes its keyword
// line alone, without its amplitude but with its cyclic mode and reference
// node, and needs no surface name.
TEST(DsloadTest, KeywordLineAndInactiveLoads) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_Pressure pressure;
  for (int status : {4, 11}) {
    SetState(pressure, status, {1.0}, 1, "Amp-1");
    EXPECT_EQ("*Dsload, op=NEW\n", DsloadText(pressure, info, false)) << status;
    EXPECT_EQ("*Dsload\n", DsloadText(pressure, info, true)) << status;
    EXPECT_EQ("*Dsload, op=NEW, cyclic mode=3, ref node=I-1.Ref\n",
              DsloadText(pressure, info, false, 1.0, "I-1.Ref", true, 3))
        << status;
    EXPECT_EQ("*Dsload\n", aif_test::KeywordText(aif_Dsload(pressure, "Step-1", true, "", info,
                                                            false, -1, 1.0, "Load-1", "")));
  }
  // Active: the amplitude (quoted when needed) with no break before it, the
  // cyclic mode, the reference node last.
  SetState(pressure, 1, {2.0}, 1, "Amp 1");
  EXPECT_EQ("*Dsload, op=NEW, amplitude=\"Amp 1\", cyclic mode=0, ref node=Ref\nSurf, P, 2.\n",
            DsloadText(pressure, info, false, 1.0, "Ref", true, 0));
}

TEST(DsloadTest, PressureLabelsByDistribution) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_Pressure pressure;
  SetState(pressure, 1, {2.5});
  const std::pair<int, const char*> labels[] = {{0, "*Dsload\nSurf, P, 5.\n"},
                                                {1, "*Dsload\nSurf, PNU, 5.\n"},
                                                {4, "*Dsload\nSurf, SP, 5.\n"},
                                                {5, "*Dsload\nSurf, VP, 5.\n"},
                                                {3, "*Dsload\nSurf, , 5.\n"}};
  for (const auto& [distribution, expected] : labels) {
    pressure.SetDistribution(distribution);
    EXPECT_EQ(expected, DsloadText(pressure, info, true, 2.0)) << distribution;
  }
  // A pressure of 0 created in the step is written.
  pressure.SetDistribution(0);
  SetState(pressure, 1, {0.0});
  EXPECT_EQ("*Dsload\nSurf, P, 0.\n", DsloadText(pressure, info));
}

// A total force is spread over the region's area; an area of 0 leaves it
// as it is.
TEST(DsloadTest, TotalForceOverTheArea) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_Pressure pressure;
  pressure.SetDistribution(7);
  rgnC_Region region("Surf", {"I-1"});
  region.SetKernelArea(4.0);
  pressure.SetRegion(region);
  SetState(pressure, 1, {100.0});
  EXPECT_EQ("*Dsload\nSurf, P, 25.\n", DsloadText(pressure, info));
  EXPECT_EQ("*Dsload\nSurf, P, 12.5\n", DsloadText(pressure, info, true, 0.5));
  region.SetKernelArea(0.0);
  pressure.SetRegion(region);
  EXPECT_EQ("*Dsload\nSurf, P, 100.\n", DsloadText(pressure, info));
  // Complex parts are spread too.
  region.SetKernelArea(4.0);
  pressure.SetRegion(region);
  pressure.SetComplex({{8.0, 2.0}});
  EXPECT_EQ("*Dsload, real\nSurf, P, 2.\n*Dsload, imaginary\nSurf, P, 0.5\n",
            DsloadText(pressure, info));
}

// Hydrostatic: the magnitude (scaled) and the two heights (not scaled),
// written when any of the three is new.
TEST(DsloadTest, HydrostaticHeights) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_Pressure pressure;
  pressure.SetDistribution(2);
  SetState(pressure, 1, {5.0, 1.5, 2.5});
  EXPECT_EQ("*Dsload\nSurf, HP, 10., 1.5, 2.5\n", DsloadText(pressure, info, true, 2.0));
  kloC_LoadState state(2, {5.0, 1.5, 2.5});
  state.SetStatus(3);
  pressure.SetState("Step-1", 3, state);
  EXPECT_EQ("", DsloadText(pressure, info));
  state.SetValue(2, 3.5, 1);
  pressure.SetState("Step-1", 3, state);
  EXPECT_EQ("*Dsload\nSurf, HP, 5., 1.5, 3.5\n", DsloadText(pressure, info));
  // Complex: each part's line carries the heights.
  pressure.SetComplex({{0.0, 4.0}});
  SetState(pressure, 1, {0.0, 1.5, 2.5});
  EXPECT_EQ("*Dsload, imaginary\nSurf, HP, 4., 1.5, 2.5\n", DsloadText(pressure, info));
}

// The restate flag is cleared by the amplitude attribute's status, not by
// the state's own status.
TEST(DsloadTest, AmplitudeStatusDecidesWhatIsRestated) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_Pressure pressure;
  DsloadTestState(pressure, 2, 1.0, 2, 2);
  EXPECT_EQ("", DsloadText(pressure, info, true));
  EXPECT_EQ("*Dsload, op=NEW, amplitude=Amp-1\nSurf, P, 1.\n", DsloadText(pressure, info, false));
  DsloadTestState(pressure, 3, 1.0, 2, 1);
  EXPECT_EQ("*Dsload, amplitude=Amp-1\nSurf, P, 1.\n", DsloadText(pressure, info, true));
  // A state new in the step whose amplitude and magnitude are carried over
  // restates nothing.
  DsloadTestState(pressure, 1, 1.0, 2, 2);
  EXPECT_EQ("", DsloadText(pressure, info, true));
  DsloadTestState(pressure, 3, 7.0, 1, 2);
  EXPECT_EQ("*Dsload, amplitude=Amp-1\nSurf, P, 7.\n", DsloadText(pressure, info, true));
}

// A complex part of 0 is left out under ", op=NEW" and for a load created in
// the step; elsewhere it is written, so that it replaces an earlier value.
TEST(DsloadTest, ComplexParts) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_Pressure pressure;
  pressure.SetComplex({{3.0, 0.0}});
  SetState(pressure, 1, {0.0});
  EXPECT_EQ("*Dsload, real\nSurf, P, 3.\n", DsloadText(pressure, info));
  SetState(pressure, 3, {0.0});
  EXPECT_EQ("*Dsload, real\nSurf, P, 3.\n*Dsload, imaginary\nSurf, P, 0.\n",
            DsloadText(pressure, info));
  SetState(pressure, 2, {0.0}, 2);
  EXPECT_EQ("*Dsload, real\nSurf, P, 3.\n*Dsload, imaginary\nSurf, P, 0.\n",
            DsloadText(pressure, info));
  EXPECT_EQ("*Dsload, op=NEW, real\nSurf, P, 3.\n", DsloadText(pressure, info, false));
  pressure.SetComplex({{0.0, 0.0}});
  EXPECT_EQ("", DsloadText(pressure, info, false));
}

// Tractions: the unit direction, ", follower=NO", the orientation by name
// (printable) or by datum system with the load name, ", constant
// resultant=YES", and the reference node after them.
TEST(DsloadTest, SurfaceTractions) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_SurfaceTraction traction;
  traction.SetDirectionSegment({{1.0, 1.0, 1.0}, {1.0, 1.0, 3.0}});
  traction.SetFollower(true);
  SetState(traction, 1, {1.5});
  EXPECT_EQ("*Dsload\nSurf, TRVEC, 3., 0., 0., 1.\n", DsloadText(traction, info, true, 2.0));
  traction.SetDirectionSegment({{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}});
  traction.SetTractionKind(1);
  traction.SetDistribution(1);
  EXPECT_EQ("*Dsload\nSurf, TRSHRNU, 1.5, 0., 0., 0.\n", DsloadText(traction, info));
  traction.SetTractionKind(0);
  traction.SetDistribution(0);
  traction.SetDirectionSegment({{0.0, 0.0, 0.0}, {3.0, 0.0, -4.0}});

  SetState(traction, 1, {1.5}, 1, "Amp-1");
  traction.SetFollower(false);
  traction.SetConstantResultant(true);
  traction.SetOrientationName("Ori-1");
  traction.SetDatum({{"I-1"}, "Csys-1"}, 30.0);
  EXPECT_EQ(
      "*Dsload, op=NEW, amplitude=Amp-1, follower=NO, orientation=Ori-1, constant "
      "resultant=YES, ref node=I-1.R\nSurf, TRVEC, 1.5, 0.6, 0., -0.8\n",
      DsloadText(traction, info, false, 1.0, "I-1.R"));
  traction.SetConstantResultant(false);
  traction.SetOrientationName("");
  EXPECT_EQ(
      "*Dsload, amplitude=Amp-1, follower=NO, orientation=I-1-Csys-1_Load-1_\n"
      "Surf, TRVEC, 1.5, 0.6, 0., -0.8\n",
      DsloadText(traction, info));
  traction.SetDatum({{"I-1"}, "Csys-1"}, 0.0);
  EXPECT_EQ(
      "*Dsload, amplitude=Amp-1, follower=NO, orientation=I-1-Csys-1\n"
      "Surf, TRVEC, 1.5, 0.6, 0., -0.8\n",
      DsloadText(traction, info));
  // A name that would inject options is quoted; one holding a line break
  // stops the write before anything is written.
  traction.SetOrientationName("Ori, op=NEW");
  EXPECT_EQ(
      "*Dsload, amplitude=Amp-1, follower=NO, orientation=\"Ori, op=NEW\"\n"
      "Surf, TRVEC, 1.5, 0.6, 0., -0.8\n",
      DsloadText(traction, info));
  traction.SetOrientationName("Ori\n*Boundary");
  EXPECT_EQ(
      "The name \"Ori\\n*Boundary\" holds a line break or another control character and cannot "
      "be written to the input file.",
      aif_test::ThrownText(
          aif_Dsload(traction, "Step-1", true, "Surf", info, false, -1, 1.0, "Load-1", "")));
  traction.SetOrientationName("");
  traction.SetDatum({}, 0.0);

  // Not new in the step: nothing.
  SetState(traction, 2, {1.5}, 2);
  EXPECT_EQ("", DsloadText(traction, info));
  // Complex: a block per part, the zero part left out for a new load.
  traction.SetComplex({{0.0, -2.0}});
  SetState(traction, 1, {0.0});
  EXPECT_EQ("*Dsload, imaginary, follower=NO\nSurf, TRVEC, -2., 0.6, 0., -0.8\n",
            DsloadText(traction, info));
  SetState(traction, 3, {0.0});
  EXPECT_EQ(
      "*Dsload, real, follower=NO\nSurf, TRVEC, 0., 0.6, 0., -0.8\n"
      "*Dsload, imaginary, follower=NO\nSurf, TRVEC, -2., 0.6, 0., -0.8\n",
      DsloadText(traction, info));
}

// Edge loads: the general one ("EDLD") with its direction, the others
// ending after the magnitude.
TEST(DsloadTest, ShellEdgeLoads) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_ShellEdgeLoad edge;
  edge.SetFollower(true);
  edge.SetDirectionSegment({{0.0, 0.0, 0.0}, {0.0, 0.0, 2.0}});
  SetState(edge, 1, {4.0});
  EXPECT_EQ("*Dsload\nSurf, EDNOR, 4.\n", DsloadText(edge, info));
  edge.SetTractionKind(3);
  EXPECT_EQ("*Dsload\nSurf, EDMOM, 4.\n", DsloadText(edge, info));
  edge.SetTractionKind(4);
  EXPECT_EQ("*Dsload\nSurf, EDLD, 4., 0., 0., 1.\n", DsloadText(edge, info));
  edge.SetDistribution(1);
  EXPECT_EQ("*Dsload\nSurf, EDLDNU, 4., 0., 0., 1.\n", DsloadText(edge, info));
  edge.SetTractionKind(0);
  EXPECT_EQ("*Dsload\nSurf, EDNORNU, 4.\n", DsloadText(edge, info));
}

// A stress-based submodel: ", submodel", the global step and a scale other
// than 1 before ", op=NEW", and the surface alone as data.
TEST(DsloadTest, StressBasedSubmodel) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_SubmodelStressBased submodel;
  kloC_LoadState state(1, {0.0});
  state.SetStatus(1);
  state.SetAmplitude("Amp-1", 1);
  state.SetGlobalStep("Global-2", 1.0);
  submodel.SetState("Step-1", 1, state);
  EXPECT_EQ("*Dsload, submodel, step=Global-2, op=NEW, amplitude=Amp-1\nSurf\n",
            DsloadText(submodel, info, false));
  state.SetGlobalStep("Global-2", 0.5);
  submodel.SetState("Step-1", 1, state);
  EXPECT_EQ("*Dsload, submodel, step=Global-2, scale=0.5, amplitude=Amp-1, cyclic mode=1\nSurf\n",
            DsloadText(submodel, info, true, 1.0, "", true, 1));
  state.SetGlobalStep("", 1.0);
  state.SetAmplitude("", 1);
  submodel.SetState("Step-1", 1, state);
  EXPECT_EQ("*Dsload, submodel\nSurf\n", DsloadText(submodel, info));
  // Inactive: none of the submodel's options.
  state.SetGlobalStep("Global-2", 0.5);
  submodel.SetState("Step-1", 4, state);
  EXPECT_EQ("*Dsload, op=NEW\n", DsloadText(submodel, info, false));
}

// An active load without a surface name is a failed assertion of the
// constructor; a state that is not a load state fails its type test; a kind
// without surface lines writes nothing.
TEST(DsloadTest, RefusedConstructionsAndOtherKinds) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_Pressure pressure;
  SetState(pressure, 1, {1.0});
  std::string condition = "no error";
  try {
    aif_Dsload(pressure, "Step-1", true, "", info, false, -1, 1.0, "Load-1", "");
  } catch (const nex_AssertException& e) {
    condition = e.Condition().Str();
  }
  EXPECT_EQ("! setName.Empty()", condition);

  pressure.SetState("Step-1", 1, rgnC_Region());
  std::string text = "no error";
  std::string expected = "a type test";
  try {
    aif_Dsload(pressure, "Step-1", true, "Surf", info, false, -1, 1.0, "Load-1", "");
  } catch (const nex_TextException& e) {
    text = e.Text().Str();
    expected =
        nex_TypeTestText(nex_TypeName(typeid(kloC_LoadState)).c_str(), kDsloadTestFile, e.Line())
            .Str();
  }
  EXPECT_EQ(expected, text);

  kloC_ConcentratedForce force;
  SetState(force, 1, {1.0});
  EXPECT_EQ("", DsloadText(force, info));
  kloC_BodyForce body;
  SetState(body, 1, {1.0});
  EXPECT_EQ("", DsloadText(body, info));
}
