// "*Deformation Plasticity" of a material: the keyword and its table as it
// stands, no options.
#pragma once

#include "OdbAttrEO/kmaC_PlasticityOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_DeformationPlasticity, kmaC_DeformationPlasticity)
