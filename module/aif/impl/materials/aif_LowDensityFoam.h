// "*Low Density Foam" of a material: one line of three coefficients, then the
// tension and compression "*Uniaxial Test Data".
#pragma once

#include "OdbAttrEO/kmaC_HyperelasticOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_LowDensityFoam, kmaC_LowDensityFoam)
