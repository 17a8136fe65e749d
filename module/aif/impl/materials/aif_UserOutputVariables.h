// "*User Output Variables": the number of user output variables.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_UserOutputVariables, kmaC_UserOutputVariables)
