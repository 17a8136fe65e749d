// The property of an actuator or sensor: the real and the integer property
// values of its user element, in order. A default property has none.
#pragma once

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class kinC_ActuatorSensorProp : public kinC_InteractionProperty {
  KERN_CLASS_HEAD(kinC_ActuatorSensorProp, kinC_InteractionProperty, 0x3070063)
  KERN_ATTR(cow_List<double>, RealValues, cow_List<double>())
  KERN_ATTR(cow_List<int>, IntegerValues, cow_List<int>())
};
