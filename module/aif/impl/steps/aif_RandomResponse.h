// "*Random Response": one data line per frequency range of a random response
// step, each ending with the frequency scale. Made by the step builder.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

AIF_PROCEDURE_KEYWORD(aif_RandomResponse, kprC_RandomResponseStep)
