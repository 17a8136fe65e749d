// "*Cap Plasticity" of a material; then its cohesion and consolidation creep
// and its cap hardening.
#pragma once

#include "OdbAttrEO/kmaC_PlasticityOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_CapPlasticity, kmaC_CapPlasticity)
