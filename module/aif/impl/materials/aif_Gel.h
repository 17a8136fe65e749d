// "*Gel": the gel particle data of a porous medium, as a plain table.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Gel, kmaC_Gel)
