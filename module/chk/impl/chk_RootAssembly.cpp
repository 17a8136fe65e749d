#include "chk/impl/chk_RootAssembly.h"

#include "ModelDatabase/mdl_Repository.h"
#include "QivBasicUtils/nex_Exception.h"

const asoK_Assembly* chk_RootAssembly(const bas_NewModel& model, const char* file, int line) {
  const auto& assemblies = nex_canDynamicCastRef<const mdl_IDRepository<asoK_Assembly>>(
      model.ConstGetExtension(bas_NewModel::assyCmd), file, line);
  return assemblies.Contains("Assembly") ? &assemblies.ConstGet("Assembly") : nullptr;
}
