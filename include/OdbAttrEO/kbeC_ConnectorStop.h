// A connector section's stop: lower and upper limits of its components.
#pragma once

#include <cfloat>

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kbeC_ConnectorBehaviorOption.h"

class kbeC_ConnectorStop : public kbeC_ConnectorBehaviorOption {
  KBEC_OPTION_CLASS(kbeC_ConnectorStop, 0x2700004)

  // DBL_MAX when unset.
  double lower = DBL_MAX;
  double upper = DBL_MAX;
  cow_List<int> components;
};
