// "*Porous Failure Criteria" of porous metal plasticity: one data line of two values.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_PorousFailureCriteria, kmaC_PorousFailureCriteria)
