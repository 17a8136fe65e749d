#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "OdbAttrEO/kprC_StepRequests.h"
#include "aif/impl/steps/aif_SolverControls.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

std::string SolverControlsLines(double tolerance, int first, int second) {
  kprC_LinearCtrl control;
  control.SetTolerance(tolerance);
  control.SetMaxIterations(first);
  control.SetRestartIterations(second);
  return KeywordText(aif_SolverControls(control));
}

TEST(SolverControlsTest, ResetAndDataLine) {
  // Zero leaves a value to the solver; the first separator always stays.
  EXPECT_EQ(SolverControlsLines(0.0, 0, 0), "*Solver Controls, reset\n*Solver Controls\n, \n");
  EXPECT_EQ(SolverControlsLines(1e-06, 50, 0),
            "*Solver Controls, reset\n*Solver Controls\n1.e-06, 50\n");
  EXPECT_EQ(SolverControlsLines(0.0, 0, 7), "*Solver Controls, reset\n*Solver Controls\n, , 7\n");
  EXPECT_EQ(SolverControlsLines(0.5, 20, 3),
            "*Solver Controls, reset\n*Solver Controls\n0.5, 20, 3\n");

  kprC_LinearCtrl control;
  control.SetMaxIterations(9);
  control.SetDefaults(true);
  const aif_SolverControls defaults(control);
  EXPECT_EQ(KeywordText(defaults), "*Solver Controls, reset\n");
  std::unique_ptr<akw_Keyword> copy(defaults.Clone());
  EXPECT_EQ(KeywordText(*copy), "*Solver Controls, reset\n");
  control.SetLeaveOut(true);
  EXPECT_EQ(KeywordText(aif_SolverControls(control)), "");
}

TEST(SolverControlsTest, ToleranceThatIsNotANumberThrowsBeforeWriting) {
  kprC_LinearCtrl control;
  control.SetTolerance(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(aif_test::ThrownText(aif_SolverControls(control)),
            "The linear solver controls hold a tolerance that is not a number");
  control.SetTolerance(-std::numeric_limits<double>::infinity());
  EXPECT_EQ(aif_test::ThrownText(aif_SolverControls(control)),
            "The linear solver controls hold a tolerance that is not a number");
  // Not written with defaults only, so not checked.
  control.SetDefaults(true);
  EXPECT_EQ(KeywordText(aif_SolverControls(control)), "*Solver Controls, reset\n");
}

}  // namespace
