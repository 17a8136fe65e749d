// "*Cast Iron Plasticity" of a material; then its compression and tension
// hardening.
#pragma once

#include "OdbAttrEO/kmaC_PlasticityOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_CastIronPlasticity, kmaC_CastIronPlasticity)
