// "*Gap Conductance": the gap conductance of a contact interaction property,
// "*Gap Conductance, user" for a user subroutine, or its clearance table
// ("*Gap Conductance") and pressure table ("*Gap Conductance, pressure"),
// each with blank columns in place of the columns it does not carry. The
// interaction-property pass files it for a property holding gap
// conductance.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_ModelInfo;
class utl_Stream;

class aif_GapConductance : public akw_Keyword {
 public:
  // Holds a copy of `property`.
  aif_GapConductance(const kinC_InteractionProperty& property, const aif_ModelInfo& modelInfo);
  aif_GapConductance(const aif_GapConductance&) = default;

  akw_Keyword* Clone() const override { return new aif_GapConductance(*this); }
  // The user form, or the clearance form then the pressure form for the
  // tables the property uses; nothing for another definition. Throws the
  // type test's nex_TextException, writing nothing, for a property that is
  // not a contact property.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kinC_InteractionProperty> property_;
  const aif_ModelInfo* modelInfo_;
};
