// "*Fluid Leakoff": the leak-off of a pore fluid through a cohesive gap, as
// table data (type 0) or from a user subroutine (type 1: ", user", no data
// lines); any other type writes no type option and no data lines.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_FluidLeakoff, kmaC_FluidLeakoff)
