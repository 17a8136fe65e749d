#include "ModKerLow/mgt_MeshPartArray.h"

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "OdbCoreGeom/bme_Mesh.h"

mgt_MeshPart::mgt_MeshPart(const asoK_Assembly& assembly, unsigned instanceId)
    : id_(instanceId),
      instance_(asoF_Utils::ConstGetPartInstance(assembly.ConstGetFeatureList(), instanceId)) {}

const cow_String& mgt_MeshPart::GetName() const {
  static const cow_String kNoName;
  return instance_ ? instance_->Name() : kNoName;
}

const bme_Mesh* mgt_MeshPart::ConstGetMesh() const {
  return instance_ ? instance_->ConstGetMesh() : nullptr;
}

const bme_Mesh* mgt_MeshPart::ConstGetNativeMesh() const {
  return instance_ ? instance_->ConstGetPart().ConstGetMesh() : nullptr;
}

bool mgt_MeshPart::IsDisplayBody() const {
  return instance_ && kcoK_IsDisplayInstance(*instance_);
}

bool mgt_MeshPart::IsExcludedInstance() const {
  return instance_ && instance_->IsExcluded();
}

bool mgt_MeshPart::IsLightweightInstance() const {
  return instance_ && instance_->IsLightweight();
}

mgt_MeshPartArray::mgt_MeshPartArray(const asoK_Assembly& assembly, bool flag) {
  (void)flag;
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  for (unsigned id : features.ConstEvaluatedRep().GetIds()) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (instance && instance->ActiveForSimulation()) parts_.emplace_back(assembly, id);
  }
}

mgt_MeshPartArray::mgt_MeshPartArray(const asoK_Assembly& assembly, const cow_List<unsigned>& ids) {
  parts_.reserve(ids.Length());
  for (unsigned id : ids)
    parts_.emplace_back(assembly, id);
}

void gml_ScopedGCBitVect::Set(unsigned id) {
  if (bits_.size() <= id) bits_.resize(id + 1, false);
  bits_[id] = true;
}

cow_List<unsigned> gml_ScopedGCBitVect::Ids() const {
  cow_List<unsigned> ids;
  for (unsigned id = 0; id < bits_.size(); ++id)
    if (bits_[id]) ids.Append(id);
  return ids;
}

bool mgt_GetUnmeshedRegions(const asoK_Assembly& assembly, const cow_String& modelName,
                            gml_ScopedGCBitVect& instances) {
  (void)modelName;
  bool any = false;
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  for (unsigned id : features.ConstEvaluatedRep().GetIds()) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (!instance || !instance->ActiveForSimulation()) continue;
    if (!instance->ConstGetPart().ConstGetMesh() || instance->ConstGetPart().HasUnmeshedRegions()) {
      instances.Set(id);
      any = true;
    }
  }
  return any;
}
