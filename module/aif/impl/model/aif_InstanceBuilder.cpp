#include "aif/impl/model/aif_InstanceBuilder.h"

#include "ModKerLow/asoF_PartInstance.h"
#include "OdbAttrEO/kpfC_InitialState.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_AssemblyStage.h"
#include "aif/impl/model/aif_ElementFromMesh.h"
#include "aif/impl/model/aif_Import.h"
#include "aif/impl/model/aif_Instance.h"
#include "aif/impl/model/aif_InstancePoints.h"
#include "aif/impl/model/aif_Node.h"
#include "aif/impl/model/aif_PointSections.h"
#include "aif/impl/model/aif_System.h"

namespace {

constexpr char kInstanceBuilderFile[] = "module/aif/impl/aif_InstanceBuilder";

// The active initial-state fields of `fields`, in key order.
template <class Visit>
void ForInitialStates(const kprC_PropagatingContainer<kpfC_Field>& fields, Visit&& visit) {
  for (const auto& entry : fields.ConstGetMap()) {
    const kpfC_Field& field = *entry.second;
    if (field.Inactive() != 0 || field.DynTypeId() != kpfC_InitialState::TypeId()) continue;
    if (visit(
            nex_canDynamicCastRef<const kpfC_InitialState>(field, kInstanceBuilderFile, __LINE__)))
      return;
  }
}

}  // namespace

const kpfC_InitialState* aif_InstanceBuilder::InitialStateOf(const cow_String& instance) const {
  const kpfC_InitialState* found = nullptr;
  const auto& info = static_cast<const aif_ModelInfo&>(ModelInfo());
  ForInitialStates(info.ModelAdapter().Fields(), [&](const kpfC_InitialState& field) {
    if (field.InstanceNames().IndexOf(instance) < 0) return false;
    found = &field;
    return true;
  });
  return found;
}

void aif_InstanceBuilder::Build() {
  aif_ModelInfo& info = static_cast<aif_ModelInfo&>(ModelInfo());
  const aif_Model& model = info.ModelAdapter();
  initialStateInstances_.Clear();
  ForInitialStates(model.Fields(), [&](const kpfC_InitialState& field) {
    initialStateInstances_.Append(field.InstanceNames());
    return false;
  });
  if (!info.Assembly()) return;

  const bool partBased = info.IsPartBased();
  const ftr_FeatureList& features = info.Assembly()->ConstGetFeatureList();
  bool previousIdentity = true;
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance& instance = *asoF_Utils::ConstGetPartInstance(features, id);
    const cow_String& name = instance.Name();
    const kpfC_InitialState* initialState =
        initialStateInstances_.IndexOf(name) >= 0 ? InitialStateOf(name) : nullptr;

    if (partBased) {
      AddInstanceDefinition(name, aif_Comment(" "));
      if (initialState)
        AddInstanceDefinition(name, aif_Instance(model, instance, true, *initialState));
      else
        AddInstanceDefinition(name, aif_Instance(model, instance));
    } else {
      AddInstanceDefinition(
          name, aif_Comment("----------------------------------------------------------------"
                            "\n\nPART INSTANCE: " +
                            name + "\n"));
    }
    if (initialState) {
      AddInstanceDefinition(name, aif_Comment("\nPREDEFINED FIELD\n\nName: " +
                                              initialState->Name() + "   Type: Initial State"));
      AddInstanceDefinition(name, aif_Import(model, *initialState));
    }

    if (!partBased) {
      const gsl_Matrix& transform = instance.GetTransform();
      const bool identity = transform.IsIdentity();
      if (!identity || !previousIdentity) AddInstanceDefinition(name, aif_System(transform));
      previousIdentity = identity;
    }

    const cow_String refPointSet = aif_PrintableName(name + akw_ModelInfo::RefPtSuffix());
    auto points = [&] {
      for (const auto& k : aif_InstancePoints::ReferenceNodes(instance, info, refPointSet))
        AddInstanceDefinition(name, k);
      for (const auto& k : aif_InstancePoints::AttachmentNodes(instance, info))
        AddInstanceDefinition(name, k);
    };
    if (info.IsLightweightInstance(instance)) {
      // The part holds the mesh; only an analytic rigid part's points go here.
      if (instance.ConstGetPart().GetAnalysis() == ptoK_ANALYTIC_RIGID) points();
      continue;
    }
    if (features.IsLocked(id, ftr_LOCK_MESH)) continue;
    AddInstanceDefinition(name, aif_Node(instance, info));
    AddInstanceDefinition(name, aif_ElementFromMesh(info, static_cast<int>(id)));
    // A display body has no points: neither their nodes nor the point
    // elements that would name them.
    if (kcoK_IsDisplayInstance(instance)) continue;
    for (const auto& k : aif_PointSections::Keywords(info, instance, true))
      AddInstanceDefinition(name, k);
    points();
  }
  if (!partBased) AddAssemblyDefinition(aif_System(gsl_Matrix()));

  // The assembly's own nodes, connectors and multi-point constraints.
  for (const auto& k : aif_AssemblyStage::ReferenceNodes(info))
    AddAssemblyDefinition(k);
  for (const auto& k : aif_AssemblyStage::AttachmentNodes(info))
    AddAssemblyDefinition(k);
  for (const auto& k : aif_AssemblyStage::MeshAndConnectors(*this, info, connectorUses_))
    AddAssemblyDefinition(k);
}
