// "*Gap Radiation": the gap radiation of a contact interaction property: a
// data line of its two values, the second first, then its table. The
// interaction-property pass files it for a property holding gap radiation.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_ModelInfo;
class utl_Stream;

class aif_GapRadiation : public akw_Keyword {
 public:
  // Holds a copy of `property`.
  aif_GapRadiation(const kinC_InteractionProperty& property, const aif_ModelInfo& modelInfo);
  aif_GapRadiation(const aif_GapRadiation&) = default;

  akw_Keyword* Clone() const override { return new aif_GapRadiation(*this); }
  // Throws the type test's nex_TextException, writing nothing, for a
  // property that is not a contact property.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kinC_InteractionProperty> property_;
  const aif_ModelInfo* modelInfo_;
};
