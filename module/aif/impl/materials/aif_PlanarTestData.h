// "*Planar Test Data" of hyperelastic, hyperfoam and Mullins effect behaviours.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_PlanarTestData, kmaC_PlanarTestData)
