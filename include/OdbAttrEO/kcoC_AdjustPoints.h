// The adjust-points constraint: the points of a region moved onto a surface
// before the analysis.
#pragma once

#include <utility>

#include "OdbAttrEO/kcoC_Constraint.h"
#include "OdbCoreGeom/rgnC_Region.h"

class kcoC_AdjustPoints : public kcoC_Constraint {
  KERN_CLASS_HEAD(kcoC_AdjustPoints, kcoC_Constraint, 0x3050060)

  kcoC_AdjustPoints() = default;
  kcoC_AdjustPoints(rgnC_Region points, rgnC_Region surface)
      : points_(std::move(points)), surface_(std::move(surface)) {}

  const rgnC_Region& PointsRegion() const { return points_; }
  const rgnC_Region& SurfaceRegion() const { return surface_; }

 private:
  rgnC_Region points_;
  rgnC_Region surface_;
};
