// "*Reaction Rate" of an equation of state of type 4, from the option's
// reaction-rate table.
#pragma once

#include "OdbAttrEO/kmaC_Eos.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_EosReactionRate, kmaC_Eos)
