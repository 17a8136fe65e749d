#include "aif/impl/loads/aif_Dload.h"

#include <gtest/gtest.h>

#include <string>

#include "../../support/aif_TestSupport.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif_DloadTestModel.h"

using aif_dload_test::SetState;

namespace {

// "*Dload" of `load` in "Step-1" on the set "Set", 3D unless told.
std::string DloadText(const kloC_Load& load, const aif_ModelInfo& info, bool opFlag = true,
                      int space = 1, double scale = 1.0, bool cyclic = false, int mode = -1) {
  return aif_test::KeywordText(
      aif_Dload(load, "Step-1", opFlag, "Set", space, info, cyclic, mode, scale, "Load-1"));
}

}  // namespace

// The keyword line: ", op=NEW" from the builder's flag, the amplitude of an
// active load only, the cyclic mode; an inactive load writes that line alone.
TEST(DloadTest, KeywordLineAndInactiveLoads) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_BodyForce force;
  for (int status : {4, 11}) {
    SetState(force, status, {1.0, 2.0, 3.0}, 1, "Amp-1");
    EXPECT_EQ("*Dload, op=NEW\n", DloadText(force, info, false)) << status;
    EXPECT_EQ("*Dload\n", DloadText(force, info, true)) << status;
    EXPECT_EQ("*Dload, op=NEW, cyclic mode=3\n", DloadText(force, info, false, 1, 1.0, true, 3));
  }
  SetState(force, 1, {1.0, 0.0, 0.0}, 1, "Amp 1");
  EXPECT_EQ(
      "*Dload, op=NEW, amplitude=\"Amp 1\", cyclic mode=2\nSet, BX, 1.\nSet, BY, 0.\nSet, BZ, 0.\n",
      DloadText(force, info, false, 1, 1.0, true, 2));

  // The cyclic mode comes before the complex part.
  force.SetComplex({{1.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}});
  SetState(force, 1, {0.0, 0.0, 0.0});
  EXPECT_EQ("*Dload, cyclic mode=0, real\nSet, BX, 1.\n",
            DloadText(force, info, true, 1, 1.0, true, 0));
}

// A value carried over unchanged (status 2) is restated only under
// ", op=NEW", or when the state itself is new in the step.
TEST(DloadTest, CarriedValuesOnlyUnderOpNewOrANewState) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_BodyForce force;
  kloC_LoadState state(2, {1.0, 2.0, 3.0});
  state.SetStatus(2);
  state.SetValue(1, 5.0, 1);
  force.SetState("Step-1", 2, state);
  EXPECT_EQ("*Dload\nSet, BY, 5.\n", DloadText(force, info, true));
  EXPECT_EQ("*Dload, op=NEW\nSet, BX, 1.\nSet, BY, 5.\nSet, BZ, 3.\n",
            DloadText(force, info, false));
  state.SetStatus(1);
  force.SetState("Step-1", 3, state);
  EXPECT_EQ("*Dload\nSet, BX, 1.\nSet, BY, 5.\nSet, BZ, 3.\n", DloadText(force, info, true));
  // Nothing new: the keyword line alone.
  state.SetStatus(2);
  state.SetValue(1, 5.0, 2);
  force.SetState("Step-1", 2, state);
  EXPECT_EQ("*Dload\n", DloadText(force, info, true));
}

// A load kind "*Dload" does not write is a failed assertion, thrown before
// anything is written.
TEST(DloadTest, AnotherKindIsAFailedAssertion) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_ConcentratedForce force;
  SetState(force, 1, {1.0});
  const aif_Dload dload(force, "Step-1", true, "Set", 1, info, false, -1, 1.0, "Load-1");
  std::string condition;
  const std::string written = aif_test::StreamText([&](utl_Stream& stream) {
    try {
      dload.Write(stream);
    } catch (const nex_AssertException& e) {
      condition = e.Condition().Str();
    }
  });
  EXPECT_EQ("\"Invalid load type for *Dload\" == 0", condition);
  EXPECT_EQ("", written);
  // Inactive, it is only a keyword line.
  SetState(force, 4, {1.0});
  EXPECT_EQ("*Dload\n", DloadText(force, info));
}

TEST(DloadTest, BodyForcesAndLineLoadsOnTheSet) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_BodyForce force;
  SetState(force, 1, {1.0, -2.5, 0.0});
  EXPECT_EQ("*Dload\nSet, BX, 2.\nSet, BY, -5.\nSet, BZ, 0.\n",
            DloadText(force, info, true, 1, 2.0));
  EXPECT_EQ("*Dload\nSet, BX, 1.\nSet, BY, -2.5\nSet, BZ, 0.\n", DloadText(force, info, true, 0));
  EXPECT_EQ("*Dload\nSet, BX, 1.\nSet, BY, -2.5\n", DloadText(force, info, true, 2));
  EXPECT_EQ("*Dload\nSet, BR, 1.\nSet, BZ, -2.5\n", DloadText(force, info, true, 4));
  force.SetDistribution(1);
  EXPECT_EQ("*Dload\nSet, BRNU, 1.\nSet, BZNU, -2.5\n", DloadText(force, info, true, 4));

  kloC_LineLoad line;
  SetState(line, 1, {1.0, 2.0, 3.0});
  EXPECT_EQ("*Dload\nSet, PX, 1.\nSet, PY, 2.\nSet, PZ, 3.\n", DloadText(line, info));
  line.SetDistribution(1);
  EXPECT_EQ("*Dload\nSet, PXNU, 1.\nSet, PYNU, 2.\n", DloadText(line, info, true, 2));
  line.SetDistribution(0);
  line.SetDirectionSystem(0);
  EXPECT_EQ("*Dload\nSet, P1, 1.\nSet, P2, 2.\n", DloadText(line, info));
  EXPECT_EQ("*Dload\nSet, P2, 2.\n", DloadText(line, info, true, 2));
  EXPECT_EQ("*Dload\nSet, P2, 2.\n", DloadText(line, info, true, 4));
}

// Complex loads: a ", real" and an ", imaginary" block, each left out when
// its values are all zero; a zero component of a written block has no line.
TEST(DloadTest, ComplexBodyForcesAndLineLoads) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_BodyForce force;
  SetState(force, 1, {0.0, 0.0, 0.0});
  force.SetComplex({{1.0, 0.0}, {0.0, 0.0}, {3.0, 0.0}});
  EXPECT_EQ("*Dload, real\nSet, BX, 1.\nSet, BZ, 3.\n", DloadText(force, info));
  // Planar: the third component counts as zero.
  force.SetComplex({{0.0, 0.0}, {0.0, 0.0}, {3.0, 4.0}});
  EXPECT_EQ("", DloadText(force, info, true, 2));
  omi_complex converted(9.0, 9.0);
  converted.SetConverted(0.0, 0.5);
  force.SetComplex({converted, {2.0, 0.0}, {0.0, 0.0}});
  EXPECT_EQ("*Dload, real\nSet, BY, 4.\n*Dload, imaginary\nSet, BX, 1.\n",
            DloadText(force, info, true, 1, 2.0));

  kloC_LineLoad line;
  SetState(line, 1, {0.0, 0.0, 0.0});
  line.SetDirectionSystem(0);
  line.SetComplex({{1.0, 2.0}, {0.0, 3.0}, {5.0, 5.0}});
  EXPECT_EQ("*Dload, real\nSet, P1, 1.\n*Dload, imaginary\nSet, P1, 2.\nSet, P2, 3.\n",
            DloadText(line, info));
  EXPECT_EQ("*Dload, imaginary\nSet, P2, 3.\n", DloadText(line, info, true, 4));
}

TEST(DloadTest, Gravity) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_Gravity gravity;
  SetState(gravity, 1, {0.0, -9.81, 0.0});
  EXPECT_EQ("*Dload\nSet, GRAV, 9.81, 0., -1., 0.\n", DloadText(gravity, info));
  EXPECT_EQ("*Dload\nSet, GRAV, 9.81, , -1.\n", DloadText(gravity, info, true, 4));
  EXPECT_EQ("*Dload\nSet, GRAV, 9.81, 0., -1.\n", DloadText(gravity, info, true, 2));
  EXPECT_EQ("*Dload\nSet, GRAV, 19.62, 0., -1., 0.\n", DloadText(gravity, info, true, 1, 2.0));
  SetState(gravity, 1, {3.0, 0.0, -4.0});
  EXPECT_EQ("*Dload\nSet, GRAV, 5., 0.6, 0., -0.8\n", DloadText(gravity, info));
  // A zero vector: its direction is written as zeros.
  SetState(gravity, 1, {0.0, 0.0, 0.0});
  EXPECT_EQ("*Dload\nSet, GRAV, 0., 0., 0., 0.\n", DloadText(gravity, info));
  // No component new: nothing at all.
  SetState(gravity, 2, {0.0, -9.81, 0.0}, 2);
  EXPECT_EQ("", DloadText(gravity, info, true));
  EXPECT_EQ("*Dload, op=NEW\nSet, GRAV, 9.81, 0., -1., 0.\n", DloadText(gravity, info, false));
  // Complex: a part whose vector is zero is left out.
  gravity.SetComplex({{0.0, 0.0}, {0.0, 2.0}, {0.0, 0.0}});
  EXPECT_EQ("*Dload, imaginary\nSet, GRAV, 2., 0., 1., 0.\n", DloadText(gravity, info, true));
}

TEST(DloadTest, RotationalBodyForcesAndCoriolisForces) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_RotationalBodyForce rotation;
  rotation.SetEffects(true, false);
  rotation.SetAxis({1.0, 2.0, 3.0}, {1.0, 2.0, 5.0});
  SetState(rotation, 1, {10.0});
  EXPECT_EQ("*Dload\nSet, CENTRIF, 100.,1.,2.,3.,0.,0.,1.\n", DloadText(rotation, info));
  EXPECT_EQ("*Dload\nSet, CENTRIF, 200.,1.,2.,3.,0.,0.,1.\n",
            DloadText(rotation, info, true, 2, 2.0));
  EXPECT_EQ("*Dload\nSet, CENTRIF, 100.,1.,2.,3.,0.0,1.0,0.0\n",
            DloadText(rotation, info, true, 4));
  // The square is held in single precision.
  SetState(rotation, 1, {0.1});
  EXPECT_EQ("*Dload\nSet, CENTRIF, 0.009999999776482582,1.,2.,3.,0.,0.,1.\n",
            DloadText(rotation, info));
  rotation.SetEffects(false, true);
  rotation.SetAxis({0.0, 0.0, 0.0}, {0.0, 0.0, 0.0});
  SetState(rotation, 1, {10.0});
  EXPECT_EQ("*Dload\nSet, ROTA, 10.,0.,0.,0.,0.,0.,0.\n", DloadText(rotation, info));
  SetState(rotation, 2, {10.0}, 2);
  EXPECT_EQ("", DloadText(rotation, info));

  // Neither effect: no magnitude, so nothing is written and the user is told.
  aif_dload_test::TakeMessages();
  rotation.SetEffects(false, false);
  SetState(rotation, 1, {10.0});
  const aif_Dload none(rotation, "Step-1", true, "Set", 1, info, false, -1, 1.0, "Load-1");
  EXPECT_EQ("", aif_test::StreamText([&](utl_Stream& stream) { none.Write(stream); }));
  const cow_List<atr_String> messages = aif_dload_test::TakeMessages();
  ASSERT_EQ(1u, messages.Length());
  EXPECT_EQ(
      "\nThe rotational body force \"Load-1\" has neither a centrifugal nor a rotary acceleration "
      "effect,\nthis load will be missing in the input file.",
      messages[0].Str());

  kloC_CoriolisForce coriolis;
  coriolis.SetAxis({0.0, 0.0, 0.0}, {0.0, 3.0, 4.0});
  SetState(coriolis, 1, {0.1});
  EXPECT_EQ("*Dload\nSet, CORIO, 0.10000000149011612,0.,0.,0.,0.,0.6,0.8\n",
            DloadText(coriolis, info));
  EXPECT_EQ("*Dload\nSet, CORIO, 0.10000000149011612,0.,0.,0.,0.0,1.0,0.0\n",
            DloadText(coriolis, info, true, 4));
}

TEST(DloadTest, PipePressures) {
  aif_dload_test::Model model;
  const aif_ModelInfo& info = model.Info();
  kloC_PipePressure pipe;
  pipe.SetFixedValue(0.25);
  SetState(pipe, 1, {5.0, 1.5, 2.5});
  EXPECT_EQ("*Dload\nSet, PI, 5., 0.25\n", DloadText(pipe, info));
  pipe.SetExternal(true);
  pipe.SetDistribution(1);
  EXPECT_EQ("*Dload\nSet, PENU, 10., 0.25\n", DloadText(pipe, info, true, 1, 2.0));
  // Hydrostatic: its two further values, needed also when only they are new.
  pipe.SetExternal(false);
  pipe.SetDistribution(2);
  EXPECT_EQ("*Dload\nSet, HPI, 5., 1.5, 2.5, 0.25\n", DloadText(pipe, info));
  kloC_LoadState state(2, {5.0, 1.5, 2.5});
  state.SetStatus(2);
  state.SetValue(2, 3.5, 1);
  pipe.SetState("Step-1", 2, state);
  EXPECT_EQ("*Dload\nSet, HPI, 5., 1.5, 3.5, 0.25\n", DloadText(pipe, info));
  pipe.SetDistribution(0);
  EXPECT_EQ("", DloadText(pipe, info));
  // Complex: one line per part that is not zero.
  pipe.SetComplex({{0.0, 7.0}});
  EXPECT_EQ("*Dload, imaginary\nSet, PI, 7., 0.25\n", DloadText(pipe, info));
}
