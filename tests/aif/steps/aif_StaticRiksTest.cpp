#include <gtest/gtest.h>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_StaticRiks.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(StaticRiksTest, DataLineKeepsBlankFields) {
  kprC_StaticRiksStep step;
  // No upper bound on the arc-length increment, no factor, no node limit.
  EXPECT_EQ(KeywordText(aif_StaticRiks(step, "Tip")), "*Static, riks\n1., 1., 1.e-05, , , \n");
  // Fixed incrementation leaves minimum and maximum blank.
  step.MutableIncrementation().SetMethod(1);
  step.MutableIncrementation().SetInitialInc(0.05);
  step.SetTimePeriod(2.0);
  EXPECT_EQ(KeywordText(aif_StaticRiks(step, "Tip")), "*Static, direct, riks\n0.05, 2., , , , \n");
  step.MutableIncrementation().SetNoStop(true);
  step.SetMaxLoadFactor(3.5);
  EXPECT_EQ(KeywordText(aif_StaticRiks(step, "Tip")),
            "*Static, direct=NO STOP, riks\n0.05, 2., , , 3.5, \n");
  // The node limit ends the line.
  step.MutableIncrementation().SetMethod(0);
  step.MutableIncrementation().SetMaxInc(0.5);
  step.SetNodeLimit(true);
  step.SetDof(2);
  step.SetDisplacement(-0.3);
  EXPECT_EQ(KeywordText(aif_StaticRiks(step, "Part-1-1.Tip")),
            "*Static, riks\n0.05, 2., 1.e-05, 0.5, 3.5, Part-1-1.Tip, 2, -0.3\n");
  step.SetMaxLoadFactor(kprC_UNSET);
  EXPECT_EQ(KeywordText(aif_StaticRiks(step, "Part-1-1.Tip")),
            "*Static, riks\n0.05, 2., 1.e-05, 0.5, , Part-1-1.Tip, 2, -0.3\n");
}

TEST(StaticRiksTest, OptionsBeforeRiks) {
  kprC_StaticRiksStep step;
  step.SetAdiabatic(true);
  step.SetFullyPlasticRegion("Zone");
  step.SetLongTerm(true);
  step.MutableIncrementation().SetMaxInc(1e35);
  EXPECT_EQ(
      KeywordText(aif_StaticRiks(step, "Tip")),
      "*Static, adiabatic, fully plastic=Zone, long term, riks\n1., 1., 1.e-05, 1.e+35, , \n");
}

}  // namespace
