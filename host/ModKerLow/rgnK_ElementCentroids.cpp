#include "ModKerLow/rgnK_ElementCentroids.h"

void rgnK_GetElementCentroids(const rgnC_Region& region, int instanceId, const bme_Mesh& mesh,
                              cow_2DArray<double>& centroids) {
  const cow_List<int>* indices = region.KernelElementIndices().Find(instanceId);
  const std::size_t count = indices ? indices->Length() : 0;
  centroids = cow_2DArray<double>(count, 3, 0.0);
  const std::vector<float>& xyz = mesh.NodeData().Coordinates();
  for (std::size_t row = 0; row < count; ++row) {
    const int index = (*indices)[row];
    for (const bme_ElementClass& element : mesh.ElementClasses()) {
      const std::size_t first = element.FirstElementIndex();
      if (index < 0 || static_cast<std::size_t>(index) < first ||
          static_cast<std::size_t>(index) >= first + element.NumElements())
        continue;
      const std::size_t n = static_cast<std::size_t>(element.NodesPerElement());
      const std::size_t at = (static_cast<std::size_t>(index) - first) * n;
      for (std::size_t k = 0; k < n; ++k) {
        const std::size_t node = static_cast<std::size_t>(element.Connectivity()[at + k]);
        for (std::size_t axis = 0; axis < 3; ++axis)
          centroids.Modify(row, axis) += xyz[3 * node + axis] / static_cast<double>(n);
      }
      break;
    }
  }
}
