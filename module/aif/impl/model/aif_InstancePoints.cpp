#include "aif/impl/model/aif_InstancePoints.h"

#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ref_Utils.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/model/aif_RawNode.h"
#include "aif/impl/model/aif_RawNset.h"

akw_KeywordList aif_InstancePoints::ReferenceNodes(const asoF_PartInstance& instance,
                                                   const aif_ModelInfo& info,
                                                   const cow_String& setName) {
  akw_KeywordList keywords;
  if (!info.Assembly()) return keywords;
  const ftr_FeatureList& features = info.Assembly()->ConstGetFeatureList();
  const int offset = info.AssyNodeOffsetsID(static_cast<int>(instance.Id()));
  const bool labelsUsable = info.NodeLabelsUsable();
  for (const ref_RefNode& node : ref_Utils::GetRefNodes(features, instance.Id(), labelsUsable)) {
    // A reference point placed on a mesh node is that node: only its set is
    // written. Without usable labels the numbers are positions after the
    // mesh's nodes, never user labels, so every point gets its node.
    if (labelsUsable && ref_Utils::UserNodeLabelExists(features, instance.Id(), node.userLabel)) {
      keywords.Append(
          akw_KeywordHandle(new aif_RawNset(node.userLabel + offset, setName, info.IsPartBased())));
      continue;
    }
    keywords.Append(akw_KeywordHandle(
        new aif_RawNode(node.label + offset, static_cast<float>(node.x), static_cast<float>(node.y),
                        static_cast<float>(node.z), info.IsPartBased(), setName)));
  }
  return keywords;
}

akw_KeywordList aif_InstancePoints::AttachmentNodes(const asoF_PartInstance& instance,
                                                    aif_ModelInfo& info) {
  akw_KeywordList keywords;
  const asoK_AttachmentTree* points = nullptr;
  const asoK_AttachmentTree* lines = nullptr;
  if (!info.AttachmentNodeNumbers(instance.Id(), points, lines)) return keywords;
  cow_List<int> labels;
  cow_List<float> x, y, z;
  for (const asoK_AttachmentTree* tree : {points, lines}) {
    if (!tree) continue;
    for (const auto& entry : *tree) {
      const asoK_AttachmentNode& node = entry.second.end1;
      labels.Append(node.label);
      x.Append(static_cast<float>(node.x));
      y.Append(static_cast<float>(node.y));
      z.Append(static_cast<float>(node.z));
    }
  }
  if (!labels.IsEmpty())
    keywords.Append(akw_KeywordHandle(new aif_RawNode(labels, x, y, z, info.IsPartBased())));
  return keywords;
}
