#include "aif/impl/model/aif_Node.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

constexpr char kNodeFile[] = "module/aif/impl/aif_Node";

[[noreturn]] void Fail(const std::string& text, int line) {
  nex_Exception::Throw(aif_Exception(cow_String(text)), kNodeFile, line);
}

std::string Owner(const cow_String& name) {
  return name.IsEmpty() ? std::string("the mesh") : "instance " + name.Str();
}

// Stops the write when labels `lowest` to `highest` of `what` (e.g. "The
// nodes of instance I") do not all lie between 1 and INT_MAX.
void CheckNodeLabelRange(const std::string& what, long long lowest, long long highest,
                         int line) {
  if (lowest >= 1 && highest <= INT_MAX) return;
  Fail(what + " would be written with label " + std::to_string(lowest < 1 ? lowest : highest) +
           "; node labels must lie between 1 and " + std::to_string(INT_MAX) + ".",
       line);
}

}  // namespace

aif_Node::Numbering::Numbering(int offset, bool labelsUsable, bool labelTable,
                               const bme_NodeData* nodes)
    : offset_(offset) {
  if (labelsUsable && labelTable && nodes && nodes->HasLabelTable()) {
    table_ = nodes->GetUserNodeLabels().data();
    base_ = offset_;
  } else if (labelsUsable) {
    base_ = offset_ + 1;
  } else {
    base_ = offset == 0 ? 1 : offset_;
  }
}

aif_Node::aif_Node(const asoF_PartInstance& instance, const aif_ModelInfo& info)
    : offset_(info.AssyNodeOffsetsID(static_cast<int>(instance.Id()))),
      labelsUsable_(info.NodeLabelsUsable()),
      threeDimensional_(instance.ConstGetPart().GetSpace() == ptoK_SPACE_3D),
      owner_(instance.Name()) {
  if (instance.Locks() & ftr_LOCK_MESH) return;
  const bme_Mesh* mesh = instance.ConstGetMesh();
  std::shared_ptr<const bme_Mesh> display;  // released when done here
  if ((!mesh || mesh->NumElements() == 0) && kcoK_IsDisplayInstance(instance)) {
    display = kcoK_MakeDisplayMesh(instance);
    if (display) mesh = display.get();
  }
  TakeMesh(mesh);
}

aif_Node::aif_Node(const asoK_Assembly& assembly, const aif_ModelInfo& info)
    : offset_(info.AssyNodeOffsetsID(static_cast<int>(ftr_kAssemblyId))),
      labelsUsable_(info.NodeLabelsUsable()),
      owner_(assembly.Name()) {
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  const cow_List<unsigned> active =
      ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features);
  if (!active.IsEmpty())
    threeDimensional_ = std::any_of(active.begin(), active.end(), [&](unsigned id) {
      return asoF_Utils::ConstGetPartInstance(features, id)->ConstGetPart().GetSpace() ==
             ptoK_SPACE_3D;
    });
  TakeMesh(features.ConstGetMesh(ftr_kAssemblyId));
}

aif_Node::aif_Node(const asoF_PartInstance& instance, const aif_ModelInfo& info,
                   const cow_List<gsl_Matrix>& copies, int firstLabel)
    : labelsUsable_(info.NodeLabelsUsable()),
      threeDimensional_(instance.ConstGetPart().GetSpace() == ptoK_SPACE_3D),
      owner_(instance.Name()),
      firstCopyLabel_(firstLabel) {
  if (instance.Locks() & ftr_LOCK_MESH) return;
  const bme_Mesh* mesh = instance.ConstGetMesh();
  if (!mesh) return;
  nodes_ = mesh->NodeDataHandle();
  // Each placement after the instance's own: one transform per copy.
  copies_.Reserve(copies.Length());
  for (const gsl_Matrix& copy : copies)
    copies_.Append(copy * instance.GetTransform());
}

void aif_Node::WriteCopies(utl_Stream& stream) const {
  const std::size_t count = nodes_->NumNodes();
  const long long last = firstCopyLabel_ + static_cast<long long>(count * copies_.Length()) - 1;
  CheckNodeLabelRange("The copies of the nodes of " + Owner(owner_), firstCopyLabel_, last,
                      __LINE__);
  stream << "*Node" << endl;
  utl_StreamSmallReal smallReal(stream, SmallestReal());
  const float* xyz = nodes_->Coordinates().data();
  int label = firstCopyLabel_;
  for (const gsl_Matrix& copy : copies_) {
    for (std::size_t i = 0; i < count; ++i) {
      const float* p = xyz + 3 * i;
      const gsl_Point placed = copy.Transform(gsl_Point(p[0], p[1], p[2]));
      WriteLine(stream, label++, static_cast<float>(placed.x), static_cast<float>(placed.y),
                static_cast<float>(placed.z));
    }
  }
  smallReal.UnsetSmallestReal();
  stream.Flush();
}

void aif_Node::TakeMesh(const bme_Mesh* mesh) {
  if (!mesh) return;
  subset_ = mesh->NodeSubset();
  nodes_ = mesh->NodeDataHandle();
  labelTable_ = labelsUsable_ && nodes_->HasLabelTable();
}

double aif_Node::SmallestReal() const {
  return std::pow(10.0, -12) * nodes_->BoundingBox().Size();
}

aif_Node::Numbering aif_Node::Labels() const {
  return Numbering(offset_, labelsUsable_, labelTable_, nodes_.get());
}

long long aif_Node::NodeLabel(std::size_t index) const {
  return Labels().Label(index);
}

void aif_Node::WriteLine(utl_Stream& stream, int label, float x, float y, float z) const {
  stream.Print(label, 7).Write(", ", 2);
  stream.Print(static_cast<double>(x), 12, 9).Write(", ", 2);
  stream.Print(static_cast<double>(y), 12, 9);
  if (threeDimensional_) stream.Write(", ", 2).Print(static_cast<double>(z), 12, 9);
  stream.LineBreak();
}

void aif_Node::Write(utl_Stream& stream) const {
  const std::vector<int>* subset = subset_.get();
  if (!nodes_ || nodes_->NumNodes() == 0 || (subset && subset->empty())) return;
  if (firstCopyLabel_ != 0) {
    if (!copies_.IsEmpty()) WriteCopies(stream);
    return;
  }
  const std::size_t count = nodes_->NumNodes();
  const Numbering labels = Labels();

  // Check every label before the first line: the smallest and largest index
  // written (and, with user labels, the smallest and largest label).
  long long lowest = LLONG_MAX, highest = LLONG_MIN;
  if (subset) {
    for (int index : *subset) {
      if (index < 0 || static_cast<std::size_t>(index) >= count)
        Fail("The node subset of " + Owner(owner_) + " names node index " + std::to_string(index) +
                 ", but the mesh has " + std::to_string(count) + " nodes.",
             __LINE__);
      const long long label = labels.Label(static_cast<std::size_t>(index));
      lowest = std::min(lowest, label);
      highest = std::max(highest, label);
    }
  } else if (labels.Table()) {
    const auto [low, high] = std::minmax_element(labels.Table(), labels.Table() + count);
    lowest = labels.Offset() + *low;
    highest = labels.Offset() + *high;
  } else {
    lowest = labels.Label(0);
    highest = labels.Label(count - 1);
  }
  CheckNodeLabelRange("The nodes of " + Owner(owner_), lowest, highest, __LINE__);

  stream << "*Node" << endl;
  utl_StreamSmallReal smallReal(stream, SmallestReal());
  const float* xyz = nodes_->Coordinates().data();
  auto line = [&](std::size_t i) {
    const float* p = xyz + 3 * i;
    WriteLine(stream, static_cast<int>(labels.Label(i)), p[0], p[1], p[2]);
  };
  if (subset) {
    for (int index : *subset)
      line(static_cast<std::size_t>(index));
  } else {
    for (std::size_t i = 0; i < count; ++i)
      line(i);
  }
  smallReal.UnsetSmallestReal();
  stream.Flush();
}
