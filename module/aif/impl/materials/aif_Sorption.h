// "*Sorption": the absorption data and, with exsorption, the
// "*Sorption, type=Exsorption" block and its "*Sorption, type=Scanning" value.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Sorption, kmaC_Sorption)
