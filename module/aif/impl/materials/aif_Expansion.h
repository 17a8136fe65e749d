// "*Expansion": thermal expansion, isotropic, orthotropic or anisotropic, from
// data or a user subroutine, with its reference value.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Expansion, kmaC_Expansion)
