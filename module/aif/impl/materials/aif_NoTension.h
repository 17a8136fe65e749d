// "*No Tension" after "*Elastic", when the elastic option's no-tension flag
// is set; nothing otherwise. Built from the elastic option.
#pragma once

#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_NoTension, kmaC_Elastic)
