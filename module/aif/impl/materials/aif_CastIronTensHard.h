// "*Cast Iron Tension Hardening" of cast iron plasticity.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_CastIronTensHard, kmaC_CastIronTensHard)
