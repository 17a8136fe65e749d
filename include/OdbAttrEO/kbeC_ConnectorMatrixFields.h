// The fields elasticity and damping options share: behaviour kind, coupling,
// the components and the table of their values.
#pragma once

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kbeC_ConnectorTableData.h"

struct kbeC_ConnectorMatrixFields {
  // 0 linear, 1 nonlinear (elasticity also 2, rigid).
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
