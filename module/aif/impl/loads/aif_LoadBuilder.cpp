#include "aif/impl/loads/aif_LoadBuilder.h"

#include <vector>

#include "BasShared/atr_String.h"
#include "ModKerLow/kloK_BoltLoadAxis.h"
#include "ModKerLow/rgnK_DisplayRegion.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kloC_LoadTypeLabelMap.h"
#include "OdbAttrEO/kprC_Procedure.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omi_Singleton.h"
#include "VwrModKer/ftr_FeatureList.h"
#include "aif/impl/conditions/aif_Submodel.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/loads/aif_Cload.h"
#include "aif/impl/loads/aif_InertiaRelief.h"
#include "aif/impl/loads/aif_PreTensionSection.h"
#include "aif/impl/model/aif_Elset.h"
#include "aif/impl/model/aif_RawNode.h"

namespace {

constexpr char kLoadBuilderFile[] = "module/aif/impl/loads/aif_LoadBuilder.cpp";
// The kernel's id for "every instance and the assembly" in member queries.
constexpr int kLoadBuilderAllInstances = 1000;
// A bolt region of elements (the region type query) lets the section be
// element-based when the axis is found from the elements (settings 0 and 1).
constexpr int kLoadBuilderElementRegion = 4;

// The concentrated kinds "*Cload" writes.
bool IsCloadKind(unsigned typeId) {
  switch (typeId) {
    case kloC_ConcentratedForce::kTypeId:
    case kloC_Moment::kTypeId:
    case kloC_BoltLoad::kTypeId:
    case kloC_PEGLoad::kTypeId:
    case kloC_ConcentratedPoreFluid::kTypeId:
    case kloC_InwardVolAccel::kTypeId:
    case kloC_ReferencePressure::kTypeId:
      return true;
    default:
      return false;
  }
}

[[noreturn]] void ThrowUnimplementedLoad(int line) {
  nex_Exception::Throw(aif_Exception(atr_Translate("Unimplemented load type conversion")),
                       kLoadBuilderFile, line);
}

}  // namespace

cow_String aif_LoadCaseFactorText(double factor) {
  return "   Scale factor: " + aif_NumberText(static_cast<float>(factor));
}

aif_LoadBuilder::aif_LoadBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo), header_("LOADS") {}

aif_ModelInfo& aif_LoadBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_LoadBuilder::Build() {
  FindCyclicSymmetry();
  AddPreTensionSections();
  AddStepLoads();
  AddSubmodels();
}

void aif_LoadBuilder::FindCyclicSymmetry() {
  for (const auto& [name, interaction] : Info().ModelAdapter().Interactions().ConstGetMap()) {
    if (interaction->Suppressed() || interaction->DynTypeId() != kinC_CyclicSymmetry::TypeId())
      continue;
    cyclicSymmetry_ = true;
    cyclicInteraction_ = interaction;
    return;
  }
}

void aif_LoadBuilder::AddPreTensionSections() {
  for (const auto& [name, load] : Info().ModelAdapter().Loads().ConstGetMap()) {
    if (load->Suppressed() || load->DynTypeId() != kloC_BoltLoad::TypeId()) continue;
    AddPreTensionSection(
        name, nex_canDynamicCastRef<const kloC_BoltLoad>(*load, kLoadBuilderFile, __LINE__));
  }
}

void aif_LoadBuilder::AddPreTensionSection(const cow_String& name, const kloC_BoltLoad& bolt) {
  aif_ModelInfo& info = Info();
  const rgnK_Region region(info.Assembly(), info.ModelName(), bolt.Region());
  if (!region.IsValid(true)) return;
  const cow_List<unsigned> instanceIds = region.InstanceIds(true);
  if (instanceIds.IsEmpty()) return;
  const cow_String instance = info.FeatureName(instanceIds[0]);

  // The reference node is an assembly-level node: its label comes from the
  // assembly's own counter, so that bolts on instances of one part get
  // labels of their own.
  const int label = info.NextNodeLabel(info.FeatureName(ftr_kAssemblyId));
  const cow_String nodeSet = aif_BoltNodeSetName(name);
  AddAssemblyDefinition(aif_RawNode(label, 0.0F, 0.0F, 0.0F, info.IsPartBased(), nodeSet));
  AddAssemblyDefinition(aif_Comment("Pre-Tension Section for Bolt Load: " + name));

  gsl_Vector normal;
  cow_String elementSet;
  if ((bolt.AxisSetting() == 0 || bolt.AxisSetting() == 1) &&
      bolt.RegionType() == kLoadBuilderElementRegion) {
    aif_Elset::LabelsById labels;
    region.GetElementIds(labels, nullptr, kLoadBuilderAllInstances, info.ElementLabelsUsable(),
                         true);
    const cow_String setName = aif_BoltElementSetName(name);
    // A set of one instance is defined in that instance and named through
    // it; a set spanning several is defined in the assembly, a block per
    // instance.
    if (labels.Length() > 1) {
      elementSet = setName;
      AddAssemblyDefinition(aif_Elset(setName, labels, true, info));
    } else {
      // A dotted instance name is quoted, so that the reader does not split
      // it; the set's own name is one component already.
      elementSet = info.IsPartBased() ? aif_QualifiedPrefix(instance) + setName : setName;
      AddInstanceDefinition(instance, aif_Elset(setName, labels, false, info));
    }
    rgnK_GetTangentToBeamSurface(
        rgnK_DisplayRegion(info.Assembly(), info.ModelName(), bolt.Region()), normal);
  } else {
    kloK_GetBoltLoadAxis(bolt, normal, info.Assembly(), info.ModelName());
  }
  AddAssemblyDefinition(aif_PreTensionSection(
      name, bolt.Region(), nodeSet, static_cast<float>(normal.x), static_cast<float>(normal.y),
      static_cast<float>(normal.z), info, elementSet));
}

bool aif_LoadBuilder::IsWrittenInStep(const kloC_Load& load, const cow_String& step, int status,
                                      const aif_LoadOpStatus& opStatus) {
  if (load.DynTypeId() != kloC_BoltLoad::TypeId()) {
    if (status == 1 || status == 3 || status == 4) return true;
    return status == 2 && opStatus.LoadNeedsNewOp(load, step);
  }
  if (status == 8) return false;
  const auto& state = nex_canDynamicCastRef<const kloC_LoadState>(load.ConstGetStateQuad(step),
                                                                  kLoadBuilderFile, __LINE__);
  const bool force = state.Method().Value() == kloC_APPLY_FORCE;
  if (status == 1 || status == 4) return force;
  if (status == 2) return force && opStatus.LoadNeedsNewOp(load, step);
  if (status == 3) return force || state.Method().IsModified();
  return false;
}

void aif_LoadBuilder::AddStepLoads() {
  const aif_Model& model = Info().ModelAdapter();
  const kprC_StepContainer& steps = model.Steps();
  const auto& loads = model.Loads();
  opStatus_.BuildLoadOpStatus(loads, steps.UnsuppressedKeys(), Info());
  opStatus_.MarkStepsAfterRestart(
      Info(), steps, [](const kprC_AnalysisStep& step) { return step.Continuation(); });
  const cow_List<cow_String>& names = opStatus_.Steps();
  for (std::size_t i = 1; i < names.Length(); ++i) {
    const cow_String& stepName = names[i];
    const kprC_Step& step = steps.ConstGet(stepName);
    for (const auto& [name, load] : loads.ConstGetMap()) {
      if (load->Suppressed()) continue;
      if (IsWrittenInStep(*load, stepName, load->Status(stepName), opStatus_))
        AddLoad(name, *load, stepName, step);
    }
  }
}

void aif_LoadBuilder::AddLoad(const cow_String& name, const kloC_Load& load,
                              const cow_String& stepName, const kprC_Step& step) {
  bool cyclic = false;
  int cyclicMode = -1;
  if (cyclicSymmetry_ && step.DynTypeId() == kprC_SteadyStateModalStep::TypeId()) {
    cyclic = true;
    cyclicMode = nex_canDynamicCastRef<const kinC_CyclicSymmetry>(*cyclicInteraction_,
                                                                  kLoadBuilderFile, __LINE__)
                     .ConstGetState(stepName)
                     .CyclicMode();
  }
  if (!step.LoadCases().ConstGetMap().IsEmpty() && kprC_IsLoadCaseCapable(step.DynTypeId())) {
    bool present = false;
    for (const auto& [loadCase, object] : step.LoadCases().ConstGetMap()) {
      if (object->Suppressed()) continue;
      present = true;
      if (const float* factor = object->LoadScaleFactors().Find(name))
        AddLoadKeyword(name, load, stepName, loadCase, *factor, cyclic, cyclicMode);
    }
    if (present) return;
  }
  AddLoadKeyword(name, load, stepName, cow_String(), 1.0, cyclic, cyclicMode);
}

bool aif_LoadBuilder::OtherInertiaReliefActive(const cow_String& name,
                                               const cow_String& step) const {
  for (const auto& [other, load] : Info().ModelAdapter().Loads().ConstGetMap())
    if (other != name && !load->Suppressed() && load->DynTypeId() == kloC_InertiaRelief::TypeId() &&
        kloC_Load::IsActive(load->Status(step)))
      return true;
  return false;
}

void aif_LoadBuilder::AddLoadKeyword(const cow_String& name, const kloC_Load& load,
                                     const cow_String& step, const cow_String& loadCase,
                                     double scale, bool cyclic, int cyclicMode) {
  if (load.Suppressed()) return;
  aif_ModelInfo& info = Info();
  const unsigned typeId = load.DynTypeId();
  const bool opFlag = !opStatus_.LoadNeedsNewOp(load, step);
  if (loadCase.IsEmpty()) AddStepDefinition(step, header_.StepDefinitionHeader(step), loadCase);

  cow_String fieldName;
  const bool usesField = load.UsesField(fieldName);
  cow_String text = "Name: " + name +
                    "   Type: " + omi_Singleton<kloC_LoadTypeLabelMap>::Instance().Label(typeId);
  if (!loadCase.IsEmpty()) text += aif_LoadCaseFactorText(scale);
  if (usesField) text += " Using Field: " + fieldName;
  const aif_Comment comment(text);

  if (IsCloadKind(typeId)) {
    const rgnK_Region region(info.Assembly(), info.ModelName(), load.Region());
    if (!region.IsValid(true) || region.InstanceIds(true).IsEmpty()) return;
    AddStepDefinition(step, comment, loadCase);
    AddStepDefinition(step, aif_Cload(load, step, opFlag, info, name, cyclic, cyclicMode, scale),
                      loadCase);
    return;
  }
  if (typeId == kloC_InertiaRelief::kTypeId) {
    // A relief removed while another still applies leaves out its removal,
    // which would end that one too.
    if (load.Status(step) == 4 && OtherInertiaReliefActive(name, step)) return;
    AddStepDefinition(step, comment, loadCase);
    AddStepDefinition(step, aif_InertiaRelief(load, name, step, opFlag, info), loadCase);
    return;
  }
  const Entry entry{
      name,   load,   step,       loadCase,  scale,
      opFlag, cyclic, cyclicMode, usesField, aif_RegionName(load.Region(), info).QualifiedName(2)};
  if (AddMechanicalKeyword(entry, comment) || AddFluxKeyword(entry, comment) ||
      AddElectricalKeyword(entry, comment) || AddOtherKeyword(entry, comment))
    return;
  ThrowUnimplementedLoad(__LINE__);
}

void aif_LoadBuilder::AddSubmodels() {
  const aif_ModelInfo& info = Info();
  const std::vector<aif_Submodel> submodels =
      aif_Submodel::Group(info, info.ModelAdapter().Loads(), kloC_SubmodelStressBased::TypeId(),
                          [](const kloC_Load& load, const cow_String& regionName) {
                            return aif_Submodel(load, regionName);
                          });
  for (const aif_Submodel& submodel : submodels)
    AddAssemblyDefinition(submodel);
}
