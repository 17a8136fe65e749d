#include "ModKerLow/asoF_PartInstance.h"

#include "ModKerLow/dtmK_Datum.h"

const asoF_PartInstance* asoF_Utils::ConstGetPartInstance(const ftr_FeatureList& features,
                                                          unsigned id) {
  return dynamic_cast<const asoF_PartInstance*>(features.Get(id));
}

int asoF_Utils::NumNodesInMesh(const ftr_FeatureList& features, unsigned id) {
  const bme_Mesh* mesh = features.ConstGetMesh(id);
  return mesh ? static_cast<int>(mesh->NumNodes()) : 0;
}

const bme_Mesh* mes_ConstGetMesh(const ftr_FeatureList& features, unsigned id) {
  return features.ConstGetMesh(id);
}

cow_String dtmK_Datum::GetFullName(const cow_String& separator) const {
  cow_String name;
  for (const cow_String& owner : reference_.owners)
    name += owner + separator;
  return name + reference_.name;
}
