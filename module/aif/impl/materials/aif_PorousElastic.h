// "*Porous Elastic" with its shear law (the law G is the solver's default and
// is left out) and its data lines.
#pragma once

#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_PorousElastic, kmaC_PorousElastic)
