// Node references of generated one-node and connector elements: entry i of
// the first pair of lists gives element i's (first) node as an instance-name
// prefix and a label, entry i of the second pair its second node. Filled by
// the point elements and assembly connector elements of assembled fasteners,
// and held by the connector-section and distribution keywords that follow
// them.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

struct aif_InstanceLabelLists {
  cow_List<cow_String> firstNames;
  cow_List<int> firstLabels;
  cow_List<cow_String> secondNames;
  cow_List<int> secondLabels;
  // Set and read only by the connector keywords: the number of geometric
  // components of the wire region. The point elements leave it alone.
  int count = 0;
};
