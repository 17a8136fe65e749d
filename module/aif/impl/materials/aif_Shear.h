// "*Elastic, type=SHEAR": the shear elasticity of a material, with its
// data lines.
#pragma once

#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Shear, kmaC_Shear)
