// "*Porous Metal Plasticity" of a material; then its failure criteria and void
// nucleation.
#pragma once

#include "OdbAttrEO/kmaC_PlasticityOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_PorousMetalPlasticity, kmaC_PorousMetalPlasticity)
