// "*Soils": the procedure keyword of a consolidation or steady-state pore
// fluid flow step.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

// Writes "*Soils" with ", consolidation" and ", end=SS" or ", end=PERIOD"
// (consolidation only), ", utol=" and ", cetol=" (automatic incrementation),
// ", creep=none" and the stabilization options; then the line "initial,
// period, minimum, maximum, rate". The end-of-step rate is always the fifth
// field: with fixed incrementation minimum and maximum are blank ("initial,
// period, , , rate"); without a rate the line ends "initial, period, ,".
AIF_PROCEDURE_KEYWORD(aif_Soils, kprC_SoilsStep)
