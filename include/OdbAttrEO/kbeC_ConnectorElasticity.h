// A connector section's elasticity: linear, nonlinear or rigid, per component
// or coupled.
#pragma once

#include "OdbAttrEO/kbeC_ConnectorBehaviorOption.h"
#include "OdbAttrEO/kbeC_ConnectorMatrixFields.h"

class kbeC_ConnectorElasticity : public kbeC_ConnectorBehaviorOption,
                                 public kbeC_ConnectorMatrixFields {
  KBEC_OPTION_CLASS(kbeC_ConnectorElasticity, 0x2700002)
};
