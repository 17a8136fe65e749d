// "*Permeability, Type=SATURATION": the saturation dependence of a permeability.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_SaturationDependence, kmaC_SaturationDependence)
