// A material orientation of a part: a part attribute that gives the elements
// of a region a local coordinate system, by its definition kind, with an
// optional additional rotation about one of the local axes.
#pragma once

#include <optional>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivGeom/gsl_Vector.h"

class ptoC_MaterialOrientation : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x0B00010;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(ptoC_MaterialOrientation, kern_Object)
  ptoC_MaterialOrientation* Clone() const override { return new ptoC_MaterialOrientation(*this); }

  // The local axis the additional rotation turns about.
  enum axisEnm { AXIS_1 = 0, AXIS_2 = 1, AXIS_3 = 2 };
  // Definition kinds: 0 global axes, 1 datum coordinate system, 2 the
  // orientation field, 3 user orientation, 4 discrete orientation.
  static constexpr int kGlobal = 0;
  static constexpr int kDatum = 1;
  static constexpr int kField = 2;
  static constexpr int kUser = 3;
  static constexpr int kDiscrete = 4;
  // Additional rotation types: none, an angle, an angle field.
  static constexpr int kRotationNone = 0;
  static constexpr int kRotationAngle = 1;
  static constexpr int kRotationField = 2;

  const rgnC_Region& Region() const { return region_; }
  int DefinitionKind() const { return kind_; }
  const dtmC_DatumRef& DatumRef() const { return datum_; }
  // The orientation field (kind 2).
  const cow_String& FieldName() const { return fieldName_; }
  axisEnm Axis() const { return axis_; }
  int AdditionalRotationType() const { return rotationType_; }
  double AdditionalRotationAngle() const { return angle_; }
  // The field that gives the additional rotation angle (rotation type 2).
  const cow_String& AngleFieldName() const { return angleFieldName_; }
  int StackDirection() const { return stackDirection_; }
  // The part-attribute status query: an orientation that answers true is not
  // written by its own keyword.
  bool IsSuppressed() const { return suppressed_; }

  void SetRegion(const rgnC_Region& region) { region_ = region; }
  void SetDefinitionKind(int kind) { kind_ = kind; }
  void SetDatumRef(const dtmC_DatumRef& datum) { datum_ = datum; }
  void SetFieldName(const cow_String& name) { fieldName_ = name; }
  void SetAxis(axisEnm axis) { axis_ = axis; }
  void SetAdditionalRotation(int type, double angle, const cow_String& angleFieldName) {
    rotationType_ = type;
    angle_ = angle;
    angleFieldName_ = angleFieldName;
  }
  void SetStackDirection(int code) { stackDirection_ = code; }
  void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }

  // A discrete orientation (kind 4) derives its axes per element from two
  // directions, 0 the normal and 1 the primary axis: each given by a region
  // of picked geometry (direction kind 0) or by a datum reference.
  // Null when the direction has no region.
  const rgnC_Region* DirectionRegion(int d) const {
    return directionRegions_[d] ? &*directionRegions_[d] : nullptr;
  }
  rgnC_Region* MutableDirectionRegion(int d) {
    return directionRegions_[d] ? &*directionRegions_[d] : nullptr;
  }
  void SetDirectionRegion(int d, const rgnC_Region& region) { directionRegions_[d] = region; }
  int DirectionKind(int d) const { return directionKinds_[d]; }
  void SetDirectionKind(int d, int kind) { directionKinds_[d] = kind; }
  const dtmC_DatumRef& DirectionDatum(int d) const { return directionDatums_[d]; }
  void SetDirectionDatum(int d, const dtmC_DatumRef& datum) { directionDatums_[d] = datum; }

  // Stand-in for the kernel's evaluation of a discrete orientation: the four
  // direction lists it answers, one vector per evaluated point, as a test
  // stored them (see kseK_EvaluateDiscreteOrientation).
  struct KernelAxes {
    cow_List<gsl_Vector> lists[4];
    bool fails = false;
  };
  const KernelAxes& KernelDiscreteAxes() const { return axes_; }
  void SetKernelDiscreteAxes(const KernelAxes& axes) { axes_ = axes; }

 private:
  rgnC_Region region_;
  int kind_ = kGlobal;
  dtmC_DatumRef datum_;
  cow_String fieldName_;
  axisEnm axis_ = AXIS_1;
  int rotationType_ = kRotationNone;
  double angle_ = 0.0;
  cow_String angleFieldName_;
  int stackDirection_ = 0;
  bool suppressed_ = false;
  std::optional<rgnC_Region> directionRegions_[2];
  int directionKinds_[2] = {0, 0};
  dtmC_DatumRef directionDatums_[2];
  KernelAxes axes_;
};
