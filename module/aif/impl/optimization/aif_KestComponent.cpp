#include "aif/impl/optimization/aif_KestComponent.h"

#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "aif/impl/core/aif_ModelInfo.h"

aif_ModelInfo& aif_KestComponent::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

const cow_String& aif_KestComponent::TaskName() const {
  return Model().OptimizationText();
}

const kopC_Task* aif_KestComponent::Task() const {
  const mdl_MapString2ObjCow<kopC_Task>& tasks = Info().ModelAdapter().Tasks();
  return tasks.Contains(TaskName()) ? &tasks.ConstGet(TaskName()) : nullptr;
}
