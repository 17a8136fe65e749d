#include "aif/impl/sections/aif_PartAttributesBuilder.h"

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_AssignmentStep.h"
#include "aif/impl/sections/aif_BeamSectionStep.h"
#include "aif/impl/sections/aif_DiscreteOrientationStep.h"
#include "aif/impl/sections/aif_ElementControlsStep.h"
#include "aif/impl/sections/aif_EulerianSectionStep.h"
#include "aif/impl/sections/aif_FieldThicknessStep.h"
#include "aif/impl/sections/aif_GeometryThicknessStep.h"
#include "aif/impl/sections/aif_LayupStep.h"
#include "aif/impl/sections/aif_PartAttributesFiler.h"
#include "aif/impl/sections/aif_SectionGroupStep.h"
#include "aif/impl/sections/aif_SectionKinds.h"
#include "aif/impl/sections/aif_SectionStep.h"

// The builder's own keyword lists as the steps' filer.
class aif_PartAttributesBuilder::Filing final : public aif_PartAttributesFiler {
 public:
  explicit Filing(aif_PartAttributesBuilder& builder) : builder_(builder) {}

  void ToModel(const akw_Keyword& keyword) override { builder_.AddModelDefinition(keyword); }
  void ToPart(const cow_String& part, const akw_Keyword& keyword) override {
    builder_.AddPartDefinition(part, keyword);
  }
  void ToPart(const cow_String& part, const akw_KeywordHandle& keyword) override {
    builder_.AddPartDefinition(part, keyword);
  }
  void ToInstance(const cow_String& instance, const akw_Keyword& keyword) override {
    builder_.AddInstanceDefinition(instance, keyword);
  }
  void ToInstance(const cow_String& instance, const akw_KeywordHandle& keyword) override {
    builder_.AddInstanceDefinition(instance, keyword);
  }

 private:
  aif_PartAttributesBuilder& builder_;
};

aif_PartAttributesBuilder::aif_PartAttributesBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo), state_(static_cast<aif_ModelInfo&>(modelInfo)) {}

aif_InstanceScope aif_PartAttributesBuilder::Scope(const asoF_PartInstance& instance) const {
  return aif_InstanceScope::Of(instance, state_.info);
}

void aif_PartAttributesBuilder::Build() {
  aif_ModelInfo& info = state_.info;
  const asoK_Assembly* assembly = info.Assembly();
  state_.partSurfaces.clear();
  state_.flatPlyOrientations.clear();
  state_.geometryDistributions = 0;
  state_.tablePeakBytes = 0;
  if (!assembly) return;
  Filing filer(*this);
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  cow_List<cow_String> done;
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (!instance || !instance->MeshExists()) continue;
    const aif_InstanceScope scope = aif_InstanceScope::Of(*instance, info);
    if (scope.partLevel && done.IndexOf(scope.partName) >= 0) {
      SharePart(scope);
      continue;
    }
    if (features.IsLocked(id, ftr_LOCK_MESH)) continue;
    done.Append(scope.partName);
    RunSteps(scope, filer);
  }
  aif_ElementControlsStep(state_, filer).Write();
}

void aif_PartAttributesBuilder::SharePart(const aif_InstanceScope& scope) {
  aif_ModelInfo& info = state_.info;
  info.LayupData().CloneLayupData(scope.name, scope.partName);
  // The part's records: owned by the part, not by an instance that happens
  // to bear the part's name.
  for (std::size_t i = 0; i < info.DiscreteFieldUses().Length(); ++i) {
    const akw_DiscreteField& held = info.DiscreteFieldUses()[i];
    if (held.ownerKind != akw_DiscreteField::kPart || held.owner != scope.partName) continue;
    akw_DiscreteField& use = info.DiscreteFieldUses().Modify(i);
    if (use.users.IndexOf(scope.name) < 0) use.users.Append(scope.name);
  }
}

void aif_PartAttributesBuilder::RunSteps(const aif_InstanceScope& scope,
                                         aif_PartAttributesFiler& filer) {
  state_.ResetInstance(scope);
  aif_AssignmentStep assignments(state_);
  assignments.ReadAssignments(scope);
  aif_ElementControlsStep(state_, filer).Collect(scope);
  assignments.ReadOrientations(scope, aif_SectionKinds::kBeamOrientations);
  assignments.ReadOrientations(scope, aif_SectionKinds::kMaterialOrientations);
  assignments.ReadOrientations(scope, aif_SectionKinds::kRebarOrientations);
  aif_LayupStep(state_, filer).Add(scope);
  aif_SectionGroupStep(state_, filer).Write(scope);
}

void aif_PartAttributesBuilder::AddBeamSection(const asoF_PartInstance& instance,
                                               const cow_String& sectionName,
                                               const cow_String& setName,
                                               const kseC_Section& section, int beamOrientation,
                                               bool partLevel) {
  Filing filer(*this);
  aif_BeamSectionStep(state_, filer)
      .Add(Scope(instance), partLevel, sectionName, setName, section, beamOrientation);
}

void aif_PartAttributesBuilder::AddEulerianSection(
    const asoF_PartInstance& instance, const cow_String& setName, const kseC_Section& section,
    const cow_String& controls, const cow_String& stackDirection, const bme_ElemCtrlParams& params,
    bool partLevel) {
  (void)stackDirection;  // the Eulerian keyword takes no orientation
  Filing filer(*this);
  aif_EulerianSectionStep(state_, filer)
      .Add(Scope(instance), partLevel, setName, section, controls, params);
}

void aif_PartAttributesBuilder::AddSolidSection(const asoF_PartInstance& instance,
                                                const cow_String& setName,
                                                const kseC_Section& section,
                                                const cow_String& controls) {
  Filing filer(*this);
  aif_SectionStep(state_, filer).AddTruss(Scope(instance), setName, section, controls);
}

cow_String aif_PartAttributesBuilder::AddThicknessFieldDistribution(
    const asoF_PartInstance& instance, const cow_String& fieldName,
    const cow_List<rgnC_Region>& regions, int location, const cow_String& columnType) {
  Filing filer(*this);
  return aif_FieldThicknessStep(state_, filer)
      .FromAnalyticalField(Scope(instance), fieldName, regions, location, columnType);
}

cow_String aif_PartAttributesBuilder::AddThicknessFromGeometry(
    const asoF_PartInstance& instance, const cow_List<rgnC_Region>& regions, int kind, int number,
    const mgt_ThicknessDataEvaluator& data) {
  Filing filer(*this);
  return aif_GeometryThicknessStep(state_, filer).Add(Scope(instance), regions, kind, number, data);
}

cow_String aif_PartAttributesBuilder::AddNodalThicknessFromGeometry(
    const asoF_PartInstance& instance, const cow_List<rgnC_Region>& regions,
    const mgt_ThicknessDataEvaluator& data) {
  Filing filer(*this);
  return aif_GeometryThicknessStep(state_, filer).AddNodalThickness(Scope(instance), regions, data);
}

cow_String aif_PartAttributesBuilder::AddOffsetFromGeometry(
    const asoF_PartInstance& instance, const cow_List<rgnC_Region>& regions,
    const mgt_ThicknessDataEvaluator& data) {
  Filing filer(*this);
  return aif_GeometryThicknessStep(state_, filer).AddOffset(Scope(instance), regions, data);
}

cow_String aif_PartAttributesBuilder::AddNodalThicknessFromDiscreteField(
    const asoF_PartInstance& instance, const cow_List<rgnC_Region>& regions,
    const cow_String& fieldName) {
  Filing filer(*this);
  return aif_FieldThicknessStep(state_, filer)
      .FromDiscreteField(Scope(instance), regions, fieldName);
}

cow_String aif_PartAttributesBuilder::AddDiscreteOrientationDistribution(
    const ptoC_MaterialOrientation& orientation, const cow_String& name,
    const cow_List<rgnC_Region>& regions, const asoF_PartInstance& instance) {
  Filing filer(*this);
  return aif_DiscreteOrientationStep(state_, filer)
      .Add(Scope(instance), orientation, name, regions);
}
