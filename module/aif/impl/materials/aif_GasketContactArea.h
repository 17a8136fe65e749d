// "*Gasket Contact Area" of a gasket thickness behaviour.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_GasketContactArea, kmaC_ContactArea)
