#include "aif/impl/model/aif_AssemblyStage.h"

#include <unordered_set>

#include "AttributesIntObj/asoK_AttributeUtils.h"
#include "ModKerLow/ptoC_ConnectorOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/ref_Utils.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_MPCSection.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/constraints/aif_MPC.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/model/aif_AssemblyElement.h"
#include "aif/impl/model/aif_Node.h"
#include "aif/impl/model/aif_RawNode.h"
#include "aif/impl/sections/aif_AddConnectorBehaviorKeywords.h"
#include "aif/impl/sections/aif_NewConnectorSection.h"

namespace {

constexpr char kAssemblyStageFile[] = "module/aif/impl/model/aif_AssemblyStage.cpp";
constexpr int kAssemblyStageAssemblyId = static_cast<int>(ftr_kAssemblyId);

// Nodes of one raw node block, each label once across the blocks that share
// `taken`.
struct NodeBlock {
  cow_List<int> labels;
  cow_List<float> x, y, z;
  void Add(const asoK_AttachmentNode& node, std::unordered_set<int>& taken) {
    if (!taken.insert(node.label).second) return;
    labels.Append(node.label);
    x.Append(static_cast<float>(node.x));
    y.Append(static_cast<float>(node.y));
    z.Append(static_cast<float>(node.z));
  }
  akw_KeywordHandle Keyword(bool partBased) const {
    return akw_KeywordHandle(new aif_RawNode(labels, x, y, z, partBased));
  }
};

// The orientation of an assignment's connectors: the one it names, or else
// the one the kernel finds for its region; a default (global) one without.
ptoC_ConnectorOrientation OrientationOf(const ptoC_SectionAssignment& assignment,
                                        const asoK_Assembly& assembly,
                                        const cow_Map<cow_String, int>& byName,
                                        const cow_String& modelName) {
  ptoC_ConnectorOrientation orientation;
  const asoK_AttributeUtils::Attributes& orientations = assembly.ConnectorOrientations();
  if (assignment.OrientationName().IsEmpty()) {
    int index = -10;
    asoK_AttributeUtils::FindOrientation(orientations, assignment.RegionRef(), modelName, index,
                                         orientation);
    return orientation;
  }
  const int* index = byName.Find(assignment.OrientationName());
  if (index && *index >= 0 && static_cast<std::size_t>(*index) < orientations.Length())
    orientation = nex_canDynamicCastRef<const ptoC_ConnectorOrientation>(
        *orientations[static_cast<std::size_t>(*index)], kAssemblyStageFile, __LINE__);
  return orientation;
}

bool HasAttachmentLine(const rgnC_Region& region, const aif_ModelInfo& info) {
  const rgnK_Region kernel(info.Assembly(), info.ModelName(), region);
  for (const rgnC_GeomComponent& component : kernel.GeomComponents())
    if (component.kind == rgnC_GeomComponent::kEdge && component.attachmentLine) return true;
  return false;
}

}  // namespace

akw_KeywordList aif_AssemblyStage::ReferenceNodes(const aif_ModelInfo& info) {
  akw_KeywordList keywords;
  if (!info.Assembly()) return keywords;
  const ftr_FeatureList& features = info.Assembly()->ConstGetFeatureList();
  const int offset = info.AssyNodeOffsetsID(kAssemblyStageAssemblyId);
  for (const ref_RefNode& node :
       ref_Utils::GetRefNodes(features, ftr_kAssemblyId, info.NodeLabelsUsable())) {
    if (ref_Utils::UserNodeLabelExists(features, ftr_kAssemblyId, node.userLabel)) continue;
    keywords.Append(akw_KeywordHandle(
        new aif_RawNode(node.label + offset, static_cast<float>(node.x), static_cast<float>(node.y),
                        static_cast<float>(node.z), info.IsPartBased(), cow_String())));
  }
  return keywords;
}

akw_KeywordList aif_AssemblyStage::AttachmentNodes(aif_ModelInfo& info) {
  akw_KeywordList keywords;
  const asoK_AttachmentTree *lines = nullptr, *single = nullptr;
  if (!info.AttachmentNodeNumbers(ftr_kAssemblyId, lines, single)) return keywords;
  std::unordered_set<int> taken;
  NodeBlock ends, fastener;
  for (const auto& [index, record] : *lines) {
    ends.Add(record.end1, taken);
    if (record.HasEnd2()) ends.Add(record.end2, taken);
  }
  for (const auto& [index, record] : *single)
    fastener.Add(record.end1, taken);

  const bool partBased = info.IsPartBased();
  const bool endsFirst =
      !ends.labels.IsEmpty() && !fastener.labels.IsEmpty() && fastener.labels[0] > ends.labels[0];
  if (endsFirst) keywords.Append(ends.Keyword(partBased));
  if (!fastener.labels.IsEmpty()) {
    keywords.Append(akw_KeywordHandle(new aif_Comment("\n@DODOVE, object=discrete fastener")));
    keywords.Append(fastener.Keyword(partBased));
  }
  if (!ends.labels.IsEmpty() && !endsFirst) keywords.Append(ends.Keyword(partBased));
  return keywords;
}

akw_KeywordList aif_AssemblyStage::MeshAndConnectors(akw_BuilderComponent& builder,
                                                     aif_ModelInfo& info,
                                                     cow_Btree<cow_String, int>& uses) {
  akw_KeywordList keywords;
  const asoK_Assembly* assembly = info.Assembly();
  if (!assembly) return keywords;
  keywords.Append(akw_KeywordHandle(new aif_Node(*assembly, info)));

  const auto& sections = info.ModelAdapter().Sections();
  const cow_String modelName = info.ModelName();
  const cow_Map<cow_String, int> byName =
      asoK_AttributeUtils::GetConnectorMap(assembly->ConnectorOrientations());
  for (const cow_COW<kern_Object>& attribute : assembly->SectionAssignments()) {
    const auto& assignment = nex_canDynamicCastRef<const ptoC_SectionAssignment>(
        *attribute, kAssemblyStageFile, __LINE__);
    const cow_String& sectionName = assignment.SectionName();
    if (assignment.IsSuppressed() || !sections.Contains(sectionName)) continue;
    const kseC_Section& section = sections.ConstGet(sectionName);
    const cow_String setName = aif_RegionName(assignment.RegionRef(), info).QualifiedName(1);

    if (section.DynTypeId() == kseC_ConnectorSection::TypeId()) {
      // The section's name names its behaviour block: a name the file cannot
      // carry stops the write.
      aif_CheckWritableName(sectionName, "connector section");
      // Every datum system the orientation line names must be one the file
      // defines an orientation for: a missing one stops the write.
      const aif_NewConnectorSection connectorSection(
          sectionName, setName, &section, OrientationOf(assignment, *assembly, byName, modelName),
          &info, HasAttachmentLine(assignment.RegionRef(), info));
      connectorSection.CheckNamedDatums(assembly, modelName);
      keywords.Append(
          akw_KeywordHandle(new aif_AssemblyElement(assignment.RegionRef(), setName, info)));
      keywords.Append(akw_KeywordHandle(connectorSection));
      if (const int* count = uses.Find(sectionName)) {
        uses.Set(sectionName, *count + 1);
      } else {
        uses.Set(sectionName, 1);
        aif_AddConnectorBehaviorKeywords(builder, sectionName,
                                         nex_canDynamicCastRef<const kseC_ConnectorSection>(
                                             section, kAssemblyStageFile, __LINE__));
      }
    } else if (section.DynTypeId() == kseC_MPCSection::TypeId()) {
      keywords.Append(akw_KeywordHandle(
          new aif_MPC(sectionName,
                      cow_COW<kseC_Section>(nex_canDynamicCastRef<const kseC_MPCSection>(
                          section, kAssemblyStageFile, __LINE__)),
                      assignment.RegionRef(), &info)));
    }
  }
  return keywords;
}
