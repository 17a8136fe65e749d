// "*Dynamic, subspace": the subspace-projection dynamic procedure of a
// kprC_SubspaceDynamicsStep. Made by the step builder after the step's
// "*Step" line.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

// Writes "*Dynamic, subspace" and the data line "increment, period, " (it
// ends in a comma and a blank).
AIF_PROCEDURE_KEYWORD(aif_SubspaceDynamics, kprC_SubspaceDynamicsStep)
