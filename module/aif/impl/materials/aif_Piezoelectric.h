// "*Piezoelectric" with its data lines; type 0 writes "type=E", type 1 (the
// stress form, the solver's default) and values without a text write no
// type option.
#pragma once

#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Piezoelectric, kmaC_Piezoelectric)
