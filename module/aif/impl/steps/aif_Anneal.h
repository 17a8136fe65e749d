// "*Anneal": the procedure keyword of an annealing step, ", temperature=" with
// the annealing temperature when it is set; no data line.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

AIF_PROCEDURE_KEYWORD(aif_Anneal, kprC_AnnealStep)
