// "*Gap Heat Generation": the gap heat generation of a contact interaction
// property, a data line of its two values in their order. The
// interaction-property pass files it for a property holding gap heat
// generation.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_ModelInfo;
class utl_Stream;

class aif_GapHeatGeneration : public akw_Keyword {
 public:
  // Holds a copy of `property`.
  aif_GapHeatGeneration(const kinC_InteractionProperty& property, const aif_ModelInfo& modelInfo);
  aif_GapHeatGeneration(const aif_GapHeatGeneration&) = default;

  akw_Keyword* Clone() const override { return new aif_GapHeatGeneration(*this); }
  // Throws the type test's nex_TextException, writing nothing, for a
  // property that is not a contact property.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kinC_InteractionProperty> property_;
  const aif_ModelInfo* modelInfo_;
};
