// Loads of the model, defined in a step and carried over to later ones. The
// writer reads, so far, what output requests on bolt loads need: a load's
// suppression, its propagation status per step and its region.
#pragma once

#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"

class kloC_Load : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x3080001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kloC_Load* Clone() const override { return new kloC_Load(*this); }
  CLS_REGISTER(kloC_Load, kern_Object)

  // Whether a propagation status applies the load: created, carried over or
  // modified in the step (1 to 3).
  static bool IsActive(int status) { return status >= 1 && status <= 3; }
  // The status in `step`; 0 for a step the load does not have.
  int Status(const cow_String& step) const {
    return statuses_.Contains(step) ? statuses_.Get(step) : 0;
  }
  void SetStatus(const cow_String& step, int status) { statuses_.Set(step, status); }
  bool Suppressed() const { return suppressed_; }
  void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }
  const rgnC_Region& Region() const { return region_; }
  void SetRegion(const rgnC_Region& region) { region_ = region; }

 private:
  cow_Map<cow_String, int> statuses_;
  bool suppressed_ = false;
  rgnC_Region region_;
};

// A bolt load: a pre-tension applied across a cut of its region.
class kloC_BoltLoad : public kloC_Load {
 public:
  static constexpr unsigned kTypeId = 0x2880024;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kloC_BoltLoad* Clone() const override { return new kloC_BoltLoad(*this); }
  CLS_REGISTER(kloC_BoltLoad, kloC_Load)
};
