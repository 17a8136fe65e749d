#include "ModKerLow/ref_Utils.h"

#include <algorithm>
#include "ModKerLow/asoF_PartInstance.h"
#include "OdbCoreGeom/bme_Mesh.h"

cow_List<ref_RefNode> ref_Utils::GetRefNodes(const ftr_FeatureList& features, unsigned id,
                                             bool labelsUsable) {
  cow_List<ref_RefNode> nodes;
  if (id == ftr_kAssemblyId) {
    // The assembly's own points, after its own mesh; the stand-in keeps no
    // coordinates for them.
    const bme_Mesh* mesh = features.ConstGetMesh(id);
    int label = labelsUsable ? (mesh ? mesh->NodeData().HighestLabel() : 0)
                             : (mesh ? static_cast<int>(mesh->NumNodes()) : 0) - 1;
    for (int i = 0; i < features.AssemblyReferencePoints(); ++i) {
      ++label;
      const int userLabel = features.AssemblyReferencePointUserLabel(i);
      nodes.Append(ref_RefNode{label, userLabel != 0 ? userLabel : label, 0.0, 0.0, 0.0});
    }
    return nodes;
  }
  const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
  if (!instance) return nodes;
  const bme_Mesh* mesh = instance->ConstGetMesh();
  int label = labelsUsable ? (mesh ? mesh->NodeData().HighestLabel() : 0)
                           : (mesh ? static_cast<int>(mesh->NumNodes()) : 0) - 1;
  const ptoK_Part& part = instance->ConstGetPart();
  for (std::size_t i = 0; i < part.ReferencePoints().size(); ++i) {
    const auto& point = part.ReferencePoints()[i];
    ++label;
    const int userLabel = part.ReferencePointUserLabel(i);
    nodes.Append(ref_RefNode{label, userLabel != 0 ? userLabel : label, point[0], point[1], point[2]});
  }
  return nodes;
}

bool ref_Utils::UserNodeLabelExists(const ftr_FeatureList& features, unsigned id, int label) {
  const bme_Mesh* mesh = features.ConstGetMesh(id);
  if (!mesh || !mesh->NodeData().HasLabelTable()) return false;
  const auto& labels = mesh->NodeData().GetUserNodeLabels();
  return std::find(labels.begin(), labels.end(), label) != labels.end();
}
