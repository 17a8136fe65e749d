// A connector section's failure: four limit values and the release code for
// its components.
#pragma once

#include <array>
#include <cfloat>
#include <climits>

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kbeC_ConnectorBehaviorOption.h"

class kbeC_ConnectorFailure : public kbeC_ConnectorBehaviorOption {
  KBEC_OPTION_CLASS(kbeC_ConnectorFailure, 0x2700006)

  // Each DBL_MAX when unset.
  std::array<double, 4> values{DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX};
  // INT_MAX when unset.
  int release = INT_MAX;
  cow_List<int> components;
};
