#include "ModKerLow/rgnK_Region.h"

#include "ModKerLow/rgnF_Utils.h"
#include "ModKerLow/rgnK_RegionIds.h"

void rgnK_Region::GetElementIds(cow_Map<int, cow_List<int>>& ids,
                                cow_Map<int, cow_List<int>>& indices, int instanceId,
                                bool labelsUsable) const {
  Collect(region_.KernelElementIndices(), ids, nullptr, instanceId, labelsUsable);
  for (const auto& [id, stored] : region_.KernelElementIndices()) {
    if (instanceId != 1000 && id != instanceId) continue;
    // The stored lists are the mesh indices: shared, not copied.
    cow_List<int>& out = indices.Modify(id);
    out.Append(stored);
  }
}

void rgnK_Region::GetNodeHits(gdy_CompositeHitSet& hits, int instanceId, bool labelsUsable) const {
  gdy_CompositeHitSet own;
  GetNodeIds(own.nodeHits, instanceId, labelsUsable, false, false);
  rgnK_GetUniqueIds(own.nodeHits);
  if (hits.nodeHits.IsEmpty())
    hits.nodeHits = own.nodeHits;
  else
    hits.Add(own);
}

void rgnK_Region::GetCompositeHits(gdy_CompositeHitSet& hits, bool vertices, bool edges, bool cells,
                                   bool faces, bool keepEmpty) const {
  (void)vertices;
  (void)edges;
  (void)cells;
  if (!faces) return;
  for (const auto& [id, indices] : region_.KernelElementIndices()) {
    if (indices.IsEmpty() && !keepEmpty) continue;
    hits.faceElements.Modify(id).Append(indices);
    const cow_List<cow_String>* names = region_.KernelElementFaces().Find(id);
    cow_List<cow_String>& out = hits.faceIds.Modify(id);
    for (std::size_t i = 0; i < indices.Length(); ++i)
      out.Append(names && i < names->Length() ? (*names)[i] : cow_String());
  }
}

bool rgnK_Region::HasMeshNodes() const {
  for (const auto& entry : region_.KernelNodeIndices())
    if (!entry.second.IsEmpty()) return true;
  return false;
}

bool rgnK_Region::HasMeshElements() const {
  for (const auto& entry : region_.KernelElementIndices())
    if (!entry.second.IsEmpty()) return true;
  return false;
}

rgnC_Region rgnK_GetRegion(const ftr_PrimaryObject& object, const cow_String& name, int kind) {
  const ftr_FeatureList& features = object.ConstGetFeatureList();
  const bool surfaces = (kind & kRgnKSurfaceKind) != 0;
  const bool sets = (kind & ~kRgnKSurfaceKind) != 0;
  for (unsigned id : rgnF_Utils::GetRegionIds(features, sets, surfaces))
    if (const rgnF_Set* set = rgnF_Utils::GetRegion(features, id))
      if (set->Name() == name) return set->Region();
  rgnC_Region missing(name, cow_List<cow_String>());
  missing.SetKernelValid(false);
  return missing;
}

rgnK_Region::rgnK_Region(const ftr_FeatureList& features, const cow_String& name,
                         const rgnF_Set& set)
    : region_(set.Region()), internal_(set.internalMark) {
  (void)features;
  (void)name;
}
