// "*No Compression" after "*Elastic", when the elastic option's no-compression
// flag is set; nothing otherwise. Built from the elastic option.
#pragma once

#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_NoCompression, kmaC_Elastic)
