// A named set of a part or the assembly: a feature of the owner's feature list
// that holds the region it covers.
#pragma once

#include <utility>

#include "OdbCoreGeom/rgnC_Region.h"
#include "VwrModKer/ftr_FeatureList.h"

class rgnF_Set : public ftr_Feature {
 public:
  static constexpr unsigned kTypeId = 0x0A00004;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(rgnF_Set, ftr_Feature)
  rgnF_Set* Clone() const override { return new rgnF_Set(*this); }

  rgnF_Set() = default;
  explicit rgnF_Set(rgnC_Region region) : region_(std::move(region)) {}

  const rgnC_Region& Region() const { return region_; }
  // Whether every member lies in a substructure (the kernel's answer; false
  // unless set).
  bool IsAllSubstructureRegion() const { return allSubstructure_; }

  void SetRegion(rgnC_Region region) { region_ = std::move(region); }
  void SetAllSubstructureRegion(bool all) { allSubstructure_ = all; }

  // What the region builder reads of a set feature. The type mask says how
  // the set is written: kGeometrySet as a node set and an element set,
  // kElementSet and kNodeSet as one of them. Sets whose output mark is clear
  // are not written. The internal mark is the one the kernel gives the region
  // built from the set (sets it makes for plies, springs and point masses).
  enum TypeMask { kGeometrySet = 1, kElementSet = 2, kNodeSet = 4 };
  int typeMask = kGeometrySet;
  bool outputMark = true;
  bool internalMark = false;

 private:
  rgnC_Region region_;
  bool allSubstructure_ = false;
};
