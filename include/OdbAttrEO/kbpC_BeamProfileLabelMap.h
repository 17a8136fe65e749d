// The display label of each beam profile shape, by kernel type id, as the
// host shows it in its profile manager. Reached through omi_Singleton.
#pragma once

#include "BasShared/atr_String.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class kbpC_BeamProfileLabelMap {
 public:
  kbpC_BeamProfileLabelMap();
  // The label of `typeId`; empty for a type without one.
  atr_String Label(unsigned typeId) const;

 private:
  cow_Map<unsigned, cow_String> labels_;
};
