#include "VwrModKer/ftr_FeatureList.h"

#include <algorithm>

#include "OdbAttrEO/kefC_EngineeringFeatures.h"

const ftr_Feature* ftr_FeatureList::Get(unsigned id) const {
  const cow_COW<ftr_Feature>* feature = features_.Find(id);
  return feature ? feature->Get() : nullptr;
}

bool ftr_FeatureList::IsLocked(unsigned id, int kind) const {
  const ftr_Feature* feature = Get(id);
  return feature && (feature->Locks() & kind) != 0;
}

ftr_Theory ftr_FeatureList::GetTheory(unsigned id) const {
  const ftr_Feature* feature = Get(id);
  return feature ? feature->Theory() : ftr_Theory();
}

const bme_Mesh* ftr_FeatureList::ConstGetMesh(unsigned id) const {
  if (id == ftr_kAssemblyId) return assemblyMesh_.get();
  const ftr_Feature* feature = Get(id);
  return feature ? feature->ConstGetMesh() : nullptr;
}

void ftr_FeatureList::Add(const ftr_Feature& feature) {
  if (!features_.Contains(feature.Id())) order_.Append(feature.Id());
  features_.Set(feature.Id(), cow_COW<ftr_Feature>(feature));
}

bool ftr_FeatureList::RegenerateFeatureAndAppend(ftr_Feature& feature) {
  if (feature.Name().IsEmpty()) return false;
  unsigned highest = 0;
  for (unsigned id : order_)
    highest = std::max(highest, id);
  feature.SetId(highest + 1);
  Add(feature);
  ++regenerated_;
  return true;
}

bool ftr_FeatureList::Delete(unsigned id) {
  if (!features_.Remove(id)) return false;
  cow_List<unsigned> kept;
  for (unsigned other : order_)
    if (other != id) kept.Append(other);
  order_ = kept;
  return true;
}

void ftr_FeatureList::SetAssemblyOwnNodes(const cow_String& assemblyName,
                                          std::shared_ptr<const bme_Mesh> mesh,
                                          int referencePoints) {
  assemblyMesh_ = std::move(mesh);
  assemblyReferencePoints_ = referencePoints;
  ftr_Feature own;
  own.SetId(ftr_kAssemblyId);
  own.SetName(assemblyName);
  Add(own);
}

int ftr_AssemblyAttachments::HighestPosition() const {
  int highest = 0;
  for (const auto& [index, ends] : lines)
    highest = std::max({highest, ends.first, ends.second});
  for (const auto& [index, position] : points)
    highest = std::max(highest, position);
  return highest;
}

void ftr_FeatureList::SetAssemblyAttachments(const cow_String& assemblyName,
                                             const ftr_AssemblyAttachments& attachments) {
  assemblyAttachments_ = attachments;
  if (features_.Contains(ftr_kAssemblyId)) return;
  ftr_Feature own;
  own.SetId(ftr_kAssemblyId);
  own.SetName(assemblyName);
  Add(own);
}

const kern_Object& ftr_PrimaryObject::ConstGetEngineeringFeatures() const {
  static const kefC_EngineeringFeatures none;
  return engineeringFeatures_.IsNull() ? none : *engineeringFeatures_;
}
