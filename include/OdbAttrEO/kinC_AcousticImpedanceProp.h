// An acoustic impedance interaction property: the table of values, one row
// per data line, given as impedances (data kind 0) or in the other form with
// its first two columns the other way round (any other kind); and the
// temperature-dependence flag that goes with the table.
#pragma once

#include "BasShared/cow_2DArray.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class kinC_AcousticImpedanceProp : public kinC_InteractionProperty {
  KERN_CLASS_HEAD(kinC_AcousticImpedanceProp, kinC_InteractionProperty, 0x3070062)
  KERN_ATTR(int, DataKind, 0)
  KERN_ATTR(bool, TemperatureDependency, false)
  KERN_ATTR(cow_2DArray<double>, Table, cow_2DArray<double>())
};
