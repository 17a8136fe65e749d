// "*Connector Motion": displacement, velocity and acceleration blocks by
// status, op, amplitude, complex and buckling steps, and the errors.

#include "aif/impl/conditions/aif_ConnectorMotion.h"

#include <gtest/gtest.h>

#include <string>

#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Exception.h"
#include "support/aif_TestSupport.h"

namespace {

constexpr unsigned kCmStatic = kprC_StaticStep::kTypeId;
constexpr unsigned kCmBuckle = kprC_BuckleStep::kTypeId;

// A state whose first components are `values`, each of `componentStatus`
// (the others unset), with `amplitude` when not empty.
kbcC_ConnDisplacementBCState CmState(std::initializer_list<double> values, int componentStatus,
                                     const char* amplitude = "", int amplitudeStatus = 1) {
  kbcC_ConnDisplacementBCState state;
  std::size_t i = 0;
  for (double value : values)
    state.SetComponent(i++, value, componentStatus);
  if (*amplitude) state.SetAmplitude(amplitude, amplitudeStatus);
  return state;
}

template <class Condition>
Condition CmCondition(int status, const kern_Object& state, unsigned procedure = kCmStatic,
                      const char* step = "Step-1") {
  Condition condition;
  condition.SetName("Motion-1");
  condition.SetState(step, status, state, procedure);
  return condition;
}

std::string CmText(const kbcC_BC& condition, bool modify, double scale = 1.0,
                   const char* step = "Step-1") {
  return aif_test::KeywordText(
      aif_ConnectorMotion(condition, "Wire-1-Set-1", step, modify, "Initial", scale));
}

}  // namespace

TEST(aif_ConnectorMotionTest, DisplacementComponentsByStatusOpAndScale) {
  // Created: every set component; a zero value writes no value; scale 2.
  const auto created = CmCondition<kbcC_ConnDisplacementBC>(1, CmState({0.5, 0.0, 1.5}, 1, "Ramp"));
  EXPECT_EQ(
      "*Connector Motion, op=NEW, amplitude=Ramp\n"
      "Wire-1-Set-1, 1, 1.\nWire-1-Set-1, 2\nWire-1-Set-1, 3, 3.\n",
      CmText(created, false, 2.0));

  // Modified without op=NEW: only the components set in the step.
  kbcC_ConnDisplacementBCState mixed;
  mixed.SetComponent(0, 0.25, 2);
  mixed.SetComponent(3, -1.0, 1);
  const auto modified = CmCondition<kbcC_ConnDisplacementBC>(3, mixed);
  EXPECT_EQ("*Connector Motion\nWire-1-Set-1, 4, -1.\n", CmText(modified, true));
  EXPECT_EQ("*Connector Motion, op=NEW\nWire-1-Set-1, 1, 0.25\nWire-1-Set-1, 4, -1.\n",
            CmText(modified, false));

  // An amplitude set in the step restates the carried-over components too,
  // still without op=NEW; one carried over does not.
  kbcC_ConnDisplacementBCState ramped = mixed;
  ramped.SetAmplitude("Ramp", 1);
  const aif_ConnectorMotion restated(CmCondition<kbcC_ConnDisplacementBC>(3, ramped),
                                     "Wire-1-Set-1", "Step-1", true, "Initial", 1.0);
  EXPECT_FALSE(restated.Modify());
  EXPECT_EQ("*Connector Motion, amplitude=Ramp\nWire-1-Set-1, 1, 0.25\nWire-1-Set-1, 4, -1.\n",
            aif_test::KeywordText(restated));
  ramped.SetAmplitude("Ramp", 2);
  EXPECT_EQ("*Connector Motion, amplitude=Ramp\nWire-1-Set-1, 4, -1.\n",
            CmText(CmCondition<kbcC_ConnDisplacementBC>(3, ramped), true));

  // Fixed: ", fixed" and the components without values; user distribution.
  auto fixed = CmCondition<kbcC_ConnDisplacementBC>(1, CmState({0.5, 0.0, 2.0}, 1));
  fixed.SetFixed(true);
  fixed.SetDistribution(kbcC_BC::kUserDefined);
  EXPECT_EQ(
      "*Connector Motion, op=NEW, fixed, user\n"
      "Wire-1-Set-1, 1\nWire-1-Set-1, 2\nWire-1-Set-1, 3\n",
      CmText(fixed, false));

  // A step without a state: the header alone.
  kbcC_ConnDisplacementBC stateless;
  stateless.SetStatus("Step-1", 2);
  EXPECT_EQ("*Connector Motion, op=NEW\n", CmText(stateless, false));
}

TEST(aif_ConnectorMotionTest, InactiveConditionWritesItsHeaderAlone) {
  // Deactivated (4 or 11): the header alone, no amplitude, modify cleared.
  for (int status : {4, 11}) {
    const aif_ConnectorMotion motion(
        CmCondition<kbcC_ConnVelocityBC>(status, CmState({1.0}, 1, "Ramp")), "Wire-1-Set-1",
        "Step-1", true, "Initial", 1.0);
    EXPECT_TRUE(motion.Inactive());
    EXPECT_FALSE(motion.Modify());
    EXPECT_TRUE(motion.AmplitudeName().IsEmpty());
    EXPECT_EQ("*Connector Motion\n", aif_test::KeywordText(motion));
  }
  EXPECT_EQ("*Connector Motion, op=NEW\n",
            CmText(CmCondition<kbcC_ConnDisplacementBC>(4, CmState({1.0}, 1, "Ramp")), false));
  // In a buckling step the header takes load case 1; without a step object
  // (procedure type 0) it is no buckling step.
  EXPECT_EQ("*Connector Motion, op=NEW, load case=1\n",
            CmText(CmCondition<kbcC_ConnDisplacementBC>(4, CmState({}, 1), kCmBuckle), false));
  EXPECT_EQ("*Connector Motion, op=NEW\n",
            CmText(CmCondition<kbcC_ConnDisplacementBC>(4, CmState({}, 1), 0), false));
  // Even an inactive kind no writer knows writes its header.
  EXPECT_EQ("*Connector Motion, op=NEW\n",
            CmText(CmCondition<kbcC_ConnectorBC>(11, CmState({}, 1)), false));
}

TEST(aif_ConnectorMotionTest, ComplexAndBucklingDisplacement) {
  // Complex: a real and an imaginary block with the same components, also
  // when every imaginary part is 0.
  kbcC_ConnDisplacementBCState complex;
  complex.SetUseComplex(true);
  complex.SetComponent(0, 1.0, 1, 0.0);
  complex.SetComponent(2, 0.0, 1, 0.0);
  EXPECT_EQ(
      "*Connector Motion, op=NEW, real\nWire-1-Set-1, 1, 1.\nWire-1-Set-1, 3\n"
      "*Connector Motion, op=NEW, imaginary\nWire-1-Set-1, 1\nWire-1-Set-1, 3\n",
      CmText(CmCondition<kbcC_ConnDisplacementBC>(1, complex), false));
  complex.SetComponent(2, 0.0, 1, -0.5);
  EXPECT_EQ(
      "*Connector Motion, real\nWire-1-Set-1, 1, 1.\nWire-1-Set-1, 3\n"
      "*Connector Motion, imaginary\nWire-1-Set-1, 1\nWire-1-Set-1, 3, -0.5\n",
      CmText(CmCondition<kbcC_ConnDisplacementBC>(1, complex), true));

  // Buckling cases: 0 and 3 both load cases, 1 the first, 2 the second,
  // any other value nothing.
  const std::string first = "*Connector Motion, op=NEW, load case=1\nWire-1-Set-1, 2, 0.5\n";
  const std::string second = "*Connector Motion, op=NEW, load case=2\nWire-1-Set-1, 2, 0.5\n";
  for (const auto& [bucklingCase, expected] : {std::pair<int, std::string>{0, first + second},
                                               {3, first + second},
                                               {1, first},
                                               {2, second},
                                               {4, ""},
                                               {-1, ""}}) {
    kbcC_ConnDisplacementBCState state;
    state.SetComponent(1, 0.5, 1);
    state.SetBucklingCase(bucklingCase);
    EXPECT_EQ(expected, CmText(CmCondition<kbcC_ConnDisplacementBC>(1, state, kCmBuckle), false))
        << "buckling case " << bucklingCase;
  }
  // Without a step object, or in the initial step, no buckling step.
  kbcC_ConnDisplacementBCState state;
  state.SetComponent(1, 0.5, 1);
  state.SetBucklingCase(2);
  EXPECT_EQ("*Connector Motion, op=NEW\nWire-1-Set-1, 2, 0.5\n",
            CmText(CmCondition<kbcC_ConnDisplacementBC>(1, state, 0), false));
  EXPECT_EQ("*Connector Motion, op=NEW\nWire-1-Set-1, 2, 0.5\n",
            CmText(CmCondition<kbcC_ConnDisplacementBC>(1, state, kCmBuckle, "Initial"), false, 1.0,
                   "Initial"));
}

TEST(aif_ConnectorMotionTest, VelocityAndAcceleration) {
  const auto velocity =
      CmCondition<kbcC_ConnVelocityBC>(1, CmState({0.0, 0.0, 0.0, 0.0, 0.0, 3.0}, 1));
  EXPECT_EQ(
      "*Connector Motion, op=NEW, type=VELOCITY\nWire-1-Set-1, 1\nWire-1-Set-1, 2\n"
      "Wire-1-Set-1, 3\nWire-1-Set-1, 4\nWire-1-Set-1, 5\nWire-1-Set-1, 6, 3.\n",
      CmText(velocity, false));
  // In a buckling step the velocity names load case 1; the acceleration
  // names none. Only real parts, never ", fixed".
  kbcC_ConnDisplacementBCState state = CmState({2.0}, 1, "Ramp");
  state.SetComponent(1, 4.0, 1, 9.0);
  auto bucklingVelocity = CmCondition<kbcC_ConnVelocityBC>(1, state, kCmBuckle);
  bucklingVelocity.SetFixed(true);
  EXPECT_EQ(
      "*Connector Motion, amplitude=Ramp, load case=1, type=VELOCITY\n"
      "Wire-1-Set-1, 1, 2.\nWire-1-Set-1, 2, 4.\n",
      CmText(bucklingVelocity, true));
  auto acceleration = CmCondition<kbcC_ConnAccelerationBC>(1, state, kCmBuckle);
  acceleration.SetDistribution(kbcC_BC::kUserDefined);
  EXPECT_EQ(
      "*Connector Motion, op=NEW, amplitude=Ramp, user, type=ACCELERATION\n"
      "Wire-1-Set-1, 1, 2.\nWire-1-Set-1, 2, 4.\n",
      CmText(acceleration, false));
}

TEST(aif_ConnectorMotionTest, Errors) {
  // An active condition of no connector kind, nothing written first.
  EXPECT_EQ(
      "Unimplemented ConnectorMotion condition in input file.",
      aif_test::ThrownText(aif_ConnectorMotion(CmCondition<kbcC_ConnectorBC>(1, CmState({1.0}, 1)),
                                               "Wire-1-Set-1", "Step-1", false, "Initial", 1.0)));
  EXPECT_EQ("Unimplemented ConnectorMotion condition in input file.",
            aif_test::ThrownText(
                aif_ConnectorMotion(CmCondition<kbcC_DisplacementBC>(1, CmState({1.0}, 1)),
                                    "Wire-1-Set-1", "Step-1", false, "Initial", 1.0)));

  // A buckling step whose displacement state is no connector displacement
  // state fails the type test.
  kbcC_BCState plain;
  plain.SetComponent(0, 1.0, 1);
  const std::string error = aif_test::ThrownText(
      aif_ConnectorMotion(CmCondition<kbcC_ConnDisplacementBC>(1, plain, kCmBuckle), "Wire-1-Set-1",
                          "Step-1", false, "Initial", 1.0));
  EXPECT_NE(std::string::npos, error.find("module/aif/impl/conditions/aif_ConnectorMotion.cpp"))
      << error;
}
