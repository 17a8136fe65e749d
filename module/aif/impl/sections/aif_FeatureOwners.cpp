#include "aif/impl/sections/aif_FeatureOwners.h"

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "aif/impl/core/aif_ModelInfo.h"

void aif_ForEachFeatureOwner(const aif_ModelInfo& info,
                             const std::function<void(const aif_FeatureOwner&)>& visit) {
  const asoK_Assembly* assembly = info.Assembly();
  if (!assembly) return;
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  const bool partBased = info.IsPartBased();
  cow_List<cow_String> partsDone;
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (!instance || features.IsLocked(id, ftr_LOCK_MESH)) continue;
    aif_FeatureOwner owner;
    owner.object = &asoK_Assembly::GetOriginalPart(*instance);
    owner.id = id;
    owner.part = instance->GetPartName();
    owner.instance = instance->Name();
    owner.partBased = partBased;
    if (info.IsLightweightInstance(*instance)) {
      if (partsDone.IndexOf(owner.part) >= 0) continue;
      partsDone.Append(owner.part);
      owner.scope = aif_FeatureOwner::kPart;
      owner.name = owner.part;
    } else {
      owner.scope = aif_FeatureOwner::kInstance;
      owner.name = owner.instance;
    }
    visit(owner);
  }
  aif_FeatureOwner owner;
  owner.object = assembly;
  owner.partBased = partBased;
  visit(owner);
}

void aif_KeepWrittenNodes(const aif_ModelInfo& info, cow_Map<int, cow_List<int>>& nodes) {
  const asoK_Assembly* assembly = info.Assembly();
  if (!assembly) return;
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  cow_List<int> unwritten;
  for (const auto& [id, labels] : nodes) {
    if (id == static_cast<int>(ftr_kAssemblyId)) continue;
    const unsigned feature = static_cast<unsigned>(id);
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, feature);
    if (!instance || !instance->ActiveForSimulation() || features.IsLocked(feature, ftr_LOCK_MESH))
      unwritten.Append(id);
  }
  for (int id : unwritten)
    nodes.Remove(id);
}
