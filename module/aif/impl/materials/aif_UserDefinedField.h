// "*User Defined Field": the keyword line alone.
#pragma once

#include "OdbAttrEO/kmaC_PoreFluidOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_UserDefinedField, kmaC_UserDefinedField)
