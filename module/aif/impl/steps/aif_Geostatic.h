// "*Geostatic": the procedure keyword of a geostatic stress equilibrium step.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

// With automatic incrementation: "*Geostatic, utol" ("=<tolerance>" unless it
// is 1e-05) and the line "initial, period, minimum, maximum". With fixed
// incrementation the line "*Geostatic" alone.
AIF_PROCEDURE_KEYWORD(aif_Geostatic, kprC_GeostaticStep)
