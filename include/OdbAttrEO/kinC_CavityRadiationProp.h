// A cavity radiation interaction property: the emissivity table, one row per
// data line, its number of field dependencies, and whether the table carries
// its own second column (false: that column is left empty on every row).
#pragma once

#include "BasShared/cow_2DArray.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class kinC_CavityRadiationProp : public kinC_InteractionProperty {
  KERN_CLASS_HEAD(kinC_CavityRadiationProp, kinC_InteractionProperty, 0x3070061)
  KERN_ATTR(int, Dependencies, 0)
  KERN_ATTR(bool, SecondColumn, true)
  KERN_ATTR(cow_2DArray<double>, Table, cow_2DArray<double>())
};
