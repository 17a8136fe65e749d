// "*Brittle Failure" of brittle cracking.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_BrittleFailure, kmaC_BrittleFailure)
