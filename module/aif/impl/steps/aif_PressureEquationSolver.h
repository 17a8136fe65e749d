// "*Pressure Equation Solver": the pressure equation solver controls of a
// kprC_FlowStep. Made by the step builder after "*CFD".
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

// Writes the keyword line (", type=SSORCG" for the SSOR preconditioned
// conjugate gradient solver, then the diagnostics and convergence options)
// and the line "iterations, check frequency, tolerance"; for the Krylov
// solver a second line: "ICC" or "CHEBYCHEV", the preconditioner's level
// and sweeps, and ", CG", ", BCGS" or ", FGMRES".
AIF_PROCEDURE_KEYWORD(aif_PressureEquationSolver, kprC_FlowStep)
