// "*Gas Specific Heat" of an equation of state of type 4, from the
// option's gas-specific-heat table.
#pragma once

#include "OdbAttrEO/kmaC_Eos.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_EosGasSpecificHeat, kmaC_Eos)
