// "*Ornl": the ORNL rules of creep and plastic behaviours (a keyword line only).
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Ornl, kmaC_Ornl)
