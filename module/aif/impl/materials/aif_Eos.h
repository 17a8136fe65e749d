// "*Eos": the equation of state with its type, then its detonation point and
// compaction, or, for ignition and growth (type 4), its two data tables with
// "*Reaction Rate" and "*Gas Specific Heat".
#pragma once

#include "OdbAttrEO/kmaC_Eos.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_Eos, kmaC_Eos)
