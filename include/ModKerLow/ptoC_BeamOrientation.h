// A beam orientation of a part: a region and the approximate first beam
// direction n1 its elements take.
#pragma once

#include <array>

#include "OdbAttrEO/kern_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"

class ptoC_BeamOrientation : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x0B00012;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(ptoC_BeamOrientation, kern_Object)
  ptoC_BeamOrientation* Clone() const override { return new ptoC_BeamOrientation(*this); }

  ptoC_BeamOrientation() = default;
  ptoC_BeamOrientation(rgnC_Region region, std::array<double, 3> n1)
      : region_(std::move(region)), n1_(n1) {}

  const rgnC_Region& Region() const { return region_; }
  const std::array<double, 3>& FirstDirection() const { return n1_; }

 private:
  rgnC_Region region_;
  std::array<double, 3> n1_{0.0, 0.0, -1.0};
};
