// "*Momentum Equation Solver": the momentum equation solver controls of a
// kprC_FlowStep. Made by the step builder after "*CFD".
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

// Writes the keyword line with its diagnostics and convergence options and
// the data line "iterations, check frequency, tolerance".
AIF_PROCEDURE_KEYWORD(aif_MomentumEquationSolver, kprC_FlowStep)
