// "*Gap Flow": the tangential flow of a pore fluid in a cohesive gap,
// Newtonian (with its maximum permeability) or power law.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_GapFlow, kmaC_GapFlow)
