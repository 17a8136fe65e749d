// "*Creep": the creep law and its data, then the "*Ornl" and "*Potential"
// sub-options when the option holds them.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Creep, kmaC_Creep)
