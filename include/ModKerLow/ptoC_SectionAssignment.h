// A section assignment of a part: a region and the name of the section that
// it takes.
#pragma once

#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"

class ptoC_SectionAssignment : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x0B00011;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(ptoC_SectionAssignment, kern_Object)
  ptoC_SectionAssignment* Clone() const override { return new ptoC_SectionAssignment(*this); }

  ptoC_SectionAssignment() = default;
  ptoC_SectionAssignment(rgnC_Region region, cow_String section)
      : region_(std::move(region)), section_(std::move(section)) {}

  const rgnC_Region& RegionRef() const { return region_; }
  const cow_String& SectionName() const { return section_; }
  // The name a connector assignment keeps beside its section name: the
  // connector orientation of its wires (empty: found by region).
  const cow_String& OrientationName() const { return orientationName_; }
  void SetOrientationName(const cow_String& name) { orientationName_ = name; }
  // The part-attribute status query: an assignment it excludes is not written.
  bool IsSuppressed() const { return suppressed_; }
  void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }

  // Where a shell's thickness comes from: 1 the geometry, else the section.
  static constexpr int kThicknessFromGeometry = 1;
  int ThicknessAssignment() const { return thicknessAssignment_; }
  void SetThicknessAssignment(int mode) { thicknessAssignment_ = mode; }
  // The shell offset: kind 0 the middle surface, 1 the top surface, 2 the
  // bottom surface, 3 a value, 4 none written, 5 a field, 6 from the
  // geometry.
  int OffsetKind() const { return offsetKind_; }
  double OffsetValue() const { return offsetValue_; }
  const cow_String& OffsetField() const { return offsetField_; }
  void SetOffset(int kind, double value = 0.0, const cow_String& field = cow_String()) {
    offsetKind_ = kind;
    offsetValue_ = value;
    offsetField_ = field;
  }

 private:
  rgnC_Region region_;
  cow_String section_;
  cow_String orientationName_;
  bool suppressed_ = false;
  int thicknessAssignment_ = 0;
  int offsetKind_ = 0;
  double offsetValue_ = 0.0;
  cow_String offsetField_;
};
