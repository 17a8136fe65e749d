// Stop conditions of an optimization task: the base every kind derives from,
// and the local stop condition, which watches a measure over a node region.
#pragma once

#include <cfloat>

#include "OdbAttrEO/kopC_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"

class kopC_StopCondition : public kopC_Object {
  KERN_CLASS_HEAD(kopC_StopCondition, kopC_Object, 0x3A40030)
};

// Measure type: 0 minimum, 1 maximum, 2 sum, 3 count. Quantity: 0 to 10
// (movement, growth, shrinkage, their totals, control inputs). Comparison: 0
// less than to 4 greater than. Reference operation: 0 add, 1 subtract,
// 2 multiply, 3 divide. Reference base: 0 the previous value, else the first.
class kopC_LocalStopCondition : public kopC_StopCondition {
  KERN_CLASS_HEAD(kopC_LocalStopCondition, kopC_StopCondition, 0x3A40031)
  KERN_ATTR(rgnC_Region, Region, rgnC_Region())
  KERN_ATTR(int, MeasureType, 0)
  KERN_ATTR(int, Quantity, 0)
  KERN_ATTR(int, Comparison, 0)
  KERN_ATTR(double, ReferenceValue, 0.0)
  KERN_ATTR(int, ReferenceOperation, 0)
  KERN_ATTR(int, ReferenceBase, 0)
};
