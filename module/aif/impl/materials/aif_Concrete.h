// "*Concrete" (smeared cracking) of a material; then its failure ratios, shear
// retention and tension stiffening.
#pragma once

#include "OdbAttrEO/kmaC_PlasticityOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Concrete, kmaC_Concrete)
