#include <gtest/gtest.h>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_Soils.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(SoilsTest, ConsolidationToleranceAndCreep) {
  kprC_SoilsStep step;
  // A tolerance of 0 writes the solver's own.
  EXPECT_EQ(KeywordText(aif_Soils(step)),
            "*Soils, consolidation, end=PERIOD, utol=1.0\n1., 1., 1.e-05, 1., \n");
  step.SetUtol(0.5);
  step.SetCreepTolerance(0.01);
  step.SetEndRate(0.002);
  EXPECT_EQ(KeywordText(aif_Soils(step)),
            "*Soils, consolidation, end=SS, utol=0.5, cetol=0.01\n1., 1., 1.e-05, 1., 0.002\n");
  // Without creep: no cetol, creep=none.
  step.SetCreep(false);
  step.SetConsolidation(1);
  EXPECT_EQ(KeywordText(aif_Soils(step)),
            "*Soils, utol=0.5, creep=none\n1., 1., 1.e-05, 1., 0.002\n");
  step.MutableStabilization().SetMethod(2);
  step.MutableStabilization().SetMagnitude(0.1);
  EXPECT_EQ(KeywordText(aif_Soils(step)),
            "*Soils, utol=0.5, creep=none, stabilize, factor=0.1, allsdtol=0, continue=NO\n"
            "1., 1., 1.e-05, 1., 0.002\n");
}

TEST(SoilsTest, FixedIncrementationKeepsTheRateFifth) {
  kprC_SoilsStep step;
  step.MutableIncrementation().SetMethod(1);
  step.MutableIncrementation().SetInitialInc(0.1);
  step.SetTimePeriod(10.0);
  // Without a rate the line stops after the blank minimum.
  step.SetConsolidation(1);
  EXPECT_EQ(KeywordText(aif_Soils(step)), "*Soils\n0.1, 10., ,\n");
  // The rate goes after the blank minimum and maximum, as with automatic
  // incrementation, never into the maximum's field.
  step.SetConsolidation(0);
  step.SetEndRate(0.002);
  EXPECT_EQ(KeywordText(aif_Soils(step)), "*Soils, consolidation, end=SS\n0.1, 10., , , 0.002\n");
  step.SetCreep(false);
  EXPECT_EQ(KeywordText(aif_Soils(step)),
            "*Soils, consolidation, end=SS, creep=none\n0.1, 10., , , 0.002\n");
}

}  // namespace
