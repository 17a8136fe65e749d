// "*Emissivity": the emissivity table of a cavity radiation property. The
// interaction-property pass files one per cavity radiation property, after
// the property's "*Surface Property" line.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class utl_Stream;

class aif_Emissivity : public akw_Keyword {
 public:
  // `property` (copied) must be a kinC_CavityRadiationProp; it is tested
  // when written.
  explicit aif_Emissivity(const kinC_InteractionProperty& property);
  aif_Emissivity(const aif_Emissivity&) = default;

  akw_Keyword* Clone() const override { return new aif_Emissivity(*this); }
  // "*Emissivity" with ", dependencies=N" (no line break before it) when the
  // table has dependencies, then the table's rows as a film property writes
  // them. Throws the type test's exception, writing nothing, for another
  // property class.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kinC_InteractionProperty> property_;
};
