// "*Gasket Thickness Behavior" of a gasket behaviour: the loading block, the
// "direction=UNLOADING" block when unloading data exist, and "*Gasket Contact
// Area" when the variable is force.
#pragma once

#include "OdbAttrEO/kmaC_HyperelasticOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_GasketThicknessBehavior, kmaC_ThicknessBehavior)
