// Two regions that belong together, as a two-point spring joins them: the
// spring's element runs from the first node of the first region to the first
// node of the second.
#pragma once

#include <utility>

#include "OdbCoreGeom/rgnC_Region.h"

class rgnC_RegionPair {
 public:
  rgnC_RegionPair() = default;
  rgnC_RegionPair(rgnC_Region first, rgnC_Region second)
      : first_(std::move(first)), second_(std::move(second)) {}

  const rgnC_Region& First() const { return first_; }
  const rgnC_Region& Second() const { return second_; }

 private:
  rgnC_Region first_;
  rgnC_Region second_;
};
