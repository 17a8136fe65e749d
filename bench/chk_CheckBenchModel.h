// The model the check benchmarks run on: a flat model (so that label
// conflicts are asked) of two instances of one part meshed with the grid of
// `cells`^3 bricks. The two instances share the part's mesh, whose user
// labels follow the default numbering (1, 2, 3, ...) except the last node's
// and the last element's, so that the walks that confirm a label conflict
// read every label before they find the difference.
#pragma once

#include <memory>
#include <vector>

#include "AttributesIntObj/asoK_Assembly.h"
#include "HostModules/hst_ModelBuilder.h"

inline hst_ModelBuilder chk_CheckBenchModel(int cells) {
  hst_ModelBuilder builder("CheckGrid");
  std::shared_ptr<bme_Mesh> mesh = hst_GridMesh(cells, cells, cells, 1.0 / cells);
  std::vector<int>& nodeLabels = mesh->MutableNodeData().MutableUserNodeLabels();
  nodeLabels.resize(mesh->NumNodes());
  for (std::size_t i = 0; i < nodeLabels.size(); ++i)
    nodeLabels[i] = static_cast<int>(i + 1);
  nodeLabels.back() += 1;
  bme_ElementClass& bricks = mesh->MutableElementClass(0);
  std::vector<int>& elementLabels = bricks.MutableUserLabels();
  elementLabels.resize(bricks.NumElements());
  for (std::size_t k = 0; k < elementLabels.size(); ++k)
    elementLabels[k] = static_cast<int>(bricks.FirstElementIndex() + k + 1);
  elementLabels.back() += 1;
  builder.AddPart("Block", mesh);
  builder.AddInstance("Block-1", "Block");
  builder.AddInstance("Block-2", "Block");
  builder.Assembly().SetRequiresFlatInputFile(true);
  return builder;
}
