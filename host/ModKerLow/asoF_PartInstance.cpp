#include "ModKerLow/asoF_PartInstance.h"

#include "ModKerLow/dtmK_Datum.h"

const asoF_PartInstance* asoF_Utils::ConstGetPartInstance(const ftr_FeatureList& features,
                                                          unsigned id) {
  return dynamic_cast<const asoF_PartInstance*>(features.Get(id));
}

int asoF_Utils::NumNodesInMesh(const ftr_FeatureList& features, unsigned id) {
  const bme_Mesh* mesh = features.ConstGetMesh(id);
  const asoF_PartInstance* instance = ConstGetPartInstance(features, id);
  return (mesh ? static_cast<int>(mesh->NumNodes()) : 0) +
         (instance ? instance->NmrRefPoints() : 0);
}

cow_List<unsigned> ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(
    const ftr_FeatureList& features) {
  cow_List<unsigned> ids;
  for (unsigned id : features.ConstEvaluatedRep().GetIds()) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (instance && instance->ActiveForSimulation()) ids.Append(id);
  }
  return ids;
}

cow_List<cow_String> ftr_Accessor<asoF_PartInstance>::GetActiveNamesForSimulation(
    const ftr_FeatureList& features) {
  cow_List<cow_String> names;
  for (unsigned id : GetActiveIdsForSimulation(features))
    names.Append(features.Get(id)->Name());
  return names;
}

const bme_Mesh* mes_ConstGetMesh(const ftr_FeatureList& features, unsigned id) {
  return features.ConstGetMesh(id);
}

cow_String dtmK_Datum::GetFullName(const cow_String& separator) const {
  cow_String name;
  if (reference_.kernelUnnamed) return name;
  for (const cow_String& owner : reference_.owners)
    name += owner + separator;
  return name + reference_.name;
}
