// "*Permeability, Type=VELOCITY": the velocity dependence of a permeability.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_VelocityDependence, kmaC_VelocityDependence)
