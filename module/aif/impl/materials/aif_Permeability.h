// "*Permeability": the permeability of a porous medium, always with its
// specific weight, followed by its saturation and velocity dependences.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Permeability, kmaC_Permeability)
