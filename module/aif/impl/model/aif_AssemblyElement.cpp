#include "aif/impl/model/aif_AssemblyElement.h"

#include <vector>

#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/rgnK_Region.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_FastenerCopyLabels.h"
#include "aif/impl/model/aif_NodeReferences.h"

namespace {

constexpr char kAssemblyElementFile[] = "module/aif/impl/model/aif_AssemblyElement.cpp";
constexpr int kThreeDimensional = 2000;

// One connector element of a wire, its ends as they are written; an empty
// end has no dot.
struct WireLine {
  int component = 0;
  cow_String first;
  cow_String second;
};

// The written form of a wire end: the label of the node's "*Node" line in
// a flat file, "Inst.label" in a part-based one (aif_NodeReferences). A
// vertex dot that is no mesh node may stand on an attachment point of its
// instance, whose node comes from the instance's first attachment table
// (labels there are final). Throws aif_Exception when the dot names no node
// the deck writes.
cow_String EndText(const rgnC_Dot& dot, const cow_String& elementSet, aif_ModelInfo& info,
                   aif_NodeReferences& nodes) {
  if (dot.resolved) {
    cow_String text = nodes.Text(dot.instanceId, dot.label);
    if (!text.IsEmpty()) return text;
  } else if (dot.vertexDot) {
    const asoK_AttachmentTree *first = nullptr, *second = nullptr;
    if (info.AttachmentNodeNumbers(dot.instanceId, first, second))
      if (const asoK_AttachmentRecord* record = first->Find(dot.vertexIndex))
        return nodes.Named(dot.instanceId, record->end1.label);
  }
  nex_Exception::Throw(
      aif_Exception(atr_TranslateWithArg("A wire of the connector element set %s ends on a point "
                                         "without a node; its connector cannot be written.",
                                         elementSet)),
      kAssemblyElementFile, __LINE__);
}

// The rest of an element line after its label: ", end1, end2", a blank
// field for a missing first end (",  , end2"), and nothing after the last
// end written. A data line that ends with a comma goes on in the next line
// for the solver, which would take the next element's label and nodes as
// nodes of this one.
void WriteEnds(utl_Stream& stream, const cow_String& first, const cow_String& second) {
  if (!second.IsEmpty())
    stream << ", " << (first.IsEmpty() ? cow_String(" ") : first) << ", " << second;
  else if (!first.IsEmpty())
    stream << ", " << first;
  stream << endl;
}

}  // namespace

aif_AssemblyElement::aif_AssemblyElement(const rgnC_Region& region, const cow_String& elementSet,
                                         aif_ModelInfo& info)
    : region_(region), elementSet_(elementSet), info_(&info) {}

aif_AssemblyElement::aif_AssemblyElement(const rgnC_Region& region, const cow_String& elementSet,
                                         const cow_String& keyPrefix, int copies,
                                         const asoK_Assembly& templateAssembly,
                                         const cow_String& modelName, const KeyedLists& renumbering,
                                         const KeyedLists& copySteps, const KeyedLists& consecutive,
                                         aif_ModelInfo& info, aif_InstanceLabelLists& labels,
                                         int& counter)
    : region_(region), elementSet_(elementSet), info_(&info), templateAssembly_(templateAssembly) {
  const rgnK_Region kernel(&templateAssembly, modelName, region);
  if (!kernel.IsValid(true)) return;
  const cow_String& prefix = keyPrefix;
  const cow_List<rgnC_GeomComponent>& components = kernel.GeomComponents();
  lists_.count = static_cast<int>(components.Length());
  const bool partBased = info.IsPartBased();
  const ftr_FeatureList& features = templateAssembly.ConstGetFeatureList();
  const aif_FastenerCopyLabels copyLabels(renumbering, copySteps, consecutive, info);

  for (const rgnC_GeomComponent& component : components) {
    if (component.kind != rgnC_GeomComponent::kEdge || !component.nonMeshable) continue;
    int label[2] = {-1, -1};
    int step[2] = {0, 0};
    cow_String name[2];
    for (int end = 0; end < 2; ++end) {
      const rgnC_Dot& dot = component.ends[end];
      if (dot.missing) continue;
      // An end on no node leaves the ends after it unresolved too.
      if (!dot.resolved) break;
      const int id = static_cast<int>(dot.instanceId);
      const cow_String key = aif_FastenerCopyLabels::Key(prefix, features, id);
      const int number = partBased ? dot.label : dot.label + 1;
      label[end] = copyLabels.FirstCopyLabel(key, number).value_or(-1);
      step[end] = copyLabels.StepOf(key, id, number);
      if (partBased && key != aif_FastenerCopyLabels::kAssemblyKey)
        name[end] = aif_QualifiedPrefix(key);
    }
    for (int c = 0; c < copies; ++c) {
      lists_.firstNames.Append(name[0]);
      lists_.firstLabels.Append(label[0] > 0 ? label[0] + c * step[0] : -1);
      lists_.secondNames.Append(name[1]);
      lists_.secondLabels.Append(label[1] > 0 ? label[1] + c * step[1] : -1);
      ++counter;
    }
  }
  labels = lists_;
}

const char* aif_AssemblyElement::ElementType(const asoK_Assembly* assembly) {
  if (assembly && !assembly->IsSpace(kThreeDimensional) &&
      !ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(assembly->ConstGetFeatureList())
           .IsEmpty())
    return "CONN2D2";
  return "CONN3D2";
}

void aif_AssemblyElement::Write(utl_Stream& stream) const {
  if (templateAssembly_.IsNull())
    WriteWires(stream);
  else
    WriteReadyLists(stream);
}

void aif_AssemblyElement::WriteWires(utl_Stream& stream) const {
  const asoK_Assembly* assembly = info_->Assembly();
  if (!assembly) return;
  const rgnK_Region kernel(assembly, info_->ModelName(), region_);
  if (!kernel.IsValid(true)) return;
  const cow_List<rgnC_GeomComponent>& components = kernel.GeomComponents();

  // Every end is resolved before anything is written, so that a wire that
  // cannot be written leaves no part of the keyword behind.
  std::vector<WireLine> wires;
  aif_NodeReferences nodes(*info_);
  for (const rgnC_GeomComponent& component : components) {
    if (component.kind != rgnC_GeomComponent::kEdge || !component.nonMeshable) continue;
    WireLine line{component.index, cow_String(), cow_String()};
    if (!component.ends[0].missing)
      line.first = EndText(component.ends[0], elementSet_, *info_, nodes);
    if (!component.ends[1].missing)
      line.second = EndText(component.ends[1], elementSet_, *info_, nodes);
    wires.push_back(std::move(line));
  }

  const char* type = ElementType(assembly);
  const cow_String assemblyName = info_->FeatureName(ftr_kAssemblyId);
  aif_ModelInfo::WireLabels& recorded = info_->WireElementLabels().Modify();
  if (!wires.empty()) {
    stream << "*Element, type=" << type << endl;
    for (const WireLine& wire : wires) {
      const int label = info_->NextElementLabel(assemblyName);
      recorded.Set(wire.component, label);
      stream << label;
      WriteEnds(stream, wire.first, wire.second);
    }
  }

  // Discrete fasteners: the host resolved their attachment lines to the
  // node pairs of the assembly's first attachment table.
  const asoK_AttachmentTree *lines = nullptr, *single = nullptr;
  if (!info_->AttachmentNodeNumbers(ftr_kAssemblyId, lines, single) || lines->IsEmpty()) return;
  bool header = false;
  for (const rgnC_GeomComponent& component : components) {
    if (component.kind != rgnC_GeomComponent::kEdge || !component.attachmentLine) continue;
    const asoK_AttachmentRecord* record = lines->Find(component.index);
    if (!record) continue;
    if (!header) {
      aif_Comment("\n@DODOVE, object=discrete fastener").Write(stream);
      stream << "*Element, type=" << type << endl;
      header = true;
    }
    const int label = info_->NextElementLabel(assemblyName);
    recorded.Set(component.index, label);
    stream << label << ", " << record->end1.label << ", " << record->end2.label << endl;
  }
}

void aif_AssemblyElement::WriteReadyLists(utl_Stream& stream) const {
  if (lists_.firstLabels.IsEmpty()) return;
  stream << "*Element, type=" << ElementType(templateAssembly_.Get()) << ", ";
  stream.OptionalLineBreak(6 + elementSet_.Length()) << "elset=" << elementSet_ << endl;
  const cow_String assemblyName = info_->FeatureName(ftr_kAssemblyId);
  for (std::size_t i = 0; i < lists_.firstLabels.Length(); ++i) {
    stream << info_->NextElementLabel(assemblyName);
    const cow_String first =
        lists_.firstLabels[i] < 0
            ? cow_String()
            : lists_.firstNames[i] + cow_String(std::to_string(lists_.firstLabels[i]));
    const cow_String second =
        lists_.secondLabels[i] > 0
            ? lists_.secondNames[i] + cow_String(std::to_string(lists_.secondLabels[i]))
            : cow_String();
    WriteEnds(stream, first, second);
  }
}
