// The display label of each load kind, by kernel type id, as the host shows
// it in its load manager. Reached through omi_Singleton.
#pragma once

#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class kloC_LoadTypeLabelMap {
 public:
  kloC_LoadTypeLabelMap();
  // The label of `typeId`; empty for a kind without one.
  cow_String Label(unsigned typeId) const;

 private:
  cow_Map<unsigned, cow_String> labels_;
};
