#include "aif/impl/optimization/aif_StopConditionBuilder.h"

#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "aif/impl/optimization/aif_KestComment.h"
#include "aif/impl/optimization/aif_Stop.h"

void aif_StopConditionBuilder::Build() {
  const kopC_Task* task = Task();
  if (!task) return;
  for (const auto& [name, condition] : task->StopConditions().ConstGetMap()) {
    if (condition->Suppressed()) continue;
    AddModelDefinition(aif_KestComment::Banner("Stop Condition: ", name));
    if (const auto* local = dynamic_cast<const kopC_LocalStopCondition*>(condition.Get()))
      AddModelDefinition(aif_Stop(Info(), *local, name));
  }
}
