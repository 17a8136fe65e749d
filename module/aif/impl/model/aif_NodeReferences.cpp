#include "aif/impl/model/aif_NodeReferences.h"

#include <string>
#include <vector>

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ref_Utils.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_Node.h"

// The node block of one feature (null when the feature writes none) and,
// for a mesh whose user labels are not its indices + 1, the index of each
// user label (the first node carrying it), built on first need.
struct aif_NodeReferences::Mesh {
  std::unique_ptr<aif_Node> block;
  const bme_Mesh* own = nullptr;  // the feature's own mesh, which its reference points follow
  std::unordered_map<int, std::size_t> indexOf;
  bool mapped = false;
};

aif_NodeReferences::aif_NodeReferences(const aif_ModelInfo& info) : info_(info) {}

aif_NodeReferences::~aif_NodeReferences() = default;

aif_NodeReferences::Mesh& aif_NodeReferences::MeshOf(unsigned id) {
  std::unique_ptr<Mesh>& slot = meshes_[id];
  if (slot) return *slot;
  slot = std::make_unique<Mesh>();
  if (const asoK_Assembly* assembly = info_.Assembly()) {
    if (id == ftr_kAssemblyId) {
      slot->block = std::make_unique<aif_Node>(*assembly, info_);
      slot->own = assembly->ConstGetFeatureList().ConstGetMesh(id);
    } else if (const asoF_PartInstance* instance =
                   asoF_Utils::ConstGetPartInstance(assembly->ConstGetFeatureList(), id)) {
      slot->block = std::make_unique<aif_Node>(*instance, info_);
      slot->own = instance->ConstGetMesh();
    }
  }
  return *slot;
}

std::optional<long long> aif_NodeReferences::Label(unsigned id, int meshLabel) {
  Mesh& mesh = MeshOf(id);
  if (!mesh.block || meshLabel < 1) return std::nullopt;
  const bme_NodeData* nodes = mesh.block->NodeData();
  const std::size_t count = nodes ? nodes->NumNodes() : 0;
  const std::size_t guess = static_cast<std::size_t>(meshLabel) - 1;
  if (count > 0 && nodes->HasLabelTable()) {
    const std::vector<int>& labels = nodes->GetUserNodeLabels();
    if (guess < count && labels[guess] == meshLabel) return mesh.block->NodeLabel(guess);
    if (!mesh.mapped) {
      mesh.indexOf.reserve(count);
      for (std::size_t i = 0; i < count; ++i)
        mesh.indexOf.emplace(labels[i], i);
      mesh.mapped = true;
    }
    const auto found = mesh.indexOf.find(meshLabel);
    if (found != mesh.indexOf.end()) return mesh.block->NodeLabel(found->second);
  } else if (guess < count) {
    return mesh.block->NodeLabel(guess);
  }
  // Past the mesh: the feature's reference points, labelled after its own
  // mesh's highest label, written as their own nodes.
  const int highest = mesh.own ? mesh.own->NodeData().HighestLabel() : 0;
  const asoK_Assembly* assembly = info_.Assembly();
  if (meshLabel <= highest || !assembly) return std::nullopt;
  const cow_List<ref_RefNode> points =
      ref_Utils::GetRefNodes(assembly->ConstGetFeatureList(), id, info_.NodeLabelsUsable());
  const std::size_t point = static_cast<std::size_t>(meshLabel - highest - 1);
  if (point >= points.Length()) return std::nullopt;
  return static_cast<long long>(points[point].label) +
         info_.AssyNodeOffsetsID(static_cast<int>(id));
}

cow_String aif_NodeReferences::Text(unsigned id, int meshLabel) {
  const std::optional<long long> label = Label(id, meshLabel);
  return label ? Named(id, *label) : cow_String();
}

cow_String aif_NodeReferences::Named(unsigned id, long long label) const {
  cow_String text;
  if (info_.IsPartBased()) {
    const cow_String instance = info_.FeatureName(id);
    if (!instance.IsEmpty()) text = aif_QualifiedPrefix(instance);
  }
  return text + cow_String(std::to_string(label));
}
