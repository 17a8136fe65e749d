// "*Sradiate", "*Radiate" and "*Cradiate" of a radiation condition in a
// step: removed, uniform, averaged, and with an emissivity distributed by an
// analytical field over element faces and nodes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OdbAttrEO/kinC_RadiationCondition.h"
#include "aif/impl/interactions/aif_Cradiate.h"
#include "aif/impl/interactions/aif_Radiate.h"
#include "aif/impl/interactions/aif_Sradiate.h"
#include "aif_ThermalTestModel.h"
#include "support/aif_TestSupport.h"

using aif_thermal_test::TakeMessages;

namespace {

// "Rad-1" of kind `kind`, its emissivity from `field` (none when empty),
// with sink 20, "Amp-1" and emissivity 0.5 (nodal area 0.25) in Step-1.
template <class Condition, class State>
Condition RadiationTestCondition(const char* field = "", int kind = 0) {
  Condition condition;
  condition.SetName("Rad-1");
  condition.SetRadiationKind(kind);
  condition.SetFieldName(field);
  State state;
  state.SetSinkTemperature({20.0, 1});
  state.SetAmplitude({"Amp-1", 1});
  state.SetEmissivity({0.5, 1});
  if constexpr (std::is_same_v<State, kinC_ConcRadiationToAmbientState>)
    state.SetNodalArea({0.25, 1});
  condition.SetState("Step-1", 1, state);
  return condition;
}

kinC_RadiationToAmbient SurfaceRadiation(const char* field = "", int kind = 0) {
  return RadiationTestCondition<kinC_RadiationToAmbient, kinC_RadiationToAmbientState>(field, kind);
}

kinC_ConcRadiationToAmbient NodalRadiation(const char* field = "") {
  return RadiationTestCondition<kinC_ConcRadiationToAmbient, kinC_ConcRadiationToAmbientState>(
      field);
}

// What `keyword` writes through a one-byte buffer, written once so that the
// checking messages hold what one write appends.
std::string RadiationTestWrittenOnce(const akw_Keyword& keyword) {
  return aif_test::StreamText([&](utl_Stream& s) { keyword.Write(s); }, 1);
}

std::string RadiateText(kinC_RadiationToAmbient condition, const aif_ModelInfo& info,
                        bool keepOp = true, bool stray = false) {
  condition.SetRegion(aif_thermal_test::Faces(stray));
  return RadiationTestWrittenOnce(aif_Radiate(condition, "Step-1", keepOp, info));
}

kinC_ConcRadiationToAmbient RadiationTestNodal(kinC_ConcRadiationToAmbient condition) {
  condition.SetRegion(aif_thermal_test::Nodes());
  return condition;
}

std::string CradiateText(const kinC_ConcRadiationToAmbient& condition, const aif_ModelInfo& info,
                         bool keepOp = true) {
  return RadiationTestWrittenOnce(
      aif_Cradiate(RadiationTestNodal(condition), "Step-1", keepOp, "Set-1", info));
}

}  // namespace

TEST(aif_Radiation, RemovedConditionsWriteTheirKeywordLineAlone) {
  aif_thermal_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kinC_RadiationToAmbient removed;
  removed.SetStatus("Step-1", 4);
  kinC_ConcRadiationToAmbient nodal;
  nodal.SetStatus("Step-1", 4);
  for (const bool keepOp : {false, true}) {
    const std::string op = keepOp ? "" : ", op=NEW";
    EXPECT_EQ(aif_test::KeywordText(aif_Sradiate(removed, "Step-1", keepOp, "Surf-1")),
              "*Sradiate" + op + "\n");
    EXPECT_EQ(aif_test::KeywordText(aif_Radiate(removed, "Step-1", keepOp, info)),
              "*Radiate" + op + "\n");
    EXPECT_EQ(aif_test::KeywordText(aif_Cradiate(nodal, "Step-1", keepOp, "Set-1", info)),
              "*Cradiate" + op + "\n");
  }
}

TEST(aif_Radiation, SradiateOrdinaryAndAveraged) {
  const auto text = [](const kinC_RadiationToAmbient& condition, bool keepOp) {
    return aif_test::KeywordText(aif_Sradiate(condition, "Step-1", keepOp, "Surf-1"));
  };
  EXPECT_EQ(text(SurfaceRadiation(), false),
            "*Sradiate, amplitude=Amp-1, op=NEW\nSurf-1, R, 20., 0.5\n");
  // Kind 1 averages over the surface: no amplitude, no sink.
  EXPECT_EQ(text(SurfaceRadiation("", 1), true), "*Sradiate\nSurf-1, AVG, 0.0, 0.5\n");
  EXPECT_EQ(text(SurfaceRadiation("", 1), false), "*Sradiate, op=NEW\nSurf-1, AVG, 0.0, 0.5\n");
}

TEST(aif_Radiation, RadiateFaceLines) {
  aif_thermal_test::Model model;
  const aif_ModelInfo& info = model.Info();
  // ", op=NEW" before ", amplitude="; faces labelled "R" and the face's
  // number; the emissivity 0.5 x (1 + x); the faces of an id without
  // centroids left out, with no message.
  EXPECT_EQ(RadiateText(SurfaceRadiation("Expr"), info, false, true),
            "*Radiate, op=NEW, amplitude=Amp-1\n"
            "I-1.1, R3, 20., 0.75\n"
            "I-1.2, R4, 20., 1.5\n"
            "I-2.1, RPOS, 20., 5.75\n");
  EXPECT_EQ(RadiateText(SurfaceRadiation("Mapped"), info),
            "*Radiate, amplitude=Amp-1\n"
            "I-1.1, R3, 20., 1.\n"
            "I-1.2, R4, 20., 1.5\n"
            "I-2.1, RPOS, 20., 1.\n");
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_EQ(TakeMessages(true).size(), 2u);  // the mapping's note per instance
}

TEST(aif_Radiation, RadiateFailures) {
  aif_thermal_test::Model model;
  model.mapped.instanceFailures.Set(2, "No source point near I-2.");
  const aif_ModelInfo& info = model.Info();
  // A mapping failure in the second instance: no data line at all, one
  // message led by the mapping's text.
  EXPECT_EQ(RadiateText(SurfaceRadiation("Mapped"), info), "*Radiate, amplitude=Amp-1\n");
  EXPECT_EQ(TakeMessages(),
            (std::vector<std::string>{
                "No source point near I-2.\nDue to the failure of evaluating the "
                "emissivity of surface\nradiation \"Rad-1\" from analytical field "
                "\"Mapped\",\nthis interaction will be missing in the input file."}));
  // Without a field the keyword is an error, and nothing is written.
  kinC_RadiationToAmbient uniform = SurfaceRadiation();
  uniform.SetRegion(aif_thermal_test::Faces());
  EXPECT_EQ(aif_test::ThrownText(aif_Radiate(uniform, "Step-1", false, info)),
            "*RADIATE must be used with a FIELD defintion for the Radaition to Ambient");
}

TEST(aif_Radiation, CradiateSetAndNodeLines) {
  aif_thermal_test::Model model;
  const aif_ModelInfo& info = model.Info();
  EXPECT_EQ(CradiateText(NodalRadiation(), info, false),
            "*Cradiate, amplitude=Amp-1, op=NEW\nSet-1, 0.25, 20., 0.5\n");
  // The region type only in an explicit step.
  kinC_ConcRadiationToAmbient sliding = NodalRadiation();
  sliding.SetRegionType(1);
  EXPECT_EQ(CradiateText(sliding, info), "*Cradiate, amplitude=Amp-1\nSet-1, 0.25, 20., 0.5\n");
  sliding.SetProcedureType("Step-1", kprC_ExplicitDynamicsStep::TypeId());
  EXPECT_EQ(CradiateText(sliding, info),
            "*Cradiate, amplitude=Amp-1, region type=SLIDING\nSet-1, 0.25, 20., 0.5\n");
  // Node lines: each node once, the emissivity 0.5 x (1 + x).
  EXPECT_EQ(CradiateText(NodalRadiation("Expr"), info),
            "*Cradiate, amplitude=Amp-1\n"
            "I-1.1, 0.25, 20., 0.5\n"
            "I-1.3, 0.25, 20., 1.5\n"
            "I-2.2, 0.25, 20., 6.\n");
  // A field the model lacks: the keyword line alone, with a message.
  EXPECT_EQ(CradiateText(NodalRadiation("Nowhere"), info), "*Cradiate, amplitude=Amp-1\n");
  EXPECT_EQ(TakeMessages(),
            (std::vector<std::string>{
                "\nDue to the failure of evaluating the emissivity of concentrated\nradiation "
                "\"Rad-1\" from analytical field \"Nowhere\",\nthis interaction will be missing "
                "in the input file."}));
  // Only an expression distributes a nodal emissivity: a mapped field is a
  // failed type test, before anything is written.
  const std::string thrown = aif_test::ThrownText(
      aif_Cradiate(RadiationTestNodal(NodalRadiation("Mapped")), "Step-1", true, "Set-1", info));
  EXPECT_NE(thrown.find("module/aif/impl/interactions/aif_Cradiate.cpp"), std::string::npos)
      << thrown;
}

// An inactive or a mesh-locked I-2 gives no face or node line.
TEST(aif_Radiation, LinesLeaveOutInstancesWhoseMeshIsNotWritten) {
  hst_ModelBuilder::InstanceOptions inactive, locked;
  inactive.active = false;
  locked.locks = ftr_LOCK_MESH;
  for (const hst_ModelBuilder::InstanceOptions& second : {inactive, locked}) {
    aif_thermal_test::Model model(second);
    const aif_ModelInfo& info = model.Info();
    EXPECT_EQ(RadiateText(SurfaceRadiation("Mapped"), info),
              "*Radiate, amplitude=Amp-1\n"
              "I-1.1, R3, 20., 1.\n"
              "I-1.2, R4, 20., 1.5\n");
    EXPECT_EQ(CradiateText(NodalRadiation("Expr"), info),
              "*Cradiate, amplitude=Amp-1\n"
              "I-1.1, 0.25, 20., 0.5\n"
              "I-1.3, 0.25, 20., 1.5\n");
  }
}
