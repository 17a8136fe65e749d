#include <gtest/gtest.h>

#include <string>

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kprC_StepRecords.h"
#include "aif/impl/steps/aif_FixedMassScaling.h"
#include "aif/impl/steps/aif_VariableMassScaling.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

constexpr char kMassScalingSemiAutomatic[] = "** Mass Scaling: Semi-Automatic\n";
constexpr char kMassScalingWholeModel[] = "**               Whole Model\n";
constexpr char kMassScalingSetLabel[] = "**               Block-1.Set-1\n";

// A scaling of application `application` on the element set of the tests
// (region kind 1) or of the whole model.
kprC_MassScaling MassScalingTestScaling(int application, bool onSet) {
  kprC_MassScaling scaling;
  scaling.SetApplication(application);
  scaling.SetRegionKind(onSet ? 1 : 0);
  return scaling;
}

std::string FixedMassScalingText(const kprC_MassScaling& scaling) {
  return KeywordText(aif_FixedMassScaling(scaling, "Block-1.Set-1"));
}

std::string VariableMassScalingText(const kprC_MassScaling& scaling) {
  return KeywordText(aif_VariableMassScaling(scaling, "Block-1.Set-1"));
}

TEST(MassScalingTest, FixedSemiAutomatic) {
  kprC_MassScaling scaling = MassScalingTestScaling(0, false);
  scaling.SetFactor(2.0);
  EXPECT_EQ(FixedMassScalingText(scaling), std::string(kMassScalingSemiAutomatic) +
                                               kMassScalingWholeModel +
                                               "*Fixed Mass Scaling, factor=2.\n");

  // On a set, with a target increment and at intervals.
  scaling = MassScalingTestScaling(0, true);
  scaling.SetDt(1e-06);
  scaling.SetSchedule(1);
  scaling.SetNumIntervals(20);
  EXPECT_EQ(FixedMassScalingText(scaling),
            std::string(kMassScalingSemiAutomatic) + kMassScalingSetLabel +
                "*Fixed Mass Scaling, elset=Block-1.Set-1, dt=1.e-06, type=below min, "
                "number interval=20\n");
  scaling.SetType(kprC_MassScaling::SET_EQUAL_DT);
  scaling.SetFactor(3.0);
  scaling.SetFrequency(5);
  EXPECT_EQ(FixedMassScalingText(scaling),
            std::string(kMassScalingSemiAutomatic) + kMassScalingSetLabel +
                "*Fixed Mass Scaling, elset=Block-1.Set-1, dt=1.e-06, type=set equal dt, "
                "factor=3., frequency=5\n");
}

TEST(MassScalingTest, TypeTextsInLowerCase) {
  kprC_MassScaling scaling = MassScalingTestScaling(0, false);
  scaling.SetDt(0.5);
  const std::string head = std::string(kMassScalingSemiAutomatic) + kMassScalingWholeModel;
  scaling.SetType(kprC_MassScaling::NONUNIFORM);
  EXPECT_EQ(FixedMassScalingText(scaling), head + "*Fixed Mass Scaling, dt=0.5, type=nonuniform\n");
  EXPECT_EQ(VariableMassScalingText(scaling),
            head + "*Variable Mass Scaling, dt=0.5, type=nonuniform\n");
  scaling.SetType(kprC_MassScaling::UNIFORM);
  EXPECT_EQ(FixedMassScalingText(scaling), head + "*Fixed Mass Scaling, dt=0.5, type=uniform\n");
  // A type without a text leaves the type option out.
  scaling.SetType(static_cast<kprC_MassScaling::MassScalingTypeEnm>(7));
  EXPECT_EQ(FixedMassScalingText(scaling), head + "*Fixed Mass Scaling, dt=0.5\n");
  EXPECT_EQ(VariableMassScalingText(scaling), head + "*Variable Mass Scaling, dt=0.5\n");
}

TEST(MassScalingTest, FixedReinitializeAndOtherApplications) {
  kprC_MassScaling scaling = MassScalingTestScaling(2, true);
  scaling.SetDt(1e-06);
  scaling.SetFactor(2.0);
  scaling.SetSchedule(1);
  EXPECT_EQ(FixedMassScalingText(scaling), std::string("** Mass Scaling: Reinitialize Mass\n") +
                                               kMassScalingSetLabel +
                                               "*Fixed Mass Scaling, elset=Block-1.Set-1\n");
  // Fixed scaling has no automatic or disabling form: nothing, not even an
  // empty line.
  EXPECT_EQ(FixedMassScalingText(MassScalingTestScaling(1, true)), "");
  EXPECT_EQ(FixedMassScalingText(MassScalingTestScaling(3, false)), "");
}

TEST(MassScalingTest, VariableForms) {
  EXPECT_EQ(VariableMassScalingText(MassScalingTestScaling(3, true)),
            "** Mass Scaling: Disable Throughout Step\n*Variable Mass Scaling\n");
  EXPECT_EQ(VariableMassScalingText(MassScalingTestScaling(2, true)), "");

  // Semi-automatic writes no factor.
  kprC_MassScaling scaling = MassScalingTestScaling(0, true);
  scaling.SetDt(1e-06);
  scaling.SetFactor(2.0);
  EXPECT_EQ(VariableMassScalingText(scaling),
            std::string(kMassScalingSemiAutomatic) + kMassScalingSetLabel +
                "*Variable Mass Scaling, elset=Block-1.Set-1, dt=1.e-06, type=below min\n");
  scaling.SetSchedule(1);
  scaling.SetNumIntervals(20);
  EXPECT_EQ(VariableMassScalingText(scaling),
            std::string(kMassScalingSemiAutomatic) + kMassScalingSetLabel +
                "*Variable Mass Scaling, elset=Block-1.Set-1, dt=1.e-06, "
                "type=below min, number interval=20\n");
}

TEST(MassScalingTest, VariableRolling) {
  kprC_MassScaling scaling = MassScalingTestScaling(1, true);
  scaling.SetFeedRate(2.5);
  scaling.SetExtrudedLength(10.0);
  scaling.SetCrossSectionNodes(12);
  const std::string head = std::string("** Mass Scaling: Automatic\n") + kMassScalingSetLabel +
                           "*Variable Mass Scaling, elset=Block-1.Set-1, type=rolling, "
                           "feed rate=2.5,\nextruded length=10., cross section=12";
  // The interval option is written whatever the schedule.
  for (int selector = 0; selector < 3; ++selector) {
    scaling.SetDirection(selector);
    EXPECT_EQ(VariableMassScalingText(scaling),
              head + ", direction=" + std::to_string(selector + 1) + ", number interval=1\n");
  }
  scaling.SetDirection(3);
  scaling.SetFrequency(4);
  EXPECT_EQ(VariableMassScalingText(scaling), head + ", frequency=4\n");

  scaling.SetRegionKind(0);
  EXPECT_EQ(VariableMassScalingText(scaling),
            "** Mass Scaling: Automatic\n**               Whole Model\n"
            "*Variable Mass Scaling, type=rolling, feed rate=2.5,\n"
            "extruded length=10., cross section=12, frequency=4\n");
}

TEST(MassScalingTest, RollingSelectorOutOfRangeThrowsBeforeWriting) {
  const atr_Translator before =
      atr_SetTranslator([](const cow_String& text) { return "<" + text + ">"; });
  kprC_MassScaling scaling = MassScalingTestScaling(1, true);
  scaling.SetDirection(4);
  // ThrownText also expects nothing written before the error.
  EXPECT_EQ(aif_test::ThrownText(aif_VariableMassScaling(scaling, "Block-1.Set-1")),
            "<Corrupted Explicit Dynamics step in input file writing>");
  scaling.SetDirection(-1);
  EXPECT_EQ(aif_test::ThrownText(aif_VariableMassScaling(scaling, "Block-1.Set-1")),
            "<Corrupted Explicit Dynamics step in input file writing>");
  atr_SetTranslator(before);
}

}  // namespace
