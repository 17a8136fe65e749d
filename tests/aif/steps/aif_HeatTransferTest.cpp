#include <gtest/gtest.h>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_HeatTransfer.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(HeatTransferTest, SteadyState) {
  kprC_HeatTransferStep step;
  step.SetResponse(0);
  // deltmx is always written with automatic incrementation.
  EXPECT_EQ(KeywordText(aif_HeatTransfer(step)),
            "*Heat Transfer, steady state, deltmx=0.\n1., 1., 1.e-05, 1., \n");
  // Fixed incrementation: minimum and maximum are the initial increment.
  step.MutableIncrementation().SetMethod(1);
  step.MutableIncrementation().SetInitialInc(0.25);
  EXPECT_EQ(KeywordText(aif_HeatTransfer(step)),
            "*Heat Transfer, steady state\n0.25, 1., 0.25, 0.25, \n");
  step.SetMxdem(0.2);
  EXPECT_EQ(KeywordText(aif_HeatTransfer(step)),
            "*Heat Transfer, steady state, mxdem=0.2\n0.25, 1., 0.25, 0.25, \n");
}

TEST(HeatTransferTest, Transient) {
  kprC_HeatTransferStep step;
  step.SetResponse(1);
  step.SetDeltmx(10.0);
  EXPECT_EQ(KeywordText(aif_HeatTransfer(step)),
            "*Heat Transfer, end=PERIOD, deltmx=10.\n1., 1., 1.e-05, 1., \n");
  step.SetEndRate(0.5);
  EXPECT_EQ(KeywordText(aif_HeatTransfer(step)),
            "*Heat Transfer, end=SS, deltmx=10.\n1., 1., 1.e-05, 1., 0.5\n");
  // Fixed incrementation: no deltmx, mxdem still; minimum and maximum blank.
  step.MutableIncrementation().SetMethod(1);
  step.SetMxdem(0.2);
  EXPECT_EQ(KeywordText(aif_HeatTransfer(step)),
            "*Heat Transfer, end=SS, mxdem=0.2\n1., 1., , ,0.5\n");
  step.SetEndRate(kprC_UNSET);
  EXPECT_EQ(KeywordText(aif_HeatTransfer(step)),
            "*Heat Transfer, end=PERIOD, mxdem=0.2\n1., 1., , ,\n");
}

}  // namespace
