// "*Plastic" of a material: metal plasticity, rate-dependent data as one
// keyword per rate, user and combined hardening; then its sub-options.
#pragma once

#include "OdbAttrEO/kmaC_PlasticityOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Plastic, kmaC_Plastic)
