// "*Heat Transfer": the procedure keyword of a steady-state or transient heat
// transfer step.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

// Writes "*Heat Transfer" with ", steady state" or ", end=SS" / ",
// end=PERIOD", ", deltmx=" (automatic incrementation) and ", mxdem=" (unless
// 0.1); then the line "initial, period, minimum, maximum, rate": under fixed
// incrementation minimum and maximum are the initial increment in a steady
// state and blank in a transient analysis; the rate only when set.
AIF_PROCEDURE_KEYWORD(aif_HeatTransfer, kprC_HeatTransferStep)
