#include "OdbAttrEO/kloK_CollectLoadCsysRegionAndStep.h"

#include "OdbAttrEO/kloC_Load.h"
#include "kprK_CsysCollectors.h"

void kloK_CollectLoadCsysRegionAndStep(const cow_String& modelName, cow_List<rgnC_Region>& regions,
                                       cow_List<dtmC_DatumRef>& datums, cow_List<cow_String>& names,
                                       cow_List<cow_String>& steps) {
  kprK_csys::Collect<kloC_Load>(
      modelName, bas_NewModel::loadCmd,
      [](const kloC_Load& load) -> const dtmC_DatumRef* {
        const unsigned type = load.DynTypeId();
        if (type != kloC_ConcentratedForce::TypeId() && type != kloC_Moment::TypeId())
          return nullptr;
        return &load.LocalCsys();
      },
      [](const bas_NewModel& model, const kloC_Load& load) {
        return kprK_csys::CreatedStep(model, load);
      },
      regions, datums, names, steps);
}
