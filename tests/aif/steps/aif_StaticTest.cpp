#include <gtest/gtest.h>

#include <string>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_Static.h"
#include "aif/impl/steps/aif_StaticLinearPerturbation.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(StaticTest, IncrementationAndOptions) {
  kprC_StaticStep step;
  EXPECT_EQ(KeywordText(aif_Static(step)), "*Static\n1., 1., 1.e-05, 1.\n");
  step.MutableIncrementation().SetMethod(1);
  step.MutableIncrementation().SetInitialInc(0.25);
  step.SetTimePeriod(2.0);
  EXPECT_EQ(KeywordText(aif_Static(step)), "*Static, direct\n0.25, 2.\n");
  step.MutableIncrementation().SetNoStop(true);
  step.SetAdiabatic(true);
  step.SetFullyPlasticRegion("Zone");
  step.SetLongTerm(true);
  EXPECT_EQ(KeywordText(aif_Static(step)),
            "*Static, adiabatic, direct=NO STOP, fully plastic=Zone, long term\n0.25, 2.\n");
  // No-stop means nothing under automatic incrementation.
  step.MutableIncrementation().SetMethod(0);
  step.MutableIncrementation().SetMinInc(1e-08);
  step.MutableIncrementation().SetMaxInc(0.5);
  EXPECT_EQ(KeywordText(aif_Static(step)),
            "*Static, adiabatic, fully plastic=Zone, long term\n0.25, 2., 1.e-08, 0.5\n");
}

TEST(StaticTest, Stabilization) {
  kprC_StaticStep step;
  kprC_Stabilization& stabilization = step.MutableStabilization();
  stabilization.SetMethod(1);
  EXPECT_EQ(KeywordText(aif_Static(step)),
            "*Static, stabilize, allsdtol=0, continue=NO\n1., 1., 1.e-05, 1.\n");
  stabilization.SetMagnitude(0.0002);
  stabilization.SetTolerance(0.05);
  EXPECT_EQ(KeywordText(aif_Static(step)),
            "*Static, stabilize=2.e-04, allsdtol=0.05, continue=NO\n1., 1., 1.e-05, 1.\n");
  // A step that continues the stabilization of the step before takes no
  // magnitude of its own.
  stabilization.SetContinue(true);
  EXPECT_EQ(KeywordText(aif_Static(step)),
            "*Static, stabilize, allsdtol=0.05, continue=YES\n1., 1., 1.e-05, 1.\n");
  stabilization.SetMethod(2);
  stabilization.SetContinue(false);
  step.SetLongTerm(true);
  EXPECT_EQ(KeywordText(aif_Static(step)),
            "*Static, stabilize, factor=2.e-04, allsdtol=0.05, continue=NO, long term\n1., 1., "
            "1.e-05, 1.\n");
}

TEST(StaticTest, LongKeywordLineGoesOnAfterItsComma) {
  kprC_StaticStep step;
  step.SetAdiabatic(true);
  step.SetFullyPlasticRegion(cow_String(std::string(130, 'Z')));
  step.SetLongTerm(true);
  EXPECT_EQ(KeywordText(aif_Static(step)),
            "*Static, adiabatic, fully plastic=" + std::string(130, 'Z') +
                ", \nlong term\n1., 1., 1.e-05, 1.\n");
}

TEST(StaticTest, LinearPerturbationWritesTheKeywordAlone) {
  kprC_StaticLinearPerturbationStep step;
  EXPECT_EQ(KeywordText(aif_StaticLinearPerturbation(step)), "*Static\n");
  step.SetNlgeom(1);
  step.SetTimePeriod(3.0);
  step.SetDescription("perturb");
  EXPECT_EQ(KeywordText(aif_StaticLinearPerturbation(step)), "*Static\n");
}

}  // namespace
