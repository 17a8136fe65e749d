// A film condition interaction property: the film coefficient table, one row
// per data line, its number of field dependencies, and whether the table
// carries its own second column (false: that column is left empty on every
// row).
//
// Type ids 0x3070060 to 0x307006f are those of the film, cavity radiation,
// acoustic impedance and actuator/sensor properties and of the acoustic
// impedance interaction.
#pragma once

#include "BasShared/cow_2DArray.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class kinC_FilmConditionProp : public kinC_InteractionProperty {
  KERN_CLASS_HEAD(kinC_FilmConditionProp, kinC_InteractionProperty, 0x3070060)
  KERN_ATTR(int, Dependencies, 0)
  KERN_ATTR(bool, SecondColumn, true)
  KERN_ATTR(cow_2DArray<double>, Table, cow_2DArray<double>())
};
