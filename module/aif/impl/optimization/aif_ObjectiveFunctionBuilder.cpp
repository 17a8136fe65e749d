#include "aif/impl/optimization/aif_ObjectiveFunctionBuilder.h"

#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/optimization/aif_KestComment.h"
#include "aif/impl/optimization/aif_KestResponseOrder.h"
#include "aif/impl/optimization/aif_ObjFunc.h"

namespace {

constexpr char kObjectiveFunctionBuilderFile[] =
    "module/aif/impl/optimization/aif_ObjectiveFunctionBuilder.cpp";

}  // namespace

void aif_ObjectiveFunctionBuilder::Build() {
  const kopC_Task* task = Task();
  if (!task) return;
  for (const auto& [name, object] : task->ObjectiveFunctions().ConstGetMap()) {
    if (object->Suppressed()) continue;
    const auto& objective = nex_canDynamicCastRef<const kopC_KestObjectiveFunction>(
        *object, kObjectiveFunctionBuilderFile, __LINE__);
    aif_KestRequireObjectiveResponses(*task, name, objective);
    AddModelDefinition(aif_KestComment::Banner("Objective Function: ", name));
    AddModelDefinition(aif_ObjFunc(Info(), objective, name, task->DynTypeId()));
  }
}
