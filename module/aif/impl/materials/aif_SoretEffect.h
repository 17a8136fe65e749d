// "*Kappa": the Soret effect of a mass diffusivity.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_SoretEffect, kmaC_SoretEffect)
