#include <gtest/gtest.h>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_MassDiffusion.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(MassDiffusionTest, EndRateUnsetAtZero) {
  kprC_MassDiffusionStep step;
  step.SetResponse(1);
  step.SetDcmax(0.5);
  EXPECT_EQ(KeywordText(aif_MassDiffusion(step)),
            "*Mass Diffusion, end=PERIOD, dcmax=0.5\n1., 1., 1.e-05, 1., \n");
  step.SetEndRate(1e-3);
  EXPECT_EQ(KeywordText(aif_MassDiffusion(step)),
            "*Mass Diffusion, end=SS, dcmax=0.5\n1., 1., 1.e-05, 1., 0.001\n");
  step.MutableIncrementation().SetMethod(1);
  EXPECT_EQ(KeywordText(aif_MassDiffusion(step)), "*Mass Diffusion, end=SS\n1., 1., , ,0.001\n");
  // Steady state: no end option, no dcmax.
  step.SetResponse(0);
  step.SetEndRate(0.0);
  EXPECT_EQ(KeywordText(aif_MassDiffusion(step)), "*Mass Diffusion, steady state\n1., 1., , ,\n");
  step.MutableIncrementation().SetMethod(0);
  EXPECT_EQ(KeywordText(aif_MassDiffusion(step)),
            "*Mass Diffusion, steady state\n1., 1., 1.e-05, 1., \n");
}

}  // namespace
