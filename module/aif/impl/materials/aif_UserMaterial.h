// "*User Material": a mechanical block, a thermal block or both, each with
// its number of constants and the constants, eight to a data line.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_UserMaterial, kmaC_UserMaterial)
