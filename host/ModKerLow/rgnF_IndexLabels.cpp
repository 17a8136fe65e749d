#include "ModKerLow/rgnF_IndexLabels.h"

#include <cstddef>

#include "OdbCoreGeom/bme_Mesh.h"

namespace rgnF_Utils {

void ConvertElemIndicesToLabels(const bme_Mesh& mesh, cow_List<int>& indices) {
  const std::vector<bme_ElementClass>& classes = mesh.ElementClasses();
  for (std::size_t i = 0; i < indices.Length(); ++i) {
    const int index = indices[i];
    int label = index + 1;
    for (const bme_ElementClass& c : classes) {
      const std::size_t first = c.FirstElementIndex();
      if (index < 0 || static_cast<std::size_t>(index) < first ||
          static_cast<std::size_t>(index) >= first + c.NumElements())
        continue;
      if (c.HasLabelTable()) label = c.UserLabels()[static_cast<std::size_t>(index) - first];
      break;
    }
    indices.Modify(i) = label;
  }
}

void ConvertNodeIndicesToLabels(const bme_Mesh& mesh, cow_List<int>& indices) {
  const bme_NodeData& nodes = mesh.NodeData();
  const bool labelled = nodes.HasLabelTable();
  for (std::size_t i = 0; i < indices.Length(); ++i) {
    const int index = indices[i];
    const bool inMesh = index >= 0 && static_cast<std::size_t>(index) < nodes.NumNodes();
    indices.Modify(i) =
        labelled && inMesh ? nodes.GetUserNodeLabels()[static_cast<std::size_t>(index)] : index + 1;
  }
}

}  // namespace rgnF_Utils
