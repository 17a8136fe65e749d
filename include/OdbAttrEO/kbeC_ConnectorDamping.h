// A connector section's damping: linear or nonlinear, per component
// or coupled.
#pragma once

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kbeC_ConnectorBehaviorOption.h"
#include "OdbAttrEO/kbeC_ConnectorTableData.h"

class kbeC_ConnectorDamping : public kbeC_ConnectorBehaviorOption {
  KBEC_OPTION_CLASS(kbeC_ConnectorDamping, 0x2700003)

  // 0 linear, 1 nonlinear.
  int behavior = 0;
  // 0 uncoupled, 1 coupled; for a nonlinear coupled option 2 selects the
  // independent components by position.
  int coupling = 0;
  bool frequencyDependent = false;
  cow_List<int> components;
  cow_List<int> independentComponents;
  // Columns: the component values, the frequency when frequency-dependent,
  // the temperature when temperature-dependent, one per dependency.
  kbeC_ConnectorTableData data;
};
