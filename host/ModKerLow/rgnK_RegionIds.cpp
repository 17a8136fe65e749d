#include "ModKerLow/rgnK_RegionIds.h"

#include <unordered_set>

void rgnK_GetUniqueIds(cow_Map<int, cow_List<int>>& ids) {
  cow_Map<int, cow_List<int>> result;
  std::unordered_set<int> seen;
  for (const auto& [id, list] : ids) {
    seen.clear();
    seen.reserve(list.Length());
    cow_List<int>& unique = result.Modify(id);
    unique.Reserve(list.Length());
    for (int member : list)
      if (seen.insert(member).second) unique.Append(member);
  }
  ids = result;
}

void rgnK_GetNodalCoords(const rgnC_Region& region, int instanceId, const bme_Mesh& mesh,
                         cow_2DArray<double>& coordinates) {
  const cow_List<int>* nodes = region.KernelNodeIndices().Find(instanceId);
  const std::size_t count = nodes ? nodes->Length() : 0;
  coordinates = cow_2DArray<double>(count, 3, 0.0);
  const std::vector<float>& xyz = mesh.NodeData().Coordinates();
  for (std::size_t row = 0; row < count; ++row) {
    const int node = (*nodes)[row];
    if (node < 0 || static_cast<std::size_t>(node) >= mesh.NumNodes()) continue;
    for (std::size_t c = 0; c < 3; ++c)
      coordinates.Modify(row, c) = xyz[static_cast<std::size_t>(node) * 3 + c];
  }
}
