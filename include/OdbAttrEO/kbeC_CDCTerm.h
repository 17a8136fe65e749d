// One term of a connector derived component: the components it combines, how
// (operator, sign), and the table that weighs them.
#pragma once

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kbeC_ConnectorTableData.h"

struct kbeC_CDCTerm {
  // 1 sum, 2 Macauley sum, anything else none.
  int operatorCode = 0;
  // 1 negative.
  int sign = 0;
  bool independentComponentsFlag = false;
  // 0 plain, 1 constitutive motion.
  int independentKind = 0;
  cow_List<int> components;
  cow_List<int> independentComponents;
  // The term's table with its dependency count, temperature flag and settings.
  kbeC_ConnectorTableData data;
};
