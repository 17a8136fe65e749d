// "*Mohr Coulomb" of a material; then its hardening and, when the cutoff is on,
// its "*Tension Cutoff".
#pragma once

#include "OdbAttrEO/kmaC_PlasticityOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_MohrCoulomb, kmaC_MohrCoulomb)
