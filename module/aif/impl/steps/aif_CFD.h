// "*CFD, incompressible navier stokes": the procedure keyword of a
// kprC_FlowStep, with its time line and time integration line. Made by the
// step builder after the step's "*Step" line; the equation solvers and the
// turbulence model follow it.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

// Writes the keyword line with ", energy equation=TEMPERATURE " (trailing
// blank included) when the temperature equation is solved and
// ", incrementation=FIXED STEP SIZE" for a fixed step size; the line
// "increment, period" (with automatic incrementation followed by the CFL
// number, the increment growth and the check count); and the line
// "factor, scheme 1,  ,  , scheme 2", each scheme written as its factor: 0.5
// for scheme 0, two thirds for scheme 1, 1 for any other.
AIF_PROCEDURE_KEYWORD(aif_CFD, kprC_FlowStep)
