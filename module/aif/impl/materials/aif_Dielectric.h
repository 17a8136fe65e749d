// "*Dielectric" with its anisotropy type and data lines.
#pragma once

#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Dielectric, kmaC_Dielectric)
