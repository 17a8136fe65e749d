// A connector section's damage: its initiation criterion and data, its
// evolution (when given) and the potentials of both.
#pragma once

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kbeC_ConnectorBehaviorOption.h"
#include "OdbAttrEO/kbeC_ConnectorPotentialList.h"
#include "OdbAttrEO/kbeC_ConnectorTableData.h"

class kbeC_ConnectorDamage : public kbeC_ConnectorBehaviorOption {
  KBEC_OPTION_CLASS(kbeC_ConnectorDamage, 0x2700009)

  int initiationForm = 0;
  // 1 motion, 2 plastic motion, anything else none.
  int criterion = 1;
  cow_List<int> components;
  kbeC_ConnectorPotentialList initiationPotential;
  kbeC_ConnectorTableData initiation;

  // Evolution data are given.
  bool evolution = false;
  // 0 motion; anything else energy.
  int evolutionType = 0;
  // 0 none, 1 exponential; anything else tabular.
  int softening = 0;
  bool affectedComponentsFlag = false;
  cow_List<int> affectedComponents;
  // 1 multiplicative.
  int degradation = 0;
  kbeC_ConnectorTableData evolutionData;
  kbeC_ConnectorPotentialList evolutionPotential;
};
