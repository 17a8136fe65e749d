// The area of a region resolved in the assembly: the summed area of its
// faces (element faces or geometric faces); 0 for a region without faces.
#pragma once

#include "ModKerLow/rgnK_Region.h"

inline double asoK_CalculateRgnArea(const rgnK_Region& region) {
  return region.Area();
}
