// "*Uel Property, elset=": the property values of the user elements of an
// actuator or sensor, for the element set they stand in. The interaction-
// property pass files one per actuator or sensor of a Standard analysis,
// from a default property when the interaction names none.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class utl_Stream;

class aif_UelProperty : public akw_Keyword {
 public:
  // `property` (shared) must be a kinC_ActuatorSensorProp; it is tested
  // when written. `elementSet` is written as it stands: the printable name
  // of the "_AS_" set (aif_ActuatorSensorSetName).
  aif_UelProperty(const cow_COW<kinC_InteractionProperty>& property, cow_String elementSet);
  aif_UelProperty(const aif_UelProperty&) = default;

  akw_Keyword* Clone() const override { return new aif_UelProperty(*this); }
  // The keyword line, then one data line: the real values, then the integer
  // values, joined by ", ". A property without values writes no data line.
  // Throws the type test's exception, writing nothing, for another property
  // class.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kinC_InteractionProperty> property_;
  cow_String elementSet_;
};
