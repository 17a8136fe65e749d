// "*Steady State Dynamics" of a direct steady-state dynamics step: the keyword line
// with its options, then one data line per frequency range. Made by the step
// builder.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

AIF_PROCEDURE_KEYWORD(aif_SteadyStateDirect, kprC_SteadyStateDirectStep)
