#include "ModKerLow/mgt_ContourIntegralMgr.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "ModKerLow/asoF_PartInstance.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "VwrModKer/ftr_FeatureList.h"

namespace {

// The node indices of element `element` (a mesh-wide index) of `mesh`,
// ascending without repeats; none when the mesh has no such element.
std::optional<cow_List<int>> CrackFrontElementNodes(const bme_Mesh* mesh, int element) {
  if (!mesh || element < 0) return std::nullopt;
  const auto index = static_cast<std::size_t>(element);
  for (const bme_ElementClass& elements : mesh->ElementClasses()) {
    if (index < elements.FirstElementIndex() ||
        index >= elements.FirstElementIndex() + elements.NumElements())
      continue;
    const auto per = static_cast<std::size_t>(elements.NodesPerElement());
    const std::size_t first = (index - elements.FirstElementIndex()) * per;
    std::vector<int> nodes(
        elements.Connectivity().begin() + static_cast<std::ptrdiff_t>(first),
        elements.Connectivity().begin() + static_cast<std::ptrdiff_t>(first + per));
    std::sort(nodes.begin(), nodes.end());
    nodes.erase(std::unique(nodes.begin(), nodes.end()), nodes.end());
    cow_List<int> list;
    for (int node : nodes)
      list.Append(node);
    return list;
  }
  return std::nullopt;
}

// One entry per face hit of `hits`: the nodes of its element under its
// instance id. False when an element is not found.
bool CrackFrontHitNodes(const ftr_FeatureList& features, const gdy_CompositeHitSet& hits,
                        cow_List<gme_RegularGrid::NodesById>& out) {
  for (const auto& [id, elements] : hits.faceElements) {
    const bme_Mesh* mesh = mes_ConstGetMesh(features, static_cast<unsigned>(id));
    for (int element : elements) {
      const std::optional<cow_List<int>> nodes = CrackFrontElementNodes(mesh, element);
      if (!nodes) return false;
      gme_RegularGrid::NodesById entry;
      entry.Set(id, *nodes);
      out.Append(entry);
    }
  }
  return true;
}

cow_Map<int, cow_List<int>> CrackFrontLabels(const gme_RegularGrid::NodesById& nodes,
                                             bool labelsUsable) {
  cow_Map<int, cow_List<int>> labels;
  for (const auto& [id, indices] : nodes) {
    cow_List<int>& out = labels.Modify(id);
    for (int index : indices)
      out.Append(labelsUsable ? index + 1 : index);
  }
  return labels;
}

}  // namespace

cow_Map<int, cow_List<int>> gme_RegularGrid::FrontNodes(int segment, bool labelsUsable) const {
  return CrackFrontLabels(fronts_[static_cast<std::size_t>(segment)], labelsUsable);
}

cow_Map<int, cow_List<int>> gme_RegularGrid::TipNodes(int segment, bool labelsUsable) const {
  return CrackFrontLabels(tips_[static_cast<std::size_t>(segment)], labelsUsable);
}

std::unique_ptr<gme_RegularGrid> mgt_ContourIntegralMgr::BuildCrackFrontLayers(
    const ftr_PrimaryObject* assembly, const gdy_CompositeHitSet& front,
    const gdy_CompositeHitSet& tip) {
  if (!assembly) return nullptr;
  auto grid = std::make_unique<gme_RegularGrid>();
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  cow_List<gme_RegularGrid::NodesById> fronts, tips;
  if (!CrackFrontHitNodes(features, front, fronts) || !CrackFrontHitNodes(features, tip, tips) ||
      fronts.IsEmpty() || tips.IsEmpty())
    return grid;
  gme_RegularGrid::NodesById allTips;
  for (const gme_RegularGrid::NodesById& entry : tips)
    for (const auto& [id, nodes] : entry) {
      cow_List<int>& out = allTips.Modify(id);
      std::vector<int> merged(out.begin(), out.end());
      merged.insert(merged.end(), nodes.begin(), nodes.end());
      std::sort(merged.begin(), merged.end());
      merged.erase(std::unique(merged.begin(), merged.end()), merged.end());
      out = cow_List<int>();
      for (int node : merged)
        out.Append(node);
    }
  grid->fronts_ = fronts;
  for (std::size_t i = 0; i < fronts.Length(); ++i)
    grid->tips_.Append(tips.Length() == fronts.Length() ? tips[i] : allTips);
  grid->valid_ = true;
  return grid;
}
