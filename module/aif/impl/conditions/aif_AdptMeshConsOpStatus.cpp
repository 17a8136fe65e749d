#include "aif/impl/conditions/aif_AdptMeshConsOpStatus.h"

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kprC_AdptMeshCons.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kAdptMeshConsOpStatusFile[] =
    "module/aif/impl/conditions/aif_AdptMeshConsOpStatus.cpp";

}  // namespace

int aif_AdptMeshConsOpStatus::StatusKey(unsigned typeId, bool& /*selector*/) const {
  if (typeId == kprC_DispAdptMeshCons::kTypeId || typeId == kprC_VelAdptMeshCons::kTypeId) return 0;
  nex_Exception::Throw(
      aif_Exception(atr_Translate("Unimplemented adptMeshCons->statusKey conversion")),
      kAdptMeshConsOpStatusFile, __LINE__);
}

void aif_AdptMeshConsOpStatus::BuildAdptMeshConsOpStatus(
    const cow_List<cow_String>& steps,
    const kprC_PropagatingContainer<kprC_AdptMeshCons>& constraints) {
  InitializeSteps(steps, kCategoryCount);
  const cow_List<cow_String>& allSteps = Steps();
  for (std::size_t index = 1; index < allSteps.Length(); ++index) {
    const cow_String& step = allSteps[index];
    for (const auto& entry : constraints.ConstGetMap()) {
      const kprC_AdptMeshCons& constraint = *entry.second;
      if (constraint.Suppressed()) continue;
      const int status = constraint.GetPropStatus(step);
      const bool removed = status == 4 || status == 11;
      const bool modified = (status == 3 || status == 10) && constraint.IsModified(step);
      if (!removed && !modified) continue;
      bool selector = false;
      MarkCategory(StatusKey(constraint.DynTypeId(), selector), static_cast<int>(index));
    }
  }
}
