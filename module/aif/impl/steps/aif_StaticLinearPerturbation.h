// "*Static" of a static linear perturbation step: the keyword line alone.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

AIF_PROCEDURE_KEYWORD(aif_StaticLinearPerturbation, kprC_StaticLinearPerturbationStep)
