// "*Drucker Prager Hardening" of Drucker-Prager plasticity; rate-dependent data
// are written as one keyword per run of equal rates.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_DruckerPragerHardening, kmaC_DruckerPragerHardening)
