// A spring or dashpot between pairs of points: one element per region pair.
// Its kind (0 or 1) selects the element type's suffix.
#pragma once

#include <utility>

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbCoreGeom/rgnC_RegionPair.h"

class kefC_TwoPointSpring : public kefC_Spring {
 public:
  static constexpr unsigned kTypeId = 0x34C0007;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kefC_TwoPointSpring* Clone() const override { return new kefC_TwoPointSpring(*this); }
  CLS_REGISTER(kefC_TwoPointSpring, kefC_Spring)

  int Kind() const { return kind_; }
  const cow_List<rgnC_RegionPair>& RegionPairs() const { return pairs_; }

  void SetKind(int kind) { kind_ = kind; }
  // Also lists both regions of every pair as the spring's regions.
  void SetRegionPairs(cow_List<rgnC_RegionPair> pairs) {
    cow_List<rgnC_Region> regions;
    for (const rgnC_RegionPair& pair : pairs) {
      regions.Append(pair.First());
      regions.Append(pair.Second());
    }
    SetRegions(std::move(regions));
    pairs_ = std::move(pairs);
  }

 private:
  int kind_ = 0;
  cow_List<rgnC_RegionPair> pairs_;
};
