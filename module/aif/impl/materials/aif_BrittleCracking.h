// "*Brittle Cracking" of a material; then its brittle shear and brittle
// failure.
#pragma once

#include "OdbAttrEO/kmaC_PlasticityOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_BrittleCracking, kmaC_BrittleCracking)
