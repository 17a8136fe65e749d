// "*Diffusivity" with its law and anisotropy type, its data lines, then the
// "*Kappa" lines of its Soret effect and its pressure effect.
#pragma once

#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Diffusivity, kmaC_Diffusivity)
