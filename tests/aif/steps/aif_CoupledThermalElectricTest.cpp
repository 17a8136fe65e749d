#include <gtest/gtest.h>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_CoupledThermalElectric.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(CoupledThermalElectricTest, SteadyAndTransient) {
  kprC_CoupledThermalElectricStep step;
  step.SetResponse(0);
  step.SetDeltmx(5.0);
  step.SetMxdem(0.2);
  EXPECT_EQ(
      KeywordText(aif_CoupledThermalElectric(step)),
      "*Coupled Thermal-electrical, steady state, deltmx=5., mxdem=0.2\n1., 1., 1.e-05, 1., \n");
  // Fixed incrementation writes neither deltmx nor mxdem, and blank minimum
  // and maximum even in a steady state.
  step.MutableIncrementation().SetMethod(1);
  EXPECT_EQ(KeywordText(aif_CoupledThermalElectric(step)),
            "*Coupled Thermal-electrical, steady state\n1., 1., , ,\n");
  step.SetResponse(1);
  EXPECT_EQ(KeywordText(aif_CoupledThermalElectric(step)),
            "*Coupled Thermal-electrical, end=PERIOD\n1., 1., , ,\n");
  step.SetEndRate(3.0);
  EXPECT_EQ(KeywordText(aif_CoupledThermalElectric(step)),
            "*Coupled Thermal-electrical, end=SS\n1., 1., , ,3.\n");
  step.MutableIncrementation().SetMethod(0);
  step.SetMxdem(0.1);
  EXPECT_EQ(KeywordText(aif_CoupledThermalElectric(step)),
            "*Coupled Thermal-electrical, end=SS, deltmx=5.\n1., 1., 1.e-05, 1., 3.\n");
}

}  // namespace
