// "*Kappa, type=PRESS": the pressure effect of a mass diffusivity.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_PressureEffect, kmaC_PressureEffect)
