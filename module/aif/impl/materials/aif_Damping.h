// "*Damping": the alpha, beta, composite and structural factors that are set
// (not 0), as options of one line; no data lines.
#pragma once

#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Damping, kmaC_Damping)
