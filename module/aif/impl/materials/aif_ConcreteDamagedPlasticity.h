// "*Concrete Damaged Plasticity" of a material; then its compression hardening,
// tension stiffening, compression damage and tension damage.
#pragma once

#include "OdbAttrEO/kmaC_PlasticityOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_ConcreteDamagedPlasticity, kmaC_ConcreteDamagedPlasticity)
