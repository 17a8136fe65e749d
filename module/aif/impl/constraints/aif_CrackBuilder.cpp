#include "aif/impl/constraints/aif_CrackBuilder.h"

#include "aif/impl/core/aif_ModelInfo.h"

aif_CrackBuilder::aif_CrackBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}

aif_ModelInfo& aif_CrackBuilder::Info() const { return static_cast<aif_ModelInfo&>(ModelInfo()); }

void aif_CrackBuilder::Build() {}
