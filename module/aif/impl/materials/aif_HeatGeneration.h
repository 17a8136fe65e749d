// "*Heat Generation": one line, no options and no data.
#pragma once

#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_HeatGeneration, kmaC_HeatGeneration)
