#include "ModKerLow/mgt_LevelSetMgr.h"

mgt_LevelSetMgr::mgt_LevelSetMgr(const cow_String& modelName, const ftr_PrimaryObject* assembly,
                                 const rgnC_Region& crackDomain, const rgnC_Region& initialCrack)
    : domain_(crackDomain),
      valid_(crackDomain.KernelValid() && initialCrack.KernelValid()),
      instance_(crackDomain.KernelLevelSetInstance()) {
  (void)modelName;
  (void)assembly;
}

void mgt_LevelSetMgr::ComputeLevelSets() {
  if (!valid_) return;
  if (!domain_.KernelLevelSetsComputable()) {
    valid_ = false;
    values_ = cow_List<mgt_LevelSetValue>();
    return;
  }
  values_ = domain_.KernelLevelSets();
}
