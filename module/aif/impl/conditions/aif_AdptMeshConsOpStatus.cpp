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
  MarkRemovedOrModified(constraints);
}
