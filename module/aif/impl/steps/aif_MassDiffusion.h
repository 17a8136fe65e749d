// "*Mass Diffusion": the procedure keyword of a steady-state or transient
// mass diffusion step.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

// Writes "*Mass Diffusion" with ", steady state" or ", end=SS" / ",
// end=PERIOD" and ", dcmax=" (transient, automatic incrementation); then the
// line "initial, period, minimum, maximum, rate" (minimum and maximum blank
// under fixed incrementation). The end-of-step rate of this procedure is not
// given when it is 0.
AIF_PROCEDURE_KEYWORD(aif_MassDiffusion, kprC_MassDiffusionStep)
