// "*Solubility": the solubility of a diffusing species.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Solubility, kmaC_Solubility)
