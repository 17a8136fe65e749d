#include <gtest/gtest.h>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_Geostatic.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(GeostaticTest, ToleranceAndIncrementation) {
  kprC_GeostaticStep step;
  EXPECT_EQ(KeywordText(aif_Geostatic(step)), "*Geostatic, utol\n1., 1., 1.e-05, 1.\n");
  step.SetUtol(0.001);
  step.MutableIncrementation().SetInitialInc(0.1);
  step.MutableIncrementation().SetMinInc(1e-06);
  step.MutableIncrementation().SetMaxInc(0.5);
  EXPECT_EQ(KeywordText(aif_Geostatic(step)), "*Geostatic, utol=0.001\n0.1, 1., 1.e-06, 0.5\n");
  // Fixed incrementation: the keyword alone.
  step.MutableIncrementation().SetMethod(1);
  EXPECT_EQ(KeywordText(aif_Geostatic(step)), "*Geostatic\n");
}

}  // namespace
