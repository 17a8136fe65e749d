// The embedded-region constraint: the elements of a region embedded in those
// of a host region (the whole model when the host region is empty), with the
// tolerances that decide which embedded nodes lie inside the host.
#pragma once

#include <utility>

#include "OdbAttrEO/kcoC_Constraint.h"
#include "OdbCoreGeom/rgnC_Region.h"

class kcoC_EmbeddedRegion : public kcoC_Constraint {
  KERN_CLASS_HEAD(kcoC_EmbeddedRegion, kcoC_Constraint, 0x3050070)

  // Methods of the exterior tolerance: the absolute value, the fraction of
  // the element size, or both.
  enum { kAbsolute = 0, kFractional = 1, kBoth = 2 };

  kcoC_EmbeddedRegion() = default;
  kcoC_EmbeddedRegion(rgnC_Region host, rgnC_Region embedded)
      : host_(std::move(host)), embedded_(std::move(embedded)) {}

  const rgnC_Region& HostRegion() const { return host_; }
  const rgnC_Region& EmbeddedRegion() const { return embedded_; }
  int ExteriorToleranceMethod() const { return method_; }
  double FractionalExteriorTolerance() const { return fractional_; }
  double AbsoluteExteriorTolerance() const { return absolute_; }
  double RoundoffTolerance() const { return roundoff_; }

  void SetExteriorTolerance(int method, double absolute, double fractional) {
    method_ = method;
    absolute_ = absolute;
    fractional_ = fractional;
  }
  void SetRoundoffTolerance(double tolerance) { roundoff_ = tolerance; }

 private:
  rgnC_Region host_;
  rgnC_Region embedded_;
  int method_ = kFractional;
  double fractional_ = 0.05;
  double absolute_ = 0.0;
  double roundoff_ = 1e-06;
};
