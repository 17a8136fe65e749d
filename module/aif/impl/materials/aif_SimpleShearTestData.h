// "*Simple Shear Test Data" of a hyperfoam behaviour.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_SimpleShearTestData, kmaC_SimpleShearTestData)
