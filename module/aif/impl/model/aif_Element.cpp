#include "aif/impl/model/aif_Element.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ElementFileRecord.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/model/aif_Node.h"

namespace {

constexpr char kElementFile[] = "module/aif/impl/aif_Element";
constexpr char kIndent[] = "                                ";  // 32 blanks
constexpr int kMaxNodeWidth = 7;
constexpr int kFirstLineNodes = 15;
constexpr int kContinuationNodes = 16;

[[noreturn]] void Fail(const std::string& text, int line) {
  nex_Exception::Throw(aif_Exception(cow_String(text)), kElementFile, line);
}

// The number of decimal digits of `value` (at least 1).
int Digits(long long value) {
  int digits = 1;
  for (; value >= 10; value /= 10)
    ++digits;
  return digits;
}

struct Widths {
  int element;
  int node;
};

// One connectivity row: the element label and `count` node labels, the k-th
// given by nodeLabel(k), broken after the 15th node label and after every 16
// further ones.
template <class NodeLabel>
inline void WriteRow(utl_Stream& stream, int label, int count, const NodeLabel& nodeLabel,
                     const Widths& widths) {
  stream.Print(label, widths.element);
  if (count > 0) stream.Write(",", 1);
  for (int k = 0; k < count; ++k) {
    stream.Print(nodeLabel(k), widths.node);
    if (k + 1 == count) break;
    stream.Write(",", 1);
    if (k + 1 >= kFirstLineNodes && (k + 1 - kFirstLineNodes) % kContinuationNodes == 0)
      stream.LineBreak().Write(kIndent, static_cast<std::size_t>(widths.element) + 1);
  }
  stream.LineBreak();
}

// The label range [lowest, highest] must be writable.
void CheckLabels(long long lowest, long long highest, const char* what, const std::string& owner,
                 int line) {
  if (lowest >= 1 && highest <= INT_MAX) return;
  Fail(std::string("The ") + what + " of " + owner + " would be written with label " +
           std::to_string(lowest < 1 ? lowest : highest) + "; labels must lie between 1 and " +
           std::to_string(INT_MAX) + ".",
       line);
}

// The smallest and largest of `count` (at least 1) values: a plain loop, which
// the compiler vectorizes.
std::pair<int, int> Range(const int* values, std::size_t count) {
  int low = values[0], high = values[0];
  for (std::size_t i = 1; i < count; ++i) {
    low = std::min(low, values[i]);
    high = std::max(high, values[i]);
  }
  return {low, high};
}

int NodeWidth(long long highest) {
  return std::min(Digits(highest) + 1, kMaxNodeWidth);
}

}  // namespace

aif_Element::aif_Element(aif_ModelInfo& info, const bme_ElementClass& elementClass,
                         const bme_Mesh& mesh, int instanceId, int nodeOffset, int elementOffset)
    : elementOffset_(elementOffset),
      nodeOffset_(nodeOffset),
      instanceId_(instanceId),
      class_(&elementClass),
      mesh_(&mesh),
      typeName_(elementClass.TypeName()),
      nodeLabelsUsable_(info.NodeLabelsUsable()),
      elementLabelsUsable_(info.ElementLabelsUsable()),
      nodeLabelTable_(nodeLabelsUsable_ && mesh.NodeData().HasLabelTable()),
      elementLabelTable_(elementLabelsUsable_ && elementClass.HasLabelTable()),
      form_(kMeshClass),
      info_(&info) {}

aif_Element::aif_Element(aif_ModelInfo& info, const bme_ElementClass& elementClass,
                         const bme_Mesh& mesh, int instanceId)
    : aif_Element(info, elementClass, mesh, instanceId, info.AssyNodeOffsetsID(instanceId),
                  info.AssyElementOffsetsID(instanceId)) {}

aif_Element::aif_Element(aif_ModelInfo& info, const bme_ElementClass& elementClass,
                         const bme_Mesh& mesh, const cow_List<int>& nodeLabelPairs,
                         int copyNodeShift, int nodeOffset, int elementOffset)
    : aif_Element(info, elementClass, mesh, 0, nodeOffset, elementOffset) {
  copyNodeShift_ = copyNodeShift;
  copy_ = true;
  nodeLabelPairs_ = nodeLabelPairs;
  const int pairs = static_cast<int>(nodeLabelPairs.Length() / 2);
  copyIndex_ = pairs > 0 ? copyNodeShift / pairs : 0;
}

aif_Element::aif_Element(int elementLabel, int nodeLabel, const bme_ElementClass& elementClass,
                         cow_String elementSetName)
    : elementSetName_(std::move(elementSetName)),
      header_(true),
      typeName_(elementClass.TypeName()),
      form_(kOneElement),
      elementLabel_(elementLabel),
      nodeLabel_(nodeLabel) {}

aif_Element::aif_Element(int elementLabel, int nodeLabel, cow_String typeText,
                         cow_String elementSetName)
    : elementSetName_(std::move(elementSetName)),
      header_(true),
      typeName_(std::move(typeText)),
      form_(kTypeText),
      elementLabel_(elementLabel),
      nodeLabel_(nodeLabel) {}

aif_Element::aif_Element(aif_ModelInfo& info, cow_String typeText, cow_String fileName,
                         const bme_Mesh& mesh, int instanceId)
    : elementOffset_(info.AssyElementOffsetsID(instanceId)),
      nodeOffset_(info.AssyNodeOffsetsID(instanceId)),
      instanceId_(instanceId),
      mesh_(&mesh),
      header_(true),
      typeName_(std::move(typeText)),
      nodeLabelsUsable_(info.NodeLabelsUsable()),
      elementLabelsUsable_(info.ElementLabelsUsable()),
      nodeLabelTable_(nodeLabelsUsable_ && mesh.NodeData().HasLabelTable()),
      form_(kFileElement),
      fileName_(std::move(fileName)),
      info_(&info) {}

long long aif_Element::ElementLabel(std::size_t index) const {
  const long long offset = elementOffset_;
  const long long i = static_cast<long long>(index);
  if (form_ == kFileElement) return (offset == 0 ? 1 : offset) + i;
  const long long first = static_cast<long long>(class_->FirstElementIndex());
  if (elementLabelsUsable_ && elementLabelTable_ && index < class_->UserLabels().size())
    return offset + class_->UserLabels()[index];
  if (elementLabelsUsable_) return offset + first + i + 1;
  return (offset == 0 ? 1 : offset) + first + i;
}

void aif_Element::Write(utl_Stream& stream) const {
  switch (form_) {
    case kMeshClass:
      WriteClassRows(stream);
      return;
    case kFileElement:
      WriteFileElement(stream);
      return;
    case kOneElement:
    case kTypeText:
      break;
  }
  CheckLabels(std::min(elementLabel_, nodeLabel_), std::max(elementLabel_, nodeLabel_), "element",
              "type " + typeName_.Str(), __LINE__);
  stream << "*Element, type=" << typeName_;
  // A long set name goes on the next line rather than past 256 characters.
  if (!elementSetName_.IsEmpty())
    (stream << ", ").OptionalLineBreak(6 + elementSetName_.Length()) << "elset=" << elementSetName_;
  stream << endl;
  if (form_ == kTypeText) {
    stream << elementLabel_ << ", " << nodeLabel_ << endl;
  } else {
    WriteRow(
        stream, elementLabel_, 1, [&](int) { return nodeLabel_; },
        Widths{Digits(elementLabel_), NodeWidth(nodeLabel_)});
  }
  stream.Flush();
}

void aif_Element::WriteClassRows(utl_Stream& stream) const {
  const bme_ElementClass& elements = *class_;
  const std::size_t rows = elements.NumElements();
  const int perElement = elements.NodesPerElement();
  if (rows == 0) return;
  const std::string owner = copy_ ? std::string("the fastener template")
                                  : "instance " + info_->FeatureName(instanceId_).Str();
  const std::size_t cells = rows * static_cast<std::size_t>(perElement);
  const int* connectivity = elements.Connectivity().data();
  const std::size_t nodeCount = mesh_->NumNodes();

  // One pass over the connectivity for the range of node indices, then (with
  // user labels or a template's pairs) one for the range of node labels:
  // everything is checked before the first row, and the widths are known.
  const auto [lowIndex, highIndex] = Range(connectivity, cells);
  if (lowIndex < 0 || static_cast<std::size_t>(highIndex) >= nodeCount)
    Fail("An element of type " + typeName_.Str() + " of " + owner + " refers to node index " +
             std::to_string(lowIndex < 0 ? lowIndex : highIndex) + ", but the mesh has " +
             std::to_string(nodeCount) + " nodes.",
         __LINE__);
  const aif_Node::Numbering nodes(nodeOffset_, nodeLabelsUsable_, nodeLabelTable_,
                                  &mesh_->NodeData());
  long long lowestNode = 0, highestNode = 0;
  std::vector<long long> copyLabels;  // a template copy's label of each node index
  if (copy_) {
    std::unordered_map<long long, int> renumbered;
    for (std::size_t i = 0; i + 1 < nodeLabelPairs_.Length(); i += 2)
      renumbered.emplace(nodeLabelPairs_[i], nodeLabelPairs_[i + 1]);
    constexpr long long kNoPair = LLONG_MIN;
    copyLabels.assign(nodeCount, kNoPair);
    for (std::size_t i = 0; i < nodeCount; ++i) {
      auto found = renumbered.find(nodes.Label(i));
      if (found != renumbered.end())
        copyLabels[i] = copyNodeShift_ + static_cast<long long>(found->second);
    }
    lowestNode = LLONG_MAX;
    highestNode = LLONG_MIN;
    for (std::size_t k = 0; k < cells; ++k) {
      const long long label = copyLabels[static_cast<std::size_t>(connectivity[k])];
      if (label == kNoPair)
        Fail("Node " + std::to_string(nodes.Label(static_cast<std::size_t>(connectivity[k]))) +
                 " of " + owner + " has no label in the copies of the template.",
             __LINE__);
      lowestNode = std::min(lowestNode, label);
      highestNode = std::max(highestNode, label);
    }
  } else if (const int* table = nodes.Table()) {
    int low = INT_MAX, high = INT_MIN;
    for (std::size_t k = 0; k < cells; ++k) {
      const int label = table[connectivity[k]];
      low = std::min(low, label);
      high = std::max(high, label);
    }
    lowestNode = nodes.Offset() + low;
    highestNode = nodes.Offset() + high;
  } else {
    lowestNode = nodes.Base() + lowIndex;
    highestNode = nodes.Base() + highIndex;
  }
  CheckLabels(lowestNode, highestNode, "nodes of the elements", owner, __LINE__);

  const long long copyShift =
      copy_ ? static_cast<long long>(copyIndex_) * static_cast<long long>(mesh_->NumElements()) : 0;
  const bool elementTable = elementLabelsUsable_ && elementLabelTable_;
  long long lowestElement = 0, highestElement = 0, widestElement = 0;
  if (elementTable) {
    const auto [low, high] = Range(elements.UserLabels().data(), rows);
    lowestElement = elementOffset_ + copyShift + low;
    highestElement = widestElement = elementOffset_ + copyShift + high;
  } else {
    lowestElement = ElementLabel(0) + copyShift;
    highestElement = ElementLabel(rows - 1) + copyShift;
    widestElement = ElementLabel(rows) + copyShift;  // the label one past the last row
  }
  CheckLabels(lowestElement, highestElement, "elements", owner, __LINE__);
  const Widths widths{Digits(widestElement), NodeWidth(highestNode)};

  // The rows, with the label rules chosen once outside the loop.
  auto rowsWith = [&](const auto& elementLabel, const auto& nodeLabel) {
    for (std::size_t r = 0; r < rows; ++r) {
      const int* cell = connectivity + r * static_cast<std::size_t>(perElement);
      WriteRow(
          stream, elementLabel(r), perElement, [&](int k) { return nodeLabel(cell[k]); }, widths);
    }
  };
  auto byNodeRule = [&](const auto& elementLabel) {
    if (copy_) {
      const long long* labels = copyLabels.data();
      rowsWith(elementLabel, [labels](int index) { return static_cast<int>(labels[index]); });
    } else if (const int* table = nodes.Table()) {
      const long long offset = nodes.Offset();
      rowsWith(elementLabel,
               [table, offset](int index) { return static_cast<int>(offset + table[index]); });
    } else {
      const long long base = nodes.Base();
      rowsWith(elementLabel, [base](int index) { return static_cast<int>(base + index); });
    }
  };
  if (elementTable) {
    const int* labels = elements.UserLabels().data();
    const long long offset = elementOffset_ + copyShift;
    byNodeRule([labels, offset](std::size_t r) { return static_cast<int>(offset + labels[r]); });
  } else {
    byNodeRule([lowestElement](std::size_t r) {
      return static_cast<int>(lowestElement + static_cast<long long>(r));
    });
  }
}

void aif_Element::WriteFileElement(utl_Stream& stream) const {
  const std::string owner = "instance " + info_->FeatureName(instanceId_).Str();
  const std::size_t count = mesh_->NumNodes();
  const aif_Node::Numbering nodes(nodeOffset_, nodeLabelsUsable_, nodeLabelTable_,
                                  &mesh_->NodeData());
  long long lowestNode = 1, highestNode = 1;
  if (const int* table = nodes.Table()) {
    const auto [low, high] = std::minmax_element(table, table + count);
    lowestNode = nodes.Offset() + *low;
    highestNode = nodes.Offset() + *high;
  } else if (count > 0) {
    lowestNode = nodes.Base();
    highestNode = nodes.Base() + static_cast<long long>(count) - 1;
  }
  CheckLabels(lowestNode, highestNode, "nodes of the file element", owner, __LINE__);
  const long long label = ElementLabel(0);
  CheckLabels(label, label, "file element", owner, __LINE__);

  stream << "*Element, type=" << typeName_ << ", file=" << fileName_ << endl;
  WriteRow(
      stream, static_cast<int>(label), static_cast<int>(count),
      [&](int k) { return static_cast<int>(nodes.Label(static_cast<std::size_t>(k))); },
      Widths{Digits(ElementLabel(1)), NodeWidth(highestNode)});

  if (aif_ModelInfo::LabelTableType* table = info_->LabelTable()) {
    auto record = std::make_unique<aif_ElementFileRecord>(instanceId_);
    record->SetName(typeName_);
    record->SetFirstLabel(static_cast<int>(label));
    table->Set(instanceId_, std::move(record));
  }
  stream.Flush();
}
