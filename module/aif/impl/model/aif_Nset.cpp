#include "aif/impl/model/aif_Nset.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/rgnK_Region.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_NodeReferences.h"
#include "aif/impl/model/aif_SetLabelWriter.h"

namespace {

constexpr char kNsetFile[] = "module/aif/impl/model/aif_Nset";
constexpr int kNsetAssemblyId = static_cast<int>(ftr_kAssemblyId);

// A template node whose copy would get no label of its own (no pair, or a
// label below 1) is refused rather than written as 0 or a negative label.
[[noreturn]] void FailTemplateNode(const cow_String& name, int line) {
  nex_Exception::Throw(
      aif_Exception(atr_TranslateWithArg(
          "Cannot create nset %s from region: a template node has no label", name)),
      kNsetFile, line);
}

}  // namespace

void aif_Nset::AddNode(int id, int label) {
  labels_.Modify(id).Append(label);
}

void aif_Nset::AddAttachmentPoint(int vertex, int id) {
  const asoK_AttachmentTree *points = nullptr, *lines = nullptr;
  if (!info_->AttachmentNodeNumbers(static_cast<unsigned>(id), points, lines)) return;
  if (const asoK_AttachmentRecord* record = points->Find(vertex))
    AddNode(id, record->end1.label - info_->AssyNodeOffsetsID(id));
}

// The assembly's first table holds its attachment lines, each with the nodes
// of both ends; each end joins the set once.
void aif_Nset::AddAttachmentLine(int edge, int id) {
  const asoK_AttachmentTree *lines = nullptr, *single = nullptr;
  if (!info_->AttachmentNodeNumbers(static_cast<unsigned>(id), lines, single)) return;
  const asoK_AttachmentRecord* record = lines->Find(edge);
  if (!record) return;
  for (const asoK_AttachmentNode* node : {&record->end1, &record->end2}) {
    if (node->label == 0) continue;
    const int label = node->label - info_->AssyNodeOffsetsID(id);
    const cow_List<int>* list = labels_.Find(id);
    if (!list || list->IndexOf(label) < 0) AddNode(id, label);
  }
}

aif_Nset::aif_Nset(const asoF_PartInstance& instance, const rgnC_Region& region,
                   const cow_String& name, aif_ModelInfo& info)
    : name_(name), info_(&info) {
  // The part the assembly resolves for the instance is the instance's part.
  const rgnK_Region kernel(&instance.ConstGetPart(), info.ModelName(), region);
  const int id = static_cast<int>(instance.Id());
  kernel.GetNodeIds(labels_, id, info.NodeLabelsUsable(), false, true);
  for (const rgnC_GeomComponent& component : kernel.GeomComponents())
    if (component.kind == rgnC_GeomComponent::kVertex && component.attachmentPoint)
      AddAttachmentPoint(component.index, id);
}

aif_Nset::aif_Nset(const ftr_PrimaryObject* object, const rgnC_Region& region,
                   const cow_String& name, bool edges, int kind, aif_ModelInfo& info)
    : instanceOption_(true), name_(name), info_(&info) {
  const rgnK_Region kernel(object, info.ModelName(), region);
  if (kind != 1) kernel.GetNodeIds(labels_, kNsetAssemblyId, info.NodeLabelsUsable(), false, true);
  const int edgeCount = kernel.ModelEdgeCount();
  // Wire ends join as the node block numbers them (held here before the
  // instance's offset, which the writer adds).
  aif_NodeReferences nodes(info);
  for (const rgnC_GeomComponent& component : kernel.GeomComponents()) {
    if (component.kind == rgnC_GeomComponent::kEdge) {
      if (kind != 1 && component.nonMeshable) {
        if (!edges && aif_IsInternalName(name)) break;
        for (const rgnC_Dot& dot : component.ends) {
          if (dot.resolved) {
            const int id = static_cast<int>(dot.instanceId);
            if (const std::optional<long long> label = nodes.Label(dot.instanceId, dot.label))
              AddNode(id, static_cast<int>(*label - info.AssyNodeOffsetsID(id)));
          } else if (dot.vertexDot)
            AddAttachmentPoint(dot.vertexIndex, kNsetAssemblyId);
        }
      }
      if (kind != 2 && component.index <= edgeCount && component.attachmentLine)
        AddAttachmentLine(component.index, kNsetAssemblyId);
    }
    if (kind != 1 && component.kind == rgnC_GeomComponent::kVertex && component.attachmentPoint)
      AddAttachmentPoint(component.index, kNsetAssemblyId);
  }
}

aif_Nset::aif_Nset(const cow_String& name, const cow_List<cow_String>& members, aif_ModelInfo& info)
    : name_(name), stringMembers_(members), info_(&info) {}

aif_Nset::aif_Nset(const cow_String& name, const LabelsById& labels, bool instanceOption,
                   aif_ModelInfo& info)
    : instanceOption_(instanceOption), name_(name), labels_(labels), info_(&info) {}

aif_Nset::aif_Nset(const rgnK_Region& region, const cow_String& name, int instanceId,
                   const cow_List<LabelPair>& pairs, int copies, aif_ModelInfo& info)
    : name_(name), info_(&info) {
  LabelsById read;
  region.GetNodeIds(read, instanceId, false, false, true);
  const cow_List<int>* indices = read.Find(instanceId);
  if (!indices) return;
  std::unordered_map<int, int> newLabels;
  for (const LabelPair& pair : pairs)
    newLabels[pair.oldLabel] = pair.newLabel;
  const int step = static_cast<int>(pairs.Length());
  plainLabels_.Reserve(indices->Length() * static_cast<std::size_t>(std::max(copies, 0)));
  for (int c = 0; c < copies; ++c)
    for (int index : *indices) {
      auto found = newLabels.find(index + 1);
      if (found == newLabels.end() || found->second < 1) FailTemplateNode(name, __LINE__);
      plainLabels_.Append(found->second + c * step);
    }
}

void aif_Nset::AddTemplateNode(const cow_String& key, int label, int copies, int stride,
                               const PairsByKey& pairs, PairIndex& index) {
  auto entry = index.find(key.Str());
  if (entry == index.end()) {
    const cow_List<LabelPair>* list = pairs.Find(key);
    if (!list) return;
    entry = index.emplace(key.Str(), std::unordered_map<int, LabelPair>()).first;
    for (const LabelPair& pair : *list)
      entry->second.emplace(pair.oldLabel, pair);  // the first pair of a label wins
  }
  const auto found = entry->second.find(label);
  if (found == entry->second.end()) return;
  const LabelPair& pair = found->second;
  if (pair.newLabel < 1) FailTemplateNode(name_, __LINE__);
  cow_List<int>& out = namedLabels_.Modify(key);
  for (int c = 0; c < copies; ++c)
    out.Append(pair.newLabel + c * (pair.kind == 2 ? 1 : stride));
}

aif_Nset::aif_Nset(const asoK_Assembly& templateModel, const rgnC_Region& region,
                   const cow_String& name, const cow_String& keyPrefix,
                   const cow_List<cow_String>& members, int copies, int stride,
                   const PairsByKey& pairs, aif_ModelInfo& info)
    : instanceOption_(true), name_(name), stringMembers_(members), info_(&info) {
  const rgnK_Region kernel(&templateModel, "Assembly", region);
  LabelsById read;
  kernel.GetNodeIds(read, kNsetAssemblyId, false, false, true);
  const cow_String& prefix = keyPrefix;
  PairIndex index;
  const ftr_FeatureList& features = templateModel.ConstGetFeatureList();
  auto keyOf = [&](int id) {
    const asoF_PartInstance* instance =
        asoF_Utils::ConstGetPartInstance(features, static_cast<unsigned>(id));
    return instance ? prefix + instance->Name() : cow_String("ASSY");
  };

  for (const auto& [id, indices] : read) {
    const cow_String key = keyOf(id);
    if (!pairs.Contains(key)) continue;
    namedLabels_.Set(key, cow_List<int>());
    const bme_Mesh* mesh = mes_ConstGetMesh(features, static_cast<unsigned>(id));
    const bool userLabels = mesh && mesh->NodeData().HasLabelTable();
    for (int e : indices) {
      const int label =
          userLabels ? mesh->NodeData().GetUserNodeLabels()[static_cast<std::size_t>(e)] : e + 1;
      AddTemplateNode(key, label, copies, stride, pairs, index);
    }
  }
  // The wires of the template: their end nodes, resolved through reference
  // dots.
  for (const rgnC_GeomComponent& component : kernel.GeomComponents()) {
    if (component.kind != rgnC_GeomComponent::kEdge || !component.nonMeshable) continue;
    for (const rgnC_Dot& dot : component.ends)
      if (dot.referenceDot && dot.resolved)
        AddTemplateNode(keyOf(static_cast<int>(dot.instanceId)), dot.label, copies, stride, pairs,
                        index);
  }
}

void aif_Nset::LeaveOutInstances(const std::unordered_set<unsigned>& ids) {
  for (unsigned id : ids)
    labels_.Remove(static_cast<int>(id));
}

bool aif_Nset::IsEmpty() const {
  return labels_.IsEmpty() && stringMembers_.IsEmpty();
}

void aif_Nset::WriteStringMembers(utl_Stream& stream, const cow_String& keyword) const {
  stream << keyword << endl;
  for (const cow_String& member : stringMembers_)
    stream << member << ", " << endl;
}

void aif_Nset::Write(utl_Stream& stream) const {
  aif_CheckWritableName(name_, "node set");
  cow_String keyword = "*Nset, nset=" + name_;
  if (info_->IsPartBased() && aif_IsInternalName(name_)) keyword += ", internal";
  if (!stringMembers_.IsEmpty()) WriteStringMembers(stream, keyword);
  aif_SetLabelWriter writer;
  writer.SetInstanceOption(instanceOption_);
  if (!labels_.IsEmpty())
    writer.WriteInstanceBlocks(stream, labels_, keyword, *info_, aif_SetLabelWriter::kNodes);
  if (!plainLabels_.IsEmpty()) writer.WriteBlock(stream, plainLabels_, keyword, *info_);
  if (!namedLabels_.IsEmpty())
    writer.WriteNamedInstanceBlocks(stream, namedLabels_, keyword, *info_);
}
