// A connector section's plasticity: its components, its isotropic and
// kinematic hardening and its potential.
#pragma once

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kbeC_ConnectorBehaviorOption.h"
#include "OdbAttrEO/kbeC_ConnectorPotentialList.h"
#include "OdbAttrEO/kbeC_ConnectorTableData.h"

class kbeC_ConnectorPlasticity : public kbeC_ConnectorBehaviorOption {
  KBEC_OPTION_CLASS(kbeC_ConnectorPlasticity, 0x2700008)

  cow_List<int> components;
  kbeC_ConnectorPotentialList potential;
  bool isotropic = false;
  // 0 tabular; anything else exponential law.
  int isotropicDefinition = 0;
  kbeC_ConnectorTableData isotropicData;
  bool kinematic = false;
  // 0 half cycle, 2 parameters; anything else stabilized.
  int kinematicDefinition = 0;
  kbeC_ConnectorTableData kinematicData;
};
