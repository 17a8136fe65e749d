// "*Impedance Property, name=": the table of an acoustic impedance property.
// The interaction-property pass files one per impedance property, in the
// model definition.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class utl_Stream;

class aif_AcousticImpedanceProp : public akw_Keyword {
 public:
  // `property` (shared) must be a kinC_AcousticImpedanceProp; it is tested
  // when written. `name` is the property's name.
  aif_AcousticImpedanceProp(cow_String name, const cow_COW<kinC_InteractionProperty>& property);
  aif_AcousticImpedanceProp(const aif_AcousticImpedanceProp&) = default;

  akw_Keyword* Clone() const override { return new aif_AcousticImpedanceProp(*this); }
  // "*Impedance Property, name=NAME", ", data=IMPEDANCE" behind an optional
  // line break for impedance data, then the table as data lines; a table
  // of the other data kind has its first two columns exchanged. Throws the
  // type test's exception, writing nothing, for another property class.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  cow_COW<kinC_InteractionProperty> property_;
};
