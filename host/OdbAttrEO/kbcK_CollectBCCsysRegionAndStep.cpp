#include "OdbAttrEO/kbcK_CollectBCCsysRegionAndStep.h"

#include "OdbAttrEO/kbcC_BC.h"
#include "kprK_CsysCollectors.h"

void kbcK_CollectBCCsysRegionAndStep(const cow_String& modelName, cow_List<rgnC_Region>& regions,
                                     cow_List<dtmC_DatumRef>& datums, cow_List<cow_String>& names,
                                     cow_List<cow_String>& steps) {
  kprK_csys::Collect<kbcC_BC>(
      modelName, bas_NewModel::bcCmd,
      [](const kbcC_BC& condition) { return &condition.LocalCsys(); },
      [](const bas_NewModel& model, const kbcC_BC& condition) {
        return condition.CreatedStepName().IsEmpty() ? kprK_csys::CreatedStep(model, condition)
                                                     : condition.CreatedStepName();
      },
      regions, datums, names, steps);
}
