// "*Incident Wave Interaction Property": an incident wave property's name, its
// wave type and, except for air and surface blasts, its data line. The
// interaction-property pass files it before the property's CONWEP and UNDEX
// charge keywords.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_IncidentWaveProperty : public akw_Keyword {
 public:
  aif_IncidentWaveProperty(const cow_String& name,
                           const cow_COW<kinC_InteractionProperty>& property);
  aif_IncidentWaveProperty(const aif_IncidentWaveProperty&) = default;

  akw_Keyword* Clone() const override { return new aif_IncidentWaveProperty(*this); }
  // "*Incident Wave Interaction Property, name=NAME" with ", type=SPHERE",
  // "DIFFUSE", "AIR BLAST" or "SURFACE BLAST" (no type for another code).
  // Blasts end there; the other types write the data line: two values, then
  // a diffuse wave's count or the three values of a source given by values.
  // A property that is not an incident wave property fails its type test
  // before anything is written.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  cow_COW<kinC_InteractionProperty> property_;
};
