// A spring or dashpot from each node of one region to ground.
#pragma once

#include "OdbAttrEO/kefC_EngineeringFeatures.h"

class kefC_SpringToGround : public kefC_Spring {
 public:
  static constexpr unsigned kTypeId = 0x34C0008;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_SpringToGround* Clone() const override { return new kefC_SpringToGround(*this); }
  CLS_REGISTER(kefC_SpringToGround, kefC_Spring)

  const rgnC_Region& Region() const { return region_; }
  // Also lists the region as the spring's one region.
  void SetRegion(const rgnC_Region& region) {
    region_ = region;
    SetRegions({region});
  }

 private:
  rgnC_Region region_;
};
