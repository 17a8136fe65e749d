// A connector potential: its operator, its exponent and its terms.
#pragma once

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kbeC_ConnectorPotential.h"

struct kbeC_ConnectorPotentialList {
  // 1 maximum; anything else the sum with `exponent`.
  int operatorCode = 0;
  double exponent = 2.0;
  cow_List<kbeC_ConnectorPotential> terms;
};
