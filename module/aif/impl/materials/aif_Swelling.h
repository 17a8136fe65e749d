// "*Swelling": the volumetric swelling of a porous medium, then its "*Ratios".
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Swelling, kmaC_Swelling)
