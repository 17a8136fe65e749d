// A connector section's damping: linear or nonlinear, per component
// or coupled.
#pragma once

#include "OdbAttrEO/kbeC_ConnectorBehaviorOption.h"
#include "OdbAttrEO/kbeC_ConnectorMatrixFields.h"

class kbeC_ConnectorDamping : public kbeC_ConnectorBehaviorOption,
                              public kbeC_ConnectorMatrixFields {
  KBEC_OPTION_CLASS(kbeC_ConnectorDamping, 0x2700003)
};
