#include "aif/impl/model/aif_Elset.h"

#include <algorithm>

#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/rgnF_Set.h"
#include "ModKerLow/rgnK_Region.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_SetLabelWriter.h"

namespace {

constexpr char kElsetFile[] = "module/aif/impl/model/aif_Elset";
constexpr int kElsetAssemblyId = static_cast<int>(ftr_kAssemblyId);

// A region of faces or nodes only (kind bit 2 without the element bits 0 and
// 1) has no elements to list.
bool HasNoElements(const rgnK_Region& region) {
  const int flags = region.Flags();
  return (flags & 4) && !(flags & 3);
}

[[noreturn]] void Fail(const cow_String& text, int line) {
  nex_Exception::Throw(aif_Exception(text), kElsetFile, line);
}

}  // namespace

void aif_Elset::CollectRegion(const rgnK_Region& region, int instanceId, const char* failure) {
  if (HasNoElements(region)) Fail(atr_Translate(failure), __LINE__);
  region.GetElementIds(labels_, nullptr, instanceId, info_->ElementLabelsUsable(), true);
}

aif_Elset::aif_Elset(const asoF_PartInstance& instance, const rgnF_Set& set, const cow_String& name,
                     aif_ModelInfo& info)
    : name_(name), info_(&info), substructure_(set.IsAllSubstructureRegion()) {
  // The part the assembly resolves for the instance is the instance's part.
  const rgnK_Region region(&instance.ConstGetPart(), info.ModelName(), set.Region());
  CollectRegion(region, static_cast<int>(instance.Id()), "Cannot create elset from this region");
}

aif_Elset::aif_Elset(bool instanceOption, const cow_String& name, const asoF_PartInstance& instance,
                     aif_ModelInfo& info)
    : name_(name), info_(&info), instanceOption_(instanceOption) {
  const bme_Mesh* mesh = instance.ConstGetMesh();
  if (!mesh || mesh->NumElements() == 0) return;
  const bool usable = info.ElementLabelsUsable();
  cow_List<int> labels;
  labels.Reserve(mesh->NumElements());
  for (const bme_ElementClass& elementClass : mesh->ElementClasses()) {
    const int n = static_cast<int>(elementClass.NumElements());
    if (usable && elementClass.HasLabelTable()) {
      for (int label : elementClass.UserLabels())
        labels.Append(label);
      continue;
    }
    const int first = static_cast<int>(elementClass.FirstElementIndex()) + (usable ? 1 : 0);
    for (int i = 0; i < n; ++i)
      labels.Append(first + i);
  }
  labels_.Set(static_cast<int>(instance.Id()), labels);
}

aif_Elset::aif_Elset(const cow_String& name, const rgnF_Set& set, aif_ModelInfo& info)
    : name_(name),
      info_(&info),
      instanceOption_(true),
      substructure_(set.IsAllSubstructureRegion()) {
  const rgnK_Region region(info.Assembly(), info.ModelName(), set.Region());
  CollectRegion(region, kElsetAssemblyId, "Cannot create elset from this region");
  for (const rgnC_GeomComponent& component : region.GeomComponents())
    if (component.kind == rgnC_GeomComponent::kEdge && component.index <= region.ModelEdgeCount() &&
        (component.nonMeshable || component.attachmentLine))
      edgeIndices_.Append(component.index);
}

aif_Elset::aif_Elset(const cow_String& name, const LabelsById& labels, bool instanceOption,
                     aif_ModelInfo& info)
    : name_(name), labels_(labels), info_(&info), instanceOption_(instanceOption) {}

aif_Elset::aif_Elset(const rgnK_Region& region, const cow_String& name, int instanceId, int copies,
                     int stride, int baseOffset, aif_ModelInfo& info)
    : name_(name), info_(&info) {
  LabelsById read;
  region.GetElementIds(read, nullptr, instanceId, false, true);
  if (HasNoElements(region))
    Fail(atr_TranslateWithArg("Cannot create elset %s from region", name), __LINE__);
  const cow_List<int>* labels = read.Find(instanceId);
  if (!labels) return;
  const int base = info.IsPartBased() ? 1 : baseOffset;
  for (int c = 0; c < copies; ++c)
    for (int e : *labels)
      plainLabels_.Append(e + c * stride + base);
}

aif_Elset::aif_Elset(const asoK_Assembly& templateModel, const rgnF_Set& set,
                     const cow_String& name, const cow_String& keyPrefix, int copies,
                     const LabelsByName& startLabels, aif_ModelInfo& info)
    : name_(name), info_(&info), instanceOption_(true) {
  const rgnK_Region region(&templateModel, "Assembly", set.Region());
  LabelsById read;
  region.GetElementIds(read, nullptr, kElsetAssemblyId, false, true);

  const cow_String& prefix = keyPrefix;

  const ftr_FeatureList& features = templateModel.ConstGetFeatureList();
  for (const auto& [id, labels] : read) {
    const unsigned feature = static_cast<unsigned>(id);
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, feature);
    const cow_String key = instance ? prefix + instance->Name() : cow_String("ASSY");
    const bme_Mesh* mesh = mes_ConstGetMesh(features, feature);
    const cow_List<int>* starts = startLabels.Find(key);
    if (!mesh || !starts || starts->IsEmpty()) continue;
    const int start = std::max((*starts)[0], 1);
    const int count = static_cast<int>(mesh->NumElements());
    cow_List<int> copied;
    copied.Reserve(labels.Length() * static_cast<std::size_t>(std::max(copies, 0)));
    for (int e : labels)
      for (int c = 0; c < copies; ++c)
        copied.Append(e + start + c * count);
    namedLabels_.Set(key, copied);
  }
}

void aif_Elset::LeaveOutInstances(const std::unordered_set<unsigned>& ids) {
  for (unsigned id : ids)
    labels_.Remove(static_cast<int>(id));
}

bool aif_Elset::IsEmpty() const {
  return labels_.IsEmpty() && stringMembers_.IsEmpty();
}

void aif_Elset::Write(utl_Stream& stream) const {
  aif_CheckWritableName(name_, "element set");
  LabelsById labels = labels_;
  if (aif_ModelInfo::LabelTableType* table = info_->LabelTable()) {
    for (const auto& [id, list] : labels_) {
      const auto* held = table->Find(id);
      if (!held || !*held) continue;
      aif_ElementFileRecord& record = **held;
      const int offset = info_->AssyElementOffsetsID(id);
      labels.Set(id, {record.FirstLabel() - (offset > 0 ? offset : 0)});
      // The first set that is wholly the substructure names it.
      if (substructure_ && labels_.Length() == 1 && record.Value() == 0) {
        record.SetName(name_);
        record.SetValue(1);
      }
    }
  }

  cow_String keyword = "*Elset, elset=" + name_;
  if (info_->IsPartBased() && aif_IsInternalName(name_)) keyword += ", internal";

  if (!stringMembers_.IsEmpty()) {
    stream << keyword << endl;
    for (const cow_String& member : stringMembers_)
      stream << member << ", " << endl;
  }

  // Connector elements written for the assembly's wires and attachment
  // lines belong to the sets of their edges.
  const cow_COW<aif_ModelInfo::WireLabels>& wires = info_->WireElementLabels();
  if (!wires.IsNull() && !wires->IsEmpty() && !edgeIndices_.IsEmpty()) {
    cow_List<int>& assembly = labels.Modify(kElsetAssemblyId);
    const int offset = info_->AssyElementOffsetsID(kElsetAssemblyId);
    for (int edge : edgeIndices_)
      if (const int* label = wires->Find(edge)) assembly.Append(*label - offset);
  }

  aif_SetLabelWriter writer;
  writer.SetInstanceOption(instanceOption_);
  if (!labels.IsEmpty())
    writer.WriteInstanceBlocks(stream, labels, keyword, *info_, aif_SetLabelWriter::kElements);
  if (!namedLabels_.IsEmpty())
    writer.WriteNamedInstanceBlocks(stream, namedLabels_, keyword, *info_);
  if (!plainLabels_.IsEmpty()) writer.WriteBlock(stream, plainLabels_, keyword, *info_);
}
