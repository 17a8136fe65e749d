// "*Buckle": eigenvalue buckling by the Lanczos or subspace eigensolver, with
// its data line. Made by the step builder for a buckle step.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

AIF_PROCEDURE_KEYWORD(aif_Buckle, kprC_BuckleStep)
