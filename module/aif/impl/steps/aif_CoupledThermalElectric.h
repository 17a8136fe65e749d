// "*Coupled Thermal-electrical": the procedure keyword of a coupled
// thermal-electrical step.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

// Writes "*Coupled Thermal-electrical" with ", steady state" or ", end=SS" /
// ", end=PERIOD", and with automatic incrementation ", deltmx=" and ",
// mxdem=" (unless 0.1); then the line "initial, period, minimum, maximum,
// rate" (minimum and maximum blank under fixed incrementation, the rate only
// when set).
AIF_PROCEDURE_KEYWORD(aif_CoupledThermalElectric, kprC_CoupledThermalElectricStep)
