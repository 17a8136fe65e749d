// "*Potential": the anisotropic yield or creep potential of creep, viscous and plastic behaviours.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Potential, kmaC_Potential)
