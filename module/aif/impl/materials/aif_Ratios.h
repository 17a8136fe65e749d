// "*Ratios": the anisotropy ratios of swelling and moisture swelling.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Ratios, kmaC_Ratios)
