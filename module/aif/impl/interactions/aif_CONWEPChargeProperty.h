// "*CONWEP Charge Property": the air blast charge of an incident wave property
// of type AIR BLAST or SURFACE BLAST. The interaction-property pass files it
// after the property's "*Incident Wave Interaction Property".
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_CONWEPChargeProperty : public akw_Keyword {
 public:
  explicit aif_CONWEPChargeProperty(const cow_COW<kinC_InteractionProperty>& property);
  aif_CONWEPChargeProperty(const aif_CONWEPChargeProperty&) = default;

  akw_Keyword* Clone() const override { return new aif_CONWEPChargeProperty(*this); }
  // Nothing unless the wave type is an air or surface blast; then the keyword
  // line and two data lines (two values, three values). A property that is
  // not an incident wave property fails its type test.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kinC_InteractionProperty> property_;
};
