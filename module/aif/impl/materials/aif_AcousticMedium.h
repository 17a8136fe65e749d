// "*Acoustic Medium": the bulk modulus table, then, with volumetric drag,
// the "*Acoustic Medium, volumetric drag" block with its own table.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_AcousticMedium, kmaC_AcousticMedium)
