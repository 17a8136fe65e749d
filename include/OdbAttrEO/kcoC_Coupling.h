// The coupling constraint: a reference point coupled to a surface, either
// kinematically or by distributing its load. Plain values; the writer reads
// them and tests set them.
#pragma once

#include <array>
#include <limits>
#include <utility>

#include "ModKerLow/dtmK_Datum.h"
#include "OdbAttrEO/kcoC_Constraint.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivBasicUtils/omu_PrimEnum.h"

class kcoC_Coupling : public kcoC_Constraint {
  KERN_CLASS_HEAD(kcoC_Coupling, kcoC_Constraint, 0x3050040)

  // Coupling types: 0 kinematic; 2 structural distributing; any other value
  // distributing.
  enum { kKinematic = 0, kDistributing = 1, kStructural = 2 };
  // Weighting methods of a distributing coupling (texts below).
  enum WeightingMethodEnm { kUniform = 0, kLinear = 1, kQuadratic = 2, kCubic = 3 };
  // An influence radius that is not given.
  static constexpr double kUnsetRadius = std::numeric_limits<double>::max();

  kcoC_Coupling() = default;
  kcoC_Coupling(rgnC_Region controlPoint, rgnC_Region surface, int type)
      : controlPoint_(std::move(controlPoint)), surface_(std::move(surface)), type_(type) {}

  const rgnC_Region& ControlPointRegion() const { return controlPoint_; }
  const rgnC_Region& SurfaceRegion() const { return surface_; }
  // The kernel's code of the modelling space its surface region lies in
  // (0 unless set); which rotations the coupling may constrain depends on it.
  int RegionCode() const { return regionCode_; }
  double InfluenceRadius() const { return influenceRadius_; }
  int CouplingType() const { return type_; }
  // The local system of the coupling; a null reference when it has none.
  const dtmC_DatumRef& Datum() const { return datum_; }
  // Whether degree of freedom `dof` (1 to 6: U1, U2, U3, UR1, UR2, UR3) is
  // constrained; all six are unless set.
  bool Dof(int dof) const { return dofs_[dof - 1]; }
  // Whether the control point is moved onto the surface.
  bool Adjust() const { return adjust_; }
  int WeightingMethod() const { return weightingMethod_; }

  void SetRegions(rgnC_Region controlPoint, rgnC_Region surface) {
    controlPoint_ = std::move(controlPoint);
    surface_ = std::move(surface);
  }
  void SetRegionCode(int code) { regionCode_ = code; }
  void SetInfluenceRadius(double radius) { influenceRadius_ = radius; }
  void SetCouplingType(int type) { type_ = type; }
  void SetDatum(dtmC_DatumRef datum) { datum_ = std::move(datum); }
  void SetDof(int dof, bool constrained) { dofs_[dof - 1] = constrained; }
  void SetDofs(std::array<bool, 6> dofs) { dofs_ = dofs; }
  void SetAdjust(bool adjust) { adjust_ = adjust; }
  void SetWeightingMethod(int method) { weightingMethod_ = method; }

 private:
  rgnC_Region controlPoint_;
  rgnC_Region surface_;
  int regionCode_ = 0;
  double influenceRadius_ = kUnsetRadius;
  int type_ = kKinematic;
  dtmC_DatumRef datum_;
  std::array<bool, 6> dofs_ = {true, true, true, true, true, true};
  bool adjust_ = false;
  int weightingMethod_ = kUniform;
};

template <>
struct omu_EnumTexts<kcoC_Coupling::WeightingMethodEnm> {
  static constexpr omu_EnumText kTable[] = {{kcoC_Coupling::kUniform, "UNIFORM"},
                                            {kcoC_Coupling::kLinear, "LINEAR"},
                                            {kcoC_Coupling::kQuadratic, "QUADRATIC"},
                                            {kcoC_Coupling::kCubic, "CUBIC"}};
};
