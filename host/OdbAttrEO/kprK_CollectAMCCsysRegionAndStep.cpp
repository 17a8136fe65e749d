#include "OdbAttrEO/kprK_CollectAMCCsysRegionAndStep.h"

#include "OdbAttrEO/kprC_AdptMeshCons.h"
#include "kprK_CsysCollectors.h"

void kprK_CollectAMCCsysRegionAndStep(const cow_String& modelName, cow_List<rgnC_Region>& regions,
                                      cow_List<dtmC_DatumRef>& datums, cow_List<cow_String>& names,
                                      cow_List<cow_String>& steps) {
  kprK_csys::Collect<kprC_AdptMeshCons>(
      modelName, bas_NewModel::adaptiveMeshConstraintCmd,
      [](const kprC_AdptMeshCons& constraint) { return &constraint.LocalCsys(); },
      [](const bas_NewModel& model, const kprC_AdptMeshCons& constraint) {
        return kprK_csys::CreatedStep(model, constraint);
      },
      regions, datums, names, steps);
}
