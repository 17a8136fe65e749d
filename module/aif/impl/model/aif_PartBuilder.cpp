#include "aif/impl/model/aif_PartBuilder.h"

#include "ModKerLow/asoF_PartInstance.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_ElementFromMesh.h"
#include "aif/impl/model/aif_InstancePoints.h"
#include "aif/impl/model/aif_Node.h"
#include "aif/impl/model/aif_Part.h"
#include "aif/impl/model/aif_PointSections.h"

void aif_PartBuilder::Build() {
  aif_ModelInfo& info = static_cast<aif_ModelInfo&>(ModelInfo());
  handled_.Clear();
  if (!info.Assembly()) return;
  const ftr_FeatureList& features = info.Assembly()->ConstGetFeatureList();
  const bool partBased = info.IsPartBased();
  const cow_List<unsigned> ids =
      ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features);

  for (unsigned id : ids) {
    const asoF_PartInstance& instance = *asoF_Utils::ConstGetPartInstance(features, id);
    const cow_String& part = instance.GetPartName();
    if (handled_.IndexOf(part) >= 0) continue;
    // A locked instance leaves its part to a later instance of it.
    if (features.IsLocked(id, ftr_LOCK_MESH)) continue;
    handled_.Append(part);
    if (partBased) AddPartDefinition(part, aif_Part(part));
    // The part's own mesh is written here only for a lightweight instance;
    // any other instance writes the mesh in its own definition.
    if (!info.IsLightweightInstance(instance)) continue;
    AddPartDefinition(part, aif_Node(instance, info));
    AddPartDefinition(part, aif_ElementFromMesh(info, static_cast<int>(id)));
    // A display body has no points: neither their nodes nor the point
    // elements that would name them.
    if (kcoK_IsDisplayInstance(instance)) continue;
    for (const auto& k : aif_PointSections::Keywords(info, instance, false))
      AddPartDefinition(part, k);
    const cow_String refPointSet = aif_PrintableName(part + akw_ModelInfo::RefPtSuffix());
    for (const auto& k : aif_InstancePoints::ReferenceNodes(instance, info, refPointSet))
      AddPartDefinition(part, k);
    for (const auto& k : aif_InstancePoints::AttachmentNodes(instance, info))
      AddPartDefinition(part, k);
  }

  // A part whose every active instance is locked still gets its "*Part"
  // line, so that the "*Instance" lines naming it refer to a part of the file.
  if (!partBased) return;
  for (unsigned id : ids) {
    const cow_String& part = asoF_Utils::ConstGetPartInstance(features, id)->GetPartName();
    if (handled_.IndexOf(part) >= 0) continue;
    handled_.Append(part);
    AddPartDefinition(part, aif_Part(part));
  }
}
