// "*Expansion, Pore Fluid": the thermal expansion of the pore fluid.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_PoreFluidExpansion, kmaC_PoreFluidExpansion)
