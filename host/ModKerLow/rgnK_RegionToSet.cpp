#include "ModKerLow/rgnK_RegionToSet.h"

#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoK_Part.h"

void rgnK_RegionToSet::AppendGeometryHits(const gdy_CompositeHitSet& hits) {
  for (const auto& [id, elements] : hits.faceElements) {
    hits_.faceElements.Modify(id).Append(elements);
    const cow_List<cow_String>* faces = hits.faceIds.Find(id);
    cow_List<cow_String>& out = hits_.faceIds.Modify(id);
    for (std::size_t i = 0; i < elements.Length(); ++i)
      out.Append(faces && i < faces->Length() ? (*faces)[i] : cow_String());
  }
}

std::unique_ptr<rgnF_Set> rgnK_RegionToSet::GetNewSet(const cow_String& name, bool surface) const {
  (void)surface;
  bool anyFace = false;
  for (const auto& entry : hits_.faceElements)
    anyFace = anyFace || !entry.second.IsEmpty();
  if (!anyFace || name.IsEmpty()) return nullptr;

  rgnC_Region region(name, {inAssembly_ ? cow_String("Assembly") : cow_String()});
  bool analyticRigid = false;
  for (const auto& [id, elements] : hits_.faceElements) {
    region.SetKernelElementIndices(id, elements, *hits_.faceIds.Find(id));
    const asoF_PartInstance* instance =
        asoF_Utils::ConstGetPartInstance(features_, static_cast<unsigned>(id));
    if (instance && instance->ConstGetPart().GetAnalysis() == ptoK_ANALYTIC_RIGID)
      analyticRigid = true;
  }
  region.SetKernelContainsAnalRigidSurf(analyticRigid);
  auto set = std::make_unique<rgnF_Set>(region);
  set->SetName(name);
  return set;
}
