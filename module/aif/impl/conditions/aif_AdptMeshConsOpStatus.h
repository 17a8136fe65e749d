// Whether the adaptive mesh constraints carry ", op=NEW" in a step: in every
// analysis step where an unsuppressed constraint is removed, or really
// modified. The adaptive-mesh-constraint builder fills one before it writes
// any constraint.
#pragma once

#include "aif/impl/core/aif_OpStatus.h"

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_AdptMeshConsOpStatus : public aif_OpStatus {
 public:
  static constexpr int kCategoryCount = 2;

  aif_AdptMeshConsOpStatus() = default;
  aif_AdptMeshConsOpStatus(const aif_AdptMeshConsOpStatus&) = default;

  // 0 for a displacement or velocity constraint; throws aif_Exception
  // "Unimplemented adptMeshCons->statusKey conversion" for any other type.
  int StatusKey(unsigned typeId, bool& selector) const override;

  // Enters `steps` (the unsuppressed step names, the initial step first) with
  // both categories cleared; then, from the second step on, flags the
  // category of every unsuppressed constraint deactivated in the step
  // (status 4 or 11), or modified there (3 or 10) when its modification test
  // for the step holds.
  void BuildAdptMeshConsOpStatus(const cow_List<cow_String>& steps,
                                 const kprC_PropagatingContainer<kprC_AdptMeshCons>& constraints);
};
