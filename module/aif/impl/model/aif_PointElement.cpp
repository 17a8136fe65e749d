#include "aif/impl/model/aif_PointElement.h"

#include <string>
#include <unordered_set>

#include "ModKerLow/asoF_PartInstance.h"
#include "QivBasicUtils/utl_Stream.h"
#include "VwrModKer/ftr_FeatureList.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_FastenerCopyLabels.h"

namespace {

constexpr char kPointElementFile[] = "module/aif/impl/model/aif_PointElement.cpp";
const cow_String& kAssemblyKey = aif_FastenerCopyLabels::kAssemblyKey;

}  // namespace

aif_PointElement::aif_PointElement(const NodeMap& nodes, int instanceId, bool assemblyNodes,
                                   cow_String elementType, cow_String elementSet,
                                   aif_ModelInfo& info)
    : nodes_(nodes),
      instanceId_(instanceId),
      assemblyNodes_(assemblyNodes),
      elementType_(std::move(elementType)),
      elementSet_(std::move(elementSet)),
      info_(&info) {
  const cow_String name = info.FeatureName(static_cast<unsigned>(instanceId));
  for (const auto& [id, labels] : nodes_)
    for (std::size_t i = 0; i < labels.Length(); ++i)
      elementLabels_.Append(info.NextElementLabel(name));
}

aif_PointElement::aif_PointElement(const KeyedLists& renumbering, const KeyedLists& copySteps,
                                   const KeyedLists& consecutive, const cow_String& assemblyKey,
                                   const cow_String& keyPrefix,
                                   const ftr_FeatureList& templateFeatures, const NodeMap& nodes,
                                   bool assemblyNodes, cow_String elementType,
                                   cow_String elementSet, aif_ModelInfo& info, int copies,
                                   int& counter)
    : nodes_(nodes),
      instanceId_(kListForm),
      assemblyNodes_(assemblyNodes),
      elementType_(std::move(elementType)),
      elementSet_(std::move(elementSet)),
      info_(&info),
      runningLabel_(counter) {
  const bool partBased = info.IsPartBased();
  const cow_String& prefix = keyPrefix;
  const aif_FastenerCopyLabels copyLabels(renumbering, copySteps, consecutive, info);
  for (const auto& [id, numbers] : nodes_) {
    const cow_String key =
        assemblyNodes_ ? assemblyKey : aif_FastenerCopyLabels::Key(prefix, templateFeatures, id);
    if (!copyLabels.Holds(key)) continue;
    const cow_String name = partBased && key != kAssemblyKey ? aif_QualifiedPrefix(key) : key;
    for (int n : numbers) {
      // A node without a label of its own in the copies would make elements
      // on nodes that do not exist.
      const std::optional<int> first = copyLabels.FirstCopyLabel(key, n + 1);
      if (!first || *first < 1)
        nex_Exception::Throw(
            aif_Exception("Node " + std::to_string(n + 1) + " of the fastener template instance " +
                          key.Str() + " has no renumbered label in the fastener copies."),
            kPointElementFile, __LINE__);
      const int step = copyLabels.StepOf(key, id, n + 1);
      for (int c = 0; c < copies; ++c) {
        labels_.firstNames.Append(name);
        labels_.firstLabels.Append(*first + c * step);
        ++count_;
      }
    }
  }
  counter = count_;
}

void aif_PointElement::Write(utl_Stream& stream) const {
  stream << "*Element, type=" << elementType_;
  // A set name made of long instance and region names goes on the next line
  // rather than past the longest line the solver reads.
  if (!elementSet_.IsEmpty())
    (stream << ", ").OptionalLineBreak(6 + elementSet_.Length()) << "elset=" << elementSet_;
  stream << endl;
  if (instanceId_ == kListForm)
    WriteListForm(stream);
  else
    WriteMapForm(stream);
}

void aif_PointElement::WriteMapForm(utl_Stream& stream) const {
  const bool partBased = info_->IsPartBased();
  std::size_t next = 0;
  for (const auto& [id, labels] : nodes_) {
    // The assembly's own nodes are written with plain labels.
    const cow_String instance = assemblyNodes_ || id == static_cast<int>(ftr_kAssemblyId)
                                    ? cow_String()
                                    : info_->FeatureName(static_cast<unsigned>(id));
    const int offset = info_->AssyNodeOffsetsID(assemblyNodes_ ? instanceId_ : id);
    std::unordered_set<int> written;
    for (int label : labels) {
      if (!written.insert(label).second) continue;
      stream << elementLabels_[next++] << ", ";
      if (partBased && !instance.IsEmpty()) stream << aif_QualifiedPrefix(instance);
      stream << label + offset << endl;
    }
  }
}

void aif_PointElement::WriteListForm(utl_Stream& stream) const {
  const bool partBased = info_->IsPartBased();
  const cow_String assembly = info_->FeatureName(ftr_kAssemblyId);
  for (int i = 0; i < count_; ++i) {
    const std::size_t at = static_cast<std::size_t>(i);
    const int label =
        assemblyNodes_ && partBased ? runningLabel_ + i + 1 : info_->NextElementLabel(assembly);
    stream << label << ", ";
    const cow_String& name = labels_.firstNames[at];
    if (name != kAssemblyKey && partBased && !assemblyNodes_) stream << name;
    stream << labels_.firstLabels[at] << endl;
  }
}
