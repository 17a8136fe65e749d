#include "aif/impl/optimization/aif_KestConstraintBuilder.h"

#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/optimization/aif_KestComment.h"
#include "aif/impl/optimization/aif_KestConstraint.h"
#include "aif/impl/optimization/aif_KestResponseOrder.h"

namespace {

constexpr char kKestConstraintBuilderFile[] =
    "module/aif/impl/optimization/aif_KestConstraintBuilder.cpp";

}  // namespace

void aif_KestConstraintBuilder::Build() {
  const kopC_Task* task = Task();
  if (!task) return;
  for (const auto& [name, object] : task->Constraints().ConstGetMap()) {
    if (object->Suppressed()) continue;
    const auto& constraint = nex_canDynamicCastRef<const kopC_KestConstraint>(
        *object, kKestConstraintBuilderFile, __LINE__);
    // A constraint on a response without a DRESP block would bound nothing
    // the file defines: it is refused.
    aif_KestRequireConstraintResponse(*task, name, constraint);
    AddModelDefinition(aif_KestComment::Banner("Constraint: ", name));
    AddModelDefinition(aif_KestConstraint(Info(), constraint, name));
  }
}
