#include "AttributesIntObj/asoK_InstanceNames.h"

#include "ModKerLow/asoF_PartInstance.h"

cow_List<cow_String> asoK_GetInstanceNames(const asoK_Assembly& assembly, const cow_String& part,
                                           const cow_String&) {
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  cow_List<cow_String> names;
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (instance->GetPartName() == part && names.IndexOf(instance->Name()) < 0)
      names.Append(instance->Name());
  }
  return names;
}
