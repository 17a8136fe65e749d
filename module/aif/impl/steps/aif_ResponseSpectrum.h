// "*Response Spectrum": the directional and modal summation of a response
// spectrum step and one data line per spectrum it applies. Made by the step
// builder.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

// Write throws aif_Exception "Unknown response spectrum summation type" for a
// summation outside 0 to 6, after "*Response Spectrum", the comp option and
// ", sum=" are written.
AIF_PROCEDURE_KEYWORD(aif_ResponseSpectrum, kprC_ResponseSpectrumStep)
