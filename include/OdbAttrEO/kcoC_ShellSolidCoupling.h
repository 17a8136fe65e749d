// The shell-to-solid coupling constraint: the shell edge surface (first),
// the solid face surface (second) and the two optional distances that the
// "*Shell to Solid Coupling" keyword copies. Plain values.
#pragma once

#include <utility>

#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbCoreGeom/rgnC_Region.h"

class kcoC_ShellSolidCoupling : public kcoC_Constraint {
 public:
  static constexpr unsigned kTypeId = 0x3050011;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kcoC_ShellSolidCoupling* Clone() const override { return new kcoC_ShellSolidCoupling(*this); }
  CLS_REGISTER(kcoC_ShellSolidCoupling, kcoC_Constraint)

  // Methods of both distances: 0 the solver's default, 1 the value given.
  enum { kComputed = 0, kSpecified = 1 };

  const rgnC_Region& FirstRegion() const { return first_; }
  const rgnC_Region& SecondRegion() const { return second_; }
  int PositionToleranceMethod() const { return positionToleranceMethod_; }
  double PositionTolerance() const { return positionTolerance_; }
  int InfluenceDistanceMethod() const { return influenceDistanceMethod_; }
  double InfluenceDistance() const { return influenceDistance_; }

  void SetRegions(rgnC_Region first, rgnC_Region second) {
    first_ = std::move(first);
    second_ = std::move(second);
  }
  void SetPositionTolerance(int method, double value) {
    positionToleranceMethod_ = method;
    positionTolerance_ = value;
  }
  void SetInfluenceDistance(int method, double value) {
    influenceDistanceMethod_ = method;
    influenceDistance_ = value;
  }

 private:
  rgnC_Region first_;
  rgnC_Region second_;
  int positionToleranceMethod_ = kComputed;
  double positionTolerance_ = 0.0;
  int influenceDistanceMethod_ = kComputed;
  double influenceDistance_ = 0.0;
};
