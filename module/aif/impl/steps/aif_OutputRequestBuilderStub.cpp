// Interim definitions of the output request builder's frame, so that its
// records can be built and tested before the per-step walk and the keyword
// writer land: the constructor gathers the remeshing steps; Build files
// nothing. Replaced by aif_OutputRequestBuilder.cpp.
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/steps/aif_OutputRequestBuilder.h"

aif_OutputRequestBuilder::aif_OutputRequestBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo) {
  for (const auto& entry : Info().ModelAdapter().RemeshingRules().ConstGetMap())
    if (!entry.second->Suppressed()) remeshingSteps_.AppendUnlessMember(entry.second->StepName());
}

void aif_OutputRequestBuilder::Build() {}

aif_ModelInfo& aif_OutputRequestBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}
