// "*Porous Bulk Moduli": the bulk moduli of solid grains and fluid, as a plain table.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_PorousBulkModuli, kmaC_PorousBulkModuli)
