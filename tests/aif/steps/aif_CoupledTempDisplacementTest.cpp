#include <gtest/gtest.h>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_CoupledTempDisplacement.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(CoupledTempDisplacementTest, CreepAndTransientOptions) {
  kprC_CoupledTempDisplacementStep step;
  step.SetResponse(1);
  EXPECT_EQ(KeywordText(aif_CoupledTempDisplacement(step, false)),
            "*Coupled Temperature-displacement\n1., 1., 1.e-05, 1.\n");
  step.SetCreep(1);
  step.SetDeltmx(5.0);
  step.SetCreepTolerance(0.01);
  EXPECT_EQ(KeywordText(aif_CoupledTempDisplacement(step, true)),
            "*Coupled Temperature-displacement, creep=explicit, deltmx=5., cetol=0.01\n"
            "1., 1., 1.e-05, 1.\n");
  // Without creep there is no creep tolerance.
  step.SetCreep(2);
  step.SetDeltmx(0.0);
  EXPECT_EQ(KeywordText(aif_CoupledTempDisplacement(step, false)),
            "*Coupled Temperature-displacement, creep=none\n1., 1., 1.e-05, 1.\n");
  // Fixed incrementation: neither, and no minimum and maximum.
  step.SetCreep(0);
  step.SetDeltmx(5.0);
  step.MutableIncrementation().SetMethod(1);
  step.MutableIncrementation().SetInitialInc(0.5);
  EXPECT_EQ(KeywordText(aif_CoupledTempDisplacement(step, false)),
            "*Coupled Temperature-displacement\n0.5, 1., \n");
}

TEST(CoupledTempDisplacementTest, SteadyStateAndStabilization) {
  kprC_CoupledTempDisplacementStep step;
  step.SetResponse(0);
  step.SetDeltmx(5.0);
  step.SetCreepTolerance(0.01);
  step.MutableStabilization().SetMethod(1);
  step.MutableStabilization().SetMagnitude(0.0002);
  step.MutableStabilization().SetTolerance(0.05);
  step.MutableStabilization().SetContinue(true);
  EXPECT_EQ(KeywordText(aif_CoupledTempDisplacement(step, false)),
            "*Coupled Temperature-displacement, steady state, stabilize, allsdtol=0.05, "
            "continue=YES\n1., 1., 1.e-05, 1.\n");
}

}  // namespace
