// "*Viscosity": the viscosity of a fluid or viscous material, as a frame table.
// The definition option: definition 1 writes "definition=NEWTONIAN"; 0 (the
// solver's default) and every other value write no option at all.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Viscosity, kmaC_Viscosity)
