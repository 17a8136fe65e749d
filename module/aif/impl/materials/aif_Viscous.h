// "*Viscous" of a material (strain, time or user law); then its potential.
#pragma once

#include "OdbAttrEO/kmaC_PlasticityOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Viscous, kmaC_Viscous)
