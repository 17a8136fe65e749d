#include <gtest/gtest.h>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/steps/aif_CFD.h"
#include "aif/impl/steps/aif_MomentumEquationSolver.h"
#include "aif/impl/steps/aif_PressureEquationSolver.h"
#include "aif/impl/steps/aif_TransportEquationSolver.h"
#include "aif/impl/steps/aif_TurbulenceModel.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(CFDTest, KeywordTimeLineAndSchemes) {
  kprC_FlowStep step;
  step.SetTimePeriod(2.0);
  // Automatic incrementation with its three parameters; schemes 0 and 1.
  step.SetScheme2(1);
  EXPECT_EQ(KeywordText(aif_CFD(step)),
            "*CFD, incompressible navier stokes\n"
            "0.001, 2., 0.45, 1.25, 1\n"
            "1., 0.5,  ,  , 0.6666666666666666\n");

  // A fixed step size: two numbers on the time line; any scheme but 0 and 1
  // is weighted 1.
  step.SetIncrementation(0);
  step.SetEnergyEquation(1);
  step.SetInitialTimeFactor(0.75);
  step.SetScheme1(2);
  step.SetScheme2(0);
  EXPECT_EQ(KeywordText(aif_CFD(step)),
            "*CFD, incompressible navier stokes, energy equation=TEMPERATURE , "
            "incrementation=FIXED STEP SIZE\n"
            "0.001, 2.\n"
            "0.75, 1.,  ,  , 0.5\n");
}

TEST(CFDTest, EquationSolvers) {
  kprC_FlowStep step;
  kprC_EquationSolver solver;
  solver.SetDiagnostics(true);
  solver.SetMaxIterations(200);
  solver.SetCheckFrequency(5);
  solver.SetTolerance(0.001);
  step.SetMomentumSolver(solver);
  solver.SetDiagnostics(false);
  solver.SetConvergence(true);
  step.SetTransportSolver(solver);

  EXPECT_EQ(KeywordText(aif_MomentumEquationSolver(step)),
            "*Momentum Equation Solver, diagnostics=ON\n200, 5, 0.001\n");
  EXPECT_EQ(KeywordText(aif_TransportEquationSolver(step)),
            "*Transport Equation Solver, convergence=ON\n200, 5, 0.001\n");

  // The Krylov solver (the default) adds its preconditioner line.
  solver.SetDiagnostics(true);
  step.SetPressureSolver(solver);
  step.SetPreconditionerLevel(2);
  step.SetPreconditionerSweeps(3);
  EXPECT_EQ(KeywordText(aif_PressureEquationSolver(step)),
            "*Pressure Equation Solver, diagnostics=ON, convergence=ON\n200, 5, 0.001\n"
            "ICC, 2, 3, CG\n");
  step.SetPreconditioner(1);
  step.SetKrylovMethod(1);
  EXPECT_EQ(KeywordText(aif_PressureEquationSolver(step)),
            "*Pressure Equation Solver, diagnostics=ON, convergence=ON\n200, 5, 0.001\n"
            "CHEBYCHEV, 2, 3, BCGS\n");
  step.SetKrylovMethod(2);
  EXPECT_EQ(KeywordText(aif_PressureEquationSolver(step)),
            "*Pressure Equation Solver, diagnostics=ON, convergence=ON\n200, 5, 0.001\n"
            "CHEBYCHEV, 2, 3, FGMRES\n");

  // The SSOR conjugate gradient solver has one line.
  step.SetPressureSolverType(0);
  step.SetPressureSolver(kprC_EquationSolver());
  EXPECT_EQ(KeywordText(aif_PressureEquationSolver(step)),
            "*Pressure Equation Solver, type=SSORCG\n500, 10, 1.e-05\n");
}

TEST(CFDTest, TurbulenceModels) {
  kprC_FlowStep step;
  step.SetSpalartAllmarasConstants({1, 2, 3, 4, 5, 6, 7, 8, 9});
  step.SetRngConstants({11, 12, 13, 14, 15, 16, 17, 18, 19});
  step.SetTurbulenceValue(0.5);

  EXPECT_EQ(KeywordText(aif_TurbulenceModel(step)), "");
  step.SetTurbulence(1);
  EXPECT_EQ(
      KeywordText(aif_TurbulenceModel(step)),
      "*Turbulence Model, type=SPALART ALLMARAS\n1., 2., 3., 4., 5., 6., 7., 8.\n9.\n0.5, \n");
  // The RNG line leaves out the fourth and the seventh constant.
  step.SetTurbulence(2);
  EXPECT_EQ(KeywordText(aif_TurbulenceModel(step)),
            "*Turbulence Model, type=RNG KEPSILON\n11., 12., 13., 15., 16., 18., 19.\n0.5, \n");
  step.SetTurbulence(3);
  EXPECT_EQ(KeywordText(aif_TurbulenceModel(step)), "*Turbulence Model, type=VMS\n0.5, \n");

  // A model the flow step does not define writes no keyword at all.
  step.SetTurbulence(4);
  EXPECT_EQ(KeywordText(aif_TurbulenceModel(step)), "");
  step.SetTurbulence(-1);
  EXPECT_EQ(KeywordText(aif_TurbulenceModel(step)), "");

  // Constants the step does not hold leave their fields blank.
  step.SetTurbulence(2);
  step.SetRngConstants({11, 12, 13, 14, 15});
  EXPECT_EQ(KeywordText(aif_TurbulenceModel(step)),
            "*Turbulence Model, type=RNG KEPSILON\n11., 12., 13., 15., , , \n0.5, \n");
}

TEST(CFDTest, StepOfAnotherKindFailsTheTypeTest) {
  EXPECT_THROW(aif_CFD{kprC_StaticStep()}, nex_TextException);
  EXPECT_THROW(aif_PressureEquationSolver{kprC_HeatTransferStep()}, nex_TextException);
  EXPECT_THROW(aif_TurbulenceModel{kprC_StaticStep()}, nex_TextException);
}

}  // namespace
