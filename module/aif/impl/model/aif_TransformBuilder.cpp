#include "aif/impl/model/aif_TransformBuilder.h"

#include "aif/impl/core/aif_ModelInfo.h"

aif_TransformBuilder::aif_TransformBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo) {}

aif_ModelInfo& aif_TransformBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_TransformBuilder::Build() {}
