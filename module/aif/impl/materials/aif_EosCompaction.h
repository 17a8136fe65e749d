// "*Eos Compaction" of an equation of state: one data line of four values.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_EosCompaction, kmaC_EosCompaction)
