// A connector section's lock: four limit values and the lock code for its
// components.
#pragma once

#include <array>
#include <cfloat>
#include <climits>

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kbeC_ConnectorBehaviorOption.h"

class kbeC_ConnectorLock : public kbeC_ConnectorBehaviorOption {
  KBEC_OPTION_CLASS(kbeC_ConnectorLock, 0x2700005)

  // Each DBL_MAX when unset.
  std::array<double, 4> values{DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX};
  // INT_MAX when unset.
  int lock = INT_MAX;
  cow_List<int> components;
};
