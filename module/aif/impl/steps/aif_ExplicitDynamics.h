// "*Dynamic, Explicit": the explicit integration procedure of a
// kprC_ExplicitDynamicsStep. Made by the step builder after the step's
// "*Step" line; its bulk viscosity and mass scaling follow it.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

// Writes "*Dynamic, Explicit", ", adiabatic" when set, then the time
// incrementation (aif_WriteExplicitIncrementation). An incrementation method
// outside 0 to 3 throws aif_Exception "Corrupted Explicit Dynamics
// procedure" after the keyword line's start has been written.
AIF_PROCEDURE_KEYWORD(aif_ExplicitDynamics, kprC_ExplicitDynamicsStep)
