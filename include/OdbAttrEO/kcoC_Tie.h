// The tie constraint: its two surfaces (the first is the main surface, the
// second the tied one) and the options the "*Tie" keyword copies. Plain
// values; the writer reads them and tests set them.
#pragma once

#include <utility>

#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbCoreGeom/rgnC_Region.h"

class kcoC_Tie : public kcoC_Constraint {
 public:
  static constexpr unsigned kTypeId = 0x3050010;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kcoC_Tie* Clone() const override { return new kcoC_Tie(*this); }
  CLS_REGISTER(kcoC_Tie, kcoC_Constraint)

  // Tie types: 0 the solver's choice, 1 node to surface, 2 surface to surface.
  enum { kDefaultType = 0, kNodeToSurface = 1, kSurfaceToSurface = 2 };
  // Methods of the position tolerance and the constraint ratio: 0 the
  // solver's default, 1 the value given.
  enum { kComputed = 0, kSpecified = 1 };

  const rgnC_Region& FirstRegion() const { return first_; }
  const rgnC_Region& SecondRegion() const { return second_; }
  // Whether the tied nodes are moved onto the main surface.
  bool Adjust() const { return adjust_; }
  int PositionToleranceMethod() const { return positionToleranceMethod_; }
  double PositionTolerance() const { return positionTolerance_; }
  bool TieRotations() const { return tieRotations_; }
  int ConstraintRatioMethod() const { return constraintRatioMethod_; }
  double ConstraintRatio() const { return constraintRatio_; }
  int TieType() const { return tieType_; }
  // Whether shell thickness is taken into account.
  bool Thickness() const { return thickness_; }

  void SetRegions(rgnC_Region first, rgnC_Region second) {
    first_ = std::move(first);
    second_ = std::move(second);
  }
  void SetAdjust(bool adjust) { adjust_ = adjust; }
  void SetPositionTolerance(int method, double value) {
    positionToleranceMethod_ = method;
    positionTolerance_ = value;
  }
  void SetTieRotations(bool tie) { tieRotations_ = tie; }
  void SetConstraintRatio(int method, double value) {
    constraintRatioMethod_ = method;
    constraintRatio_ = value;
  }
  void SetTieType(int type) { tieType_ = type; }
  void SetThickness(bool thickness) { thickness_ = thickness; }

 private:
  rgnC_Region first_;
  rgnC_Region second_;
  bool adjust_ = true;
  int positionToleranceMethod_ = kComputed;
  double positionTolerance_ = 0.0;
  bool tieRotations_ = true;
  int constraintRatioMethod_ = kComputed;
  double constraintRatio_ = 0.0;
  int tieType_ = kDefaultType;
  bool thickness_ = true;
};
