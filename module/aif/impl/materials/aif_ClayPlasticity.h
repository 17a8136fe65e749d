// "*Clay Plasticity" of a material; with tabular hardening every data row
// begins with an empty value. Then its clay hardening.
#pragma once

#include "OdbAttrEO/kmaC_PlasticityOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_ClayPlasticity, kmaC_ClayPlasticity)
