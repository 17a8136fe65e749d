#include <gtest/gtest.h>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_DirectCyclic.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(DirectCyclicTest, DefaultsLeaveTheFourierFieldsBlank) {
  kprC_DirectCyclicStep step;
  EXPECT_EQ(KeywordText(aif_DirectCyclic(step, false)),
            "*Direct Cyclic, continue=NO\n1., 1., 1.e-05, 1., , , , \n");
  // Fatigue with every fatigue value at its default: no second line.
  step.SetFatigue(true);
  EXPECT_EQ(KeywordText(aif_DirectCyclic(step, true)),
            "*Direct Cyclic, continue=NO, fatigue\n1., 1., 1.e-05, 1., , , , \n");
  // Each Fourier field is written when it differs.
  step.SetContinue(true);
  step.SetFatigue(false);
  step.SetInitialTerms(15);
  step.SetMaxIterations(300);
  step.MutableIncrementation().SetMethod(1);
  step.SetDeltmx(3.0);
  step.SetCreepTolerance(0.1);
  EXPECT_EQ(KeywordText(aif_DirectCyclic(step, false)),
            "*Direct Cyclic, continue=YES\n1., 1., , , 15, , , 300\n");
  step.SetMaxTerms(30);
  step.SetTermIncrement(6);
  step.SetInitialTerms(11);
  EXPECT_EQ(KeywordText(aif_DirectCyclic(step, false)),
            "*Direct Cyclic, continue=YES\n1., 1., , , , 30, 6, 300\n");
}

TEST(DirectCyclicTest, FatigueLineOnlyWhenAValueDiffers) {
  kprC_DirectCyclicStep step;
  step.SetFatigue(true);
  // Each fatigue value alone starts the second line, the others blank.
  step.SetTotalCycles(5000);
  EXPECT_EQ(KeywordText(aif_DirectCyclic(step, false)),
            "*Direct Cyclic, continue=NO, fatigue\n1., 1., 1.e-05, 1., , , , \n, , 5000, \n");
  step.SetTotalCycles(kprC_NOT_GIVEN);
  step.SetDamageTolerance(0.5);
  EXPECT_EQ(KeywordText(aif_DirectCyclic(step, false)),
            "*Direct Cyclic, continue=NO, fatigue\n1., 1., 1.e-05, 1., , , , \n, , , 0.5\n");
  step.SetMinCycleInc(50);
  step.SetMaxCycleInc(2000);
  step.SetTotalCycles(10);
  EXPECT_EQ(
      KeywordText(aif_DirectCyclic(step, false)),
      "*Direct Cyclic, continue=NO, fatigue\n1., 1., 1.e-05, 1., , , , \n50, 2000, 10, 0.5\n");
  // The values mean nothing without fatigue.
  step.SetFatigue(false);
  EXPECT_EQ(KeywordText(aif_DirectCyclic(step, false)),
            "*Direct Cyclic, continue=NO\n1., 1., 1.e-05, 1., , , , \n");
}

TEST(DirectCyclicTest, ToleranceAndTimePointsOptions) {
  kprC_DirectCyclicStep step;
  step.SetDeltmx(3.0);
  step.SetCreepTolerance(0.1);
  step.SetTimePointsName("Cycle-Points");
  EXPECT_EQ(KeywordText(aif_DirectCyclic(step, false)),
            "*Direct Cyclic, continue=NO, deltmx=3., cetol=0.1, time points=Cycle-Points\n"
            "1., 1., 1.e-05, 1., , , , \n");
  // A name with a blank is quoted; a dotted name is kept whole.
  step.SetDeltmx(0.0);
  step.SetCreepTolerance(0.0);
  step.SetTimePointsName("Cycle points");
  EXPECT_EQ(
      KeywordText(aif_DirectCyclic(step, false)),
      "*Direct Cyclic, continue=NO, time points=\"Cycle points\"\n1., 1., 1.e-05, 1., , , , \n");
  step.SetTimePointsName("Points.v2");
  EXPECT_EQ(KeywordText(aif_DirectCyclic(step, false)),
            "*Direct Cyclic, continue=NO, time points=Points.v2\n1., 1., 1.e-05, 1., , , , \n");
}

}  // namespace
