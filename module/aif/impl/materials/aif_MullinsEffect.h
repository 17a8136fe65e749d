// "*Mullins Effect" of a material: user form, constants, or test data with
// the biaxial, planar and uniaxial test-data sub-options of its lists.
// Incomplete or over-specified test-data constants are reported as warnings
// to the progress object; a list element of the wrong class fails the write.
#pragma once

#include "OdbAttrEO/kmaC_HyperelasticOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_MullinsEffect, kmaC_MullinsEffect)
