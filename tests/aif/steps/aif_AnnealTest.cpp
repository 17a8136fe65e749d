#include <gtest/gtest.h>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_Anneal.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(AnnealTest, TemperatureWhenSet) {
  kprC_AnnealStep step;
  EXPECT_EQ(KeywordText(aif_Anneal(step)), "*Anneal\n");
  step.SetTemperature(20.0);
  EXPECT_EQ(KeywordText(aif_Anneal(step)), "*Anneal, temperature=20.\n");
}

}  // namespace
