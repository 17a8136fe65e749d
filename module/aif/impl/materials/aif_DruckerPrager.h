// "*Drucker Prager" of a material, with the blank columns its shear criterion
// and test data call for; then its sub-options (test data, creep, hardening,
// rate dependence).
#pragma once

#include "OdbAttrEO/kmaC_PlasticityOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_DruckerPrager, kmaC_DruckerPrager)
