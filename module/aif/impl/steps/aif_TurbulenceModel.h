// "*Turbulence Model": the turbulence model of a kprC_FlowStep with its
// constants. Made by the step builder after the equation solvers.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

// Writes nothing for model 0 (none) or for a model the flow step does not
// define (outside 0 to 3). Otherwise "*Turbulence Model, type=" and
// "SPALART ALLMARAS" (a line of eight constants, a line with the ninth),
// "RNG KEPSILON" (a line of seven of its nine constants, the fourth and the
// seventh left out) or "VMS", each followed by the line "value, " with the
// common turbulence value. A constant the step does not hold leaves its
// field blank.
AIF_PROCEDURE_KEYWORD(aif_TurbulenceModel, kprC_FlowStep)
