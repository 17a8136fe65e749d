// "*Static": the procedure keyword of a general static step, with its
// incrementation data line. The step builder files it after the step's
// "*Step" line.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

// Writes "*Static" with ", adiabatic", ", direct" (", direct=NO STOP"), ",
// fully plastic=", the stabilization options and ", long term" as the step
// holds them; then the line "initial, period" and, with automatic
// incrementation, ", minimum, maximum".
AIF_PROCEDURE_KEYWORD(aif_Static, kprC_StaticStep)
