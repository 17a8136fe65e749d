// "*Concrete Compression Damage" of concrete damaged plasticity.
#pragma once

#include "OdbAttrEO/kmaC_SubOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_ConcreteCompressionDamage, kmaC_ConcreteCompressionDamage)
