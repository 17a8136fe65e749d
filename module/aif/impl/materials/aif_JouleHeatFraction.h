// "*Joule Heat Fraction" and one data line: the fraction as the shortest text
// that reads back to it, right-aligned in 12 characters, then ",".
#pragma once

#include "OdbAttrEO/kmaC_ElasticThermalOptions.h"
#include "aif/impl/materials/aif_MaterialOptionKeyword.h"

AIF_MATERIAL_OPTION_KEYWORD(aif_JouleHeatFraction, kmaC_JouleHeatFraction)
