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
  // The part-attribute status query: an assignment it excludes is not written.
  bool IsSuppressed() const { return suppressed_; }
  void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }

 private:
  rgnC_Region region_;
  cow_String section_;
  bool suppressed_ = false;
};
