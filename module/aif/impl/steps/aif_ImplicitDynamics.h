// "*Dynamic": the implicit direct-integration procedure of a
// kprC_ImplicitDynamicsStep, its options joined with bare commas. Made by the
// step builder after the step's "*Step" line.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

// Writes "*Dynamic" with ",alpha=", ",adiabatic", ",application=",
// ",direct", ",nohaf", ",haftol=" or ",halfinc scale factor=" and
// ",initial=NO" where the step asks for them, then the data line
// "initial,period," and, with automatic incrementation, "min" and ",max"
// (the maximum left out when the step has none).
AIF_PROCEDURE_KEYWORD(aif_ImplicitDynamics, kprC_ImplicitDynamicsStep)
