#include "aif/impl/conditions/aif_FieldBuilder.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "OdbAttrEO/kprC_Step.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "OdbAttrEO/kseK_SectionAssignmentsFromLayup.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "QivBasicUtils/cls_Registry.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/conditions/aif_FieldTemperature.h"
#include "aif/impl/conditions/aif_GeneralField.h"
#include "aif/impl/conditions/aif_InitialConditions.h"
#include "aif/impl/conditions/aif_MassFlowRate.h"
#include "aif/impl/conditions/aif_PressureStress.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/loads/aif_LoadBuilder.h"
#include "aif/impl/model/aif_Elset.h"

namespace {

constexpr char kFieldBuilderFile[] = "module/aif/impl/conditions/aif_FieldBuilder.cpp";
constexpr char kWholeModelSet[] = "_PDF_WholeModel";

bool IsFluidField(unsigned typeId) {
  return typeId == kpfC_FluidVelocity::TypeId() || typeId == kpfC_FluidTurbulence::TypeId() ||
         typeId == kpfC_FluidThermalEnergy::TypeId() || typeId == kpfC_FluidDensity::TypeId();
}

// The kinds a step after the initial one writes, each by its own keyword.
// The initial-state kinds are written only as initial conditions: in a
// later step (where a restart marks every category) they would put
// "*Initial Conditions" inside the step.
bool IsStepField(unsigned typeId) {
  return typeId == kpfC_Temperature::TypeId() || typeId == kpfC_GeneralField::TypeId() ||
         typeId == kpfC_PressureStress::TypeId() || typeId == kpfC_MassFlowRate::TypeId();
}

// Fields the builder never writes: switched off, the initial state read
// from an earlier job, and the plain base kind.
bool IsPassedOverField(const kpfC_Field& field) {
  const unsigned typeId = field.DynTypeId();
  return field.Inactive() != 0 || typeId == kpfC_InitialState::TypeId() ||
         typeId == kpfC_Field::TypeId();
}

bool IsFieldAnalysisStep(const kprC_Step& step) {
  return cls_Registry::IsDerived(step.DynTypeId(), kprC_AnalysisStep::TypeId());
}

bool IsFieldLoadCase(const cow_String& name, const klcC_LoadCase& loadCase) {
  return !name.IsEmpty() && !loadCase.Suppressed();
}

bool IsHeatStep(unsigned typeId) {
  return typeId == kprC_CoupledTempDisplacementStep::TypeId() ||
         typeId == kprC_HeatTransferStep::TypeId() ||
         typeId == kprC_CoupledThermalElectricStep::TypeId() ||
         typeId == kprC_TempDisplacementDynamicsStep::TypeId();
}

// The count of temperature values of `section`; a beam section that leaves
// it to its profile answers the profile's count when the profile exists.
int SectionTemperatureValues(const aif_Model& model, const kseC_Section& section, bool heat) {
  int count = section.TemperatureValueCount(heat);
  if (count < 0 && section.DynTypeId() == kseC_BeamSection::TypeId()) {
    const auto& beam =
        nex_canDynamicCastRef<const kseC_BeamSection>(section, kFieldBuilderFile, __LINE__);
    if (model.Profiles().Contains(beam.profileName))
      count = model.Profiles().ConstGet(beam.profileName).TemperatureValueCount();
  }
  return count;
}

}  // namespace

aif_FieldBuilder::aif_FieldBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo), header_("PREDEFINED FIELDS") {}

aif_ModelInfo& aif_FieldBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_FieldBuilder::Build() {
  header_ = aif_SectionHeader("PREDEFINED FIELDS");
  AddWholeModelSets();
  BuildOpStatus();
  fieldVariables_ = FieldVariableCount();
  temperatureValues_ = TemperatureValueCount();

  const aif_Model& model = Info().ModelAdapter();
  const cow_String& initial = Info().Model().InitialStepName();
  for (const cow_String& step : model.Steps().UnsuppressedKeys()) {
    initialStep_ = step == initial;
    for (const auto& [name, field] : model.Fields().ConstGetMap()) {
      if (IsPassedOverField(*field)) continue;
      const int status = field->Status(step);
      if (!IsWrittenInStep(name, *field, step, status)) continue;
      if (status == 2 || status == 14) {
        if (!opStatus_.NeedsNewOp(field->DynTypeId(), step)) continue;
      } else if (status != 1 && status != 3 && status != 4 && status != 15) {
        continue;
      }
      AddField(name, *field, step);
    }
  }
}

// The solver takes pressure stress and mass flow rate only inside a step,
// and the initial-state kinds only as initial conditions: a field given in
// a step its kind cannot stand in writes nothing there, and, when it has a
// state of its own there (created or modified), a checking message says so.
bool aif_FieldBuilder::IsWrittenInStep(const cow_String& name, const kpfC_Field& field,
                                       const cow_String& step, int status) const {
  const unsigned typeId = field.DynTypeId();
  const bool stepKind = IsStepField(typeId);
  const bool analysisOnly =
      typeId == kpfC_PressureStress::TypeId() || typeId == kpfC_MassFlowRate::TypeId();
  if (initialStep_ ? !analysisOnly : stepKind) return true;
  if (status != 1 && status != 3) return false;
  std::string kind = kpfC_FieldTypeLabelMap::Label(typeId).Str();
  if (!kind.empty()) kind[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(kind[0])));
  cow_List<atr_String>& messages = ajbC_CheckingMessages::Instance().Messages();
  if (initialStep_)
    messages.Append(atr_TranslateFormat(
        "The predefined field %s is not written: a %s field can be given only in an analysis "
        "step.",
        name, cow_String(kind)));
  else
    messages.Append(atr_TranslateFormat3(
        "The predefined field %s is not written in step %s: a %s field can be given only in the "
        "initial step.",
        name, step, cow_String(kind)));
  return false;
}

void aif_FieldBuilder::AddWholeModelSets() {
  aif_ModelInfo& info = Info();
  const asoK_Assembly* assembly = info.Assembly();
  if (!assembly) return;
  bool wanted = false;
  for (const auto& [name, field] : info.ModelAdapter().Fields().ConstGetMap())
    if (!field->Suppressed() && IsFluidField(field->DynTypeId()) && field->IsWholeModel()) {
      wanted = true;
      break;
    }
  if (!wanted) return;
  // The set covers what the deck holds: no display bodies, no instances
  // left out of the simulation, no instance whose mesh is not written.
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (!instance || kcoK_IsDisplayInstance(*instance) || !instance->ActiveForSimulation() ||
        features.IsLocked(id, ftr_LOCK_MESH))
      continue;
    AddAssemblyDefinition(aif_Elset(true, kWholeModelSet, *instance, info));
  }
}

void aif_FieldBuilder::BuildOpStatus() {
  const aif_Model& model = Info().ModelAdapter();
  opStatus_ = aif_FieldOpStatus();
  opStatus_.BuildFieldOpStatus(model.Fields(), model.Steps().UnsuppressedKeys());
  opStatus_.MarkStepsAfterRestart(
      Info(), model.Steps(), [](const kprC_AnalysisStep& step) { return step.Perturbation(); });
}

int aif_FieldBuilder::FieldVariableCount() const {
  const aif_ModelInfo& info = Info();
  const cow_String& initial = info.Model().InitialStepName();
  int count = 0;
  for (const auto& [name, field] : info.ModelAdapter().Fields().ConstGetMap()) {
    if (field->Suppressed() || field->DynTypeId() != kpfC_GeneralField::TypeId() ||
        !field->IsActive(field->Status(initial)))
      continue;
    count = std::max(
        count, nex_canDynamicCastRef<const kpfC_GeneralField>(*field, kFieldBuilderFile, __LINE__)
                   .Variable());
  }
  return count;
}

int aif_FieldBuilder::TemperatureValueCount() const {
  const aif_ModelInfo& info = Info();
  const aif_Model& model = info.ModelAdapter();
  const kprC_StepContainer& steps = model.Steps();
  bool heat = false;
  for (const cow_String& name : steps.UnsuppressedKeys())
    if (steps.Contains(name) && IsHeatStep(steps.ConstGet(name).DynTypeId())) heat = true;

  int count = 1;
  const asoK_Assembly* assembly = info.Assembly();
  if (!assembly) return count;
  cow_List<cow_String> names;
  cow_List<cow_String> parts;
  const ftr_FeatureList& features = assembly->ConstGetFeatureList();
  for (unsigned id : features.ConstEvaluatedRep().GetIds()) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (!instance || parts.IndexOf(instance->GetPartName()) >= 0) continue;
    parts.Append(instance->GetPartName());
    const ptoK_Part& part = instance->ConstGetPart();
    for (const cow_COW<kern_Object>& attribute : part.Attributes()) {
      if (attribute->DynTypeId() != ptoC_SectionAssignment::TypeId()) continue;
      const auto& assignment = nex_canDynamicCastRef<const ptoC_SectionAssignment>(
          *attribute, kFieldBuilderFile, __LINE__);
      if (!assignment.IsSuppressed() && names.IndexOf(assignment.SectionName()) < 0)
        names.Append(assignment.SectionName());
    }
    for (const ptoK_CompositeLayup& layup : part.CompositeLayups()) {
      if (layup.suppressed) continue;
      mdl_MapString2ObjCow<kseC_Section> sections;
      cow_Map<cow_String, gdy_CompositeHitSet> hits;
      cow_List<cow_COW<kern_Object>> assignments, orientations;
      kseK_SectionAssignmentsFromLayup(layup, model.Name(), assembly, instance->Name(), sections,
                                       hits, assignments, orientations);
      for (const auto& [sectionName, section] : sections.ConstGetMap())
        count = std::max(count, SectionTemperatureValues(model, *section, heat));
    }
  }
  for (const cow_String& name : names)
    count =
        std::max(count, model.Sections().Contains(name)
                            ? SectionTemperatureValues(model, model.Sections().ConstGet(name), heat)
                            : 1);
  return count;
}

void aif_FieldBuilder::AddField(const cow_String& name, const kpfC_Field& field,
                                const cow_String& step) {
  const kprC_StepContainer& steps = Info().ModelAdapter().Steps();
  if (steps.Contains(step) && IsFieldAnalysisStep(steps.ConstGet(step))) {
    bool cases = false;
    for (const auto& [caseName, loadCase] : steps.ConstGet(step).LoadCases().ConstGetMap()) {
      if (!IsFieldLoadCase(caseName, *loadCase)) continue;
      cases = true;
      if (const float* factor = loadCase->FieldScaleFactors().Find(name))
        AddFieldTo(name, field, step, caseName, *factor);
    }
    if (cases) return;
  }
  AddFieldTo(name, field, step, cow_String(), 1.0);
}

void aif_FieldBuilder::AddFieldTo(const cow_String& name, const kpfC_Field& field,
                                  const cow_String& step, const cow_String& loadCase,
                                  double scale) {
  aif_ModelInfo& info = Info();
  const unsigned typeId = field.DynTypeId();
  if (loadCase.IsEmpty()) AddStepDefinition(step, header_.StepDefinitionHeader(step));
  cow_String text = "Name: " + name + "   Type: " + kpfC_FieldTypeLabelMap::Label(typeId);
  if (!loadCase.IsEmpty()) text += aif_LoadCaseFactorText(scale);
  cow_String source;
  if (field.ValuesFromField(source)) text += " Using Field: " + source;
  AddStepDefinition(step, aif_Comment(text), loadCase);

  cow_String regionName = aif_RegionName(field.Region(), info).QualifiedName(2);
  if (typeId == kpfC_PressureStress::TypeId()) {
    AddStepDefinition(
        step,
        aif_PressureStress(field, step, !opStatus_.NeedsNewOp(typeId, step), regionName, scale),
        loadCase);
  } else if (typeId == kpfC_MassFlowRate::TypeId()) {
    AddStepDefinition(
        step, aif_MassFlowRate(field, step, !opStatus_.NeedsNewOp(typeId, step), regionName, scale),
        loadCase);
  } else if (!initialStep_ && typeId == kpfC_Temperature::TypeId()) {
    AddStepDefinition(step,
                      aif_FieldTemperature(field, step, !opStatus_.NeedsNewOp(typeId, step),
                                           regionName, temperatureValues_, info, scale),
                      loadCase);
  } else if (!initialStep_ && typeId == kpfC_GeneralField::TypeId()) {
    AddStepDefinition(
        step, aif_GeneralField(field, step, !opStatus_.NeedsNewOp(typeId, step), regionName, scale),
        loadCase);
  } else if (initialStep_ && typeId != kpfC_OtherField::TypeId()) {
    // Every initial-state kind, and a kind no writer knows: the keyword
    // refuses that one when it is written.
    if (IsFluidField(typeId) && field.IsWholeModel()) regionName = kWholeModelSet;
    AddStepDefinition(
        step,
        aif_InitialConditions(field, info.Model().InitialStepName(), step, 1, regionName,
                              temperatureValues_, fieldVariables_, &info, 1.0),
        loadCase);
  }
}
