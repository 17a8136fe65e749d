// "*Electrical Conductivity" with its orthotropic or anisotropic type and its
// data lines; a type without a text (not 1 or 2) writes no type option.
#pragma once

#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_ElectricalConductivity, kmaC_ElectricalConductivity)
