// "*Depvar": the number of solution-dependent variables and the variable
// that deletes an element.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Depvar, kmaC_Depvar)
