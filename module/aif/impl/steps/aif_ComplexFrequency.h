// "*Complex Frequency": complex eigenvalue extraction with its data line.
// Made by the step builder for a complex frequency step.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

AIF_PROCEDURE_KEYWORD(aif_ComplexFrequency, kprC_ComplexFrequencyStep)
