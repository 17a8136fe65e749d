// "*Conductivity" with its anisotropy type and data lines. Also declares the
// anisotropy option the conductivity, dielectric, diffusivity and electrical
// conductivity keywords share.
#pragma once

#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Conductivity, kmaC_Conductivity)

// ", type=ORTHO" for kind 1, ", type=ANISO" for kind 2 (each with the
// optional line break); nothing for any other kind (0 is isotropic).
void aif_WriteAnisotropyType(utl_Stream& stream, int kind);
