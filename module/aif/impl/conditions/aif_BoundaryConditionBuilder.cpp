#include "aif/impl/conditions/aif_BoundaryConditionBuilder.h"

#include <vector>

#include "BasShared/atr_String.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kbcC_RetainedNodalDofsBC.h"
#include "OdbAttrEO/kbcC_SubmodelBC.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kloC_LoadTypeLabelMap.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "OdbAttrEO/kprC_Procedure.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/cls_Registry.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omi_Singleton.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/conditions/aif_Boundary.h"
#include "aif/impl/conditions/aif_ConnectorMotion.h"
#include "aif/impl/conditions/aif_Submodel.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RawKeyword.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/loads/aif_BoundaryForBoltLoad.h"
#include "aif/impl/loads/aif_LoadBuilder.h"
#include "aif/impl/loads/aif_PreTensionSection.h"
#include "aif/impl/model/aif_Nset.h"
#include "aif/impl/steps/aif_RetainedNodalDofs.h"

namespace {

constexpr char kBoundaryBuilderFile[] =
    "module/aif/impl/conditions/aif_BoundaryConditionBuilder.cpp";
// The kernel's id for "every instance and the assembly" in member queries.
constexpr int kBoundaryBuilderAllInstances = 1000;

// How a kind of condition is written.
enum class BoundaryKind {
  kRegion,        // "*Boundary" on the region's qualified name
  kSet,           // "*Boundary" (or its fluid and Eulerian kin) on the region's set name
  kPorePressure,  // "*Boundary" on the region's "_PP_" node set
  kConnector,     // "*Connector Motion"
  kUnknown
};

BoundaryKind BoundaryKindOf(unsigned typeId) {
  switch (typeId) {
    case kbcC_DisplacementBC::kTypeId:
    case kbcC_VelocityBC::kTypeId:
    case kbcC_AccelerationBC::kTypeId:
    case kbcC_TypeBC::kTypeId:
    case kbcC_TemperatureBC::kTypeId:
    case kbcC_AcousticPressureBC::kTypeId:
    case kbcC_FluidCavityPressureBC::kTypeId:
    case kbcC_ElectricPotentialBC::kTypeId:
    case kbcC_ConcentrationBC::kTypeId:
    case kbcC_MassFlowBC::kTypeId:
    case kbcC_SubmodelBC::kTypeId:
    // A kernel kind no boundary keyword writes: aif_Boundary refuses it
    // with its own text.
    case kbcC_OtherBC::kTypeId:
      return BoundaryKind::kRegion;
    case kbcC_EulerianBC::kTypeId:
    case kbcC_EulerianMotionBC::kTypeId:
    case kbcC_FluidInletOutletBC::kTypeId:
    case kbcC_FluidWallConditionBC::kTypeId:
      return BoundaryKind::kSet;
    case kbcC_PorePressureBC::kTypeId:
      return BoundaryKind::kPorePressure;
    case kbcC_ConnDisplacementBC::kTypeId:
    case kbcC_ConnVelocityBC::kTypeId:
    case kbcC_ConnAccelerationBC::kTypeId:
      return BoundaryKind::kConnector;
    default:
      return BoundaryKind::kUnknown;
  }
}

bool IsAnalysisStepForBoundary(const kprC_Step& step) {
  return cls_Registry::IsDerived(step.DynTypeId(), kprC_AnalysisStep::TypeId());
}

// Whether the driver writes the load case: not suppressed, and named (an
// unnamed one has no block of its own, so what is filed under it would land
// in the step's own list).
bool IsLiveLoadCase(const cow_String& name, const klcC_LoadCase& loadCase) {
  return !name.IsEmpty() && !loadCase.Suppressed();
}

bool HasLiveLoadCase(const kprC_Step& step) {
  for (const auto& [name, loadCase] : step.LoadCases().ConstGetMap())
    if (IsLiveLoadCase(name, *loadCase)) return true;
  return false;
}

}  // namespace

aif_BoundaryConditionBuilder::aif_BoundaryConditionBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo), header_("BOUNDARY CONDITIONS") {}

aif_ModelInfo& aif_BoundaryConditionBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_BoundaryConditionBuilder::Build() {
  BuildOpStatus();
  poreSets_ = cow_List<cow_String>();
  submodelGroups_ = aif_SubmodelBoundaryGroups();

  const kprC_StepContainer& steps = Info().ModelAdapter().Steps();
  const cow_List<cow_String> names = steps.UnsuppressedKeys();
  for (const cow_String& name : names) {
    AddStepConditions(name);
    if (!steps.Contains(name)) continue;
    const kprC_Step& step = steps.ConstGet(name);
    if (!IsAnalysisStepForBoundary(step)) continue;
    AddLoadCaseResets(name, step, AddBoltLoads(name, step));
  }

  for (const cow_String& name : names)
    for (const akw_KeywordHandle& keyword : submodelGroups_.Keywords(name))
      AddStepDefinition(name, keyword);
  AddSubmodels();
}

void aif_BoundaryConditionBuilder::BuildOpStatus() {
  const aif_Model& model = Info().ModelAdapter();
  const kprC_StepContainer& steps = model.Steps();
  const cow_List<cow_String> names = steps.UnsuppressedKeys();
  opStatus_ = aif_BCOpStatus();
  opStatus_.BuildBCOpStatus(model.BoundaryConditions(), model.Loads(), names);
  opStatus_.MarkStepsAfterRestart(
      Info(), steps, [](const kprC_AnalysisStep& step) { return step.Perturbation(); });
  // A buckling step restates every condition: its load cases start afresh.
  for (std::size_t i = 1; i < names.Length(); ++i)
    if (steps.Contains(names[i]) &&
        steps.ConstGet(names[i]).DynTypeId() == kprC_BuckleStep::TypeId())
      opStatus_.MarkStepForAllCategories(static_cast<int>(i));
}

void aif_BoundaryConditionBuilder::AddStepConditions(const cow_String& stepName) {
  const kprC_StepContainer& steps = Info().ModelAdapter().Steps();
  if (!steps.Contains(stepName)) return;
  const kprC_Step& step = steps.ConstGet(stepName);
  const bool analysis = IsAnalysisStepForBoundary(step);
  const bool generate = step.DynTypeId() == kprC_SubstructureGenerateStep::TypeId();
  bool retained = false;
  for (const auto& [name, condition] : Info().ModelAdapter().BoundaryConditions().ConstGetMap()) {
    if (condition->Suppressed()) continue;
    if (condition->DynTypeId() == kbcC_RetainedNodalDofsBC::TypeId()) {
      retained = true;
      continue;
    }
    const int status = condition->GetPropStatus(stepName);
    if (analysis && !generate) {
      // With load cases the condition goes only into the load cases that
      // name it or take over the base state.
      bool cases = false;
      for (const auto& [caseName, loadCase] : step.LoadCases().ConstGetMap()) {
        if (!IsLiveLoadCase(caseName, *loadCase)) continue;
        cases = true;
        if (const float* factor = loadCase->BCScaleFactors().Find(name))
          AddCondition(name, *condition, stepName, caseName, *factor);
        else if (loadCase->UseBaseState() && (status == 9 || status == 10))
          AddCondition(name, *condition, stepName, caseName, 1.0);
      }
      if (cases) continue;
    } else if (generate && status != 1) {
      // A substructure generation writes only what it creates.
      continue;
    }
    AddCondition(name, *condition, stepName, cow_String(), 1.0);
  }
  if (retained) AddRetainedDofs(stepName);
}

void aif_BoundaryConditionBuilder::AddRetainedDofs(const cow_String& stepName) {
  aif_ModelInfo& info = Info();
  aif_RetainedNodalDofs keyword(stepName, 0, info.Model().InitialStepName());
  for (const auto& [name, condition] : info.ModelAdapter().BoundaryConditions().ConstGetMap()) {
    if (condition->Suppressed() || condition->DynTypeId() != kbcC_RetainedNodalDofsBC::TypeId() ||
        condition->CreatedStepName() != stepName)
      continue;
    const int status = condition->GetPropStatus(stepName);
    if (status == 1 || status == 3 || status == 10)
      keyword.AddBoundaryCondition(*condition,
                                   aif_RegionName(condition->Region(), info).QualifiedName(2));
  }
  if (keyword.NumEntries() > 0) AddStepDefinition(stepName, keyword, cow_String());
}

void aif_BoundaryConditionBuilder::AddCondition(const cow_String& name, const kbcC_BC& condition,
                                                const cow_String& step, const cow_String& loadCase,
                                                double scale) {
  if (condition.Suppressed()) return;
  const int status = condition.GetPropStatus(step);
  const bool restated = status == 2 || status == 9;
  if (!restated && status != 1 && status != 3 && status != 4 && status != 10 && status != 11)
    return;
  // A kind no keyword writes is named before the op status is asked, which
  // would refuse it without the condition's name.
  const unsigned typeId = condition.DynTypeId();
  const BoundaryKind kind = BoundaryKindOf(typeId);
  if (kind == BoundaryKind::kUnknown)
    nex_Exception::Throw(aif_Exception(atr_TranslateWithArg(
                             "Unimplemented keyword for boundary condition %s", name)),
                         kBoundaryBuilderFile, __LINE__);
  // A condition in a load case always starts the load case afresh.
  const bool keepOp = loadCase.IsEmpty() && !opStatus_.NeedsNewOp(typeId, step);
  if (restated && keepOp) return;

  aif_ModelInfo& info = Info();
  cow_String setName;
  if (kind == BoundaryKind::kPorePressure) {
    // A condition left out leaves no trace, not even its comment.
    setName = PorePressureSet(condition);
    if (setName.IsEmpty()) {
      cmdC_WIP::Warning(atr_TranslateWithArg(
          "The pore pressure boundary condition %s is not written: its region is not valid.",
          name));
      return;
    }
  } else if (kind == BoundaryKind::kSet) {
    setName = aif_RegionName(condition.Region(), info).SetName(2);
  } else {
    setName = aif_RegionName(condition.Region(), info).QualifiedName(2);
  }

  cow_String text = "Name: " + name + " Type: " + kbcC_BCTypeLabelMap::Label(typeId);
  cow_String fieldName;
  if (condition.UsesField(fieldName)) text += " Using Analytical Field: " + fieldName;
  if (!loadCase.IsEmpty()) text += aif_LoadCaseFactorText(scale);
  const aif_Comment comment(text);

  if (kind == BoundaryKind::kConnector) {
    if (loadCase.IsEmpty()) AddStepDefinition(step, header_.StepDefinitionHeader(step));
    AddStepDefinition(step, comment, loadCase);
    const auto& connector =
        nex_canDynamicCastRef<const kbcC_ConnectorBC>(condition, kBoundaryBuilderFile, __LINE__);
    AddStepDefinition(step,
                      aif_ConnectorMotion(connector, setName, step, keepOp,
                                          info.Model().InitialStepName(), scale),
                      loadCase);
    return;
  }
  AddBoundary(name, condition, step, loadCase, scale, keepOp, setName, comment);
}

void aif_BoundaryConditionBuilder::AddBoundary(const cow_String& name, const kbcC_BC& condition,
                                               const cow_String& step, const cow_String& loadCase,
                                               double scale, bool keepOp, const cow_String& setName,
                                               const akw_Keyword& comment) {
  aif_ModelInfo& info = Info();
  const kprC_StepContainer& steps = info.ModelAdapter().Steps();
  const bool flow = kprC_IsFlow(steps.ConstGet(step).DynTypeId());
  // The flow settings mean something only in flow steps; elsewhere, and for
  // pore pressure, the keyword gets neutral values.
  int energyEquation = 0;
  int turbulenceModel = 0;
  if (flow && condition.DynTypeId() != kbcC_PorePressureBC::TypeId()) {
    energyEquation = steps.EnergyEquation();
    turbulenceModel = steps.TurbulenceModel();
  }
  bool writesData = true;
  if (flow && condition.DynTypeId() == kbcC_FluidWallConditionBC::TypeId() &&
      condition.IsActive(condition.GetPropStatus(step)))
    writesData = nex_canDynamicCastRef<const kbcC_FluidWallConditionBC>(
                     condition, kBoundaryBuilderFile, __LINE__)
                     .WritesData(step, turbulenceModel == 1, turbulenceModel == 2);

  const aif_Boundary keyword(
      condition, step, keepOp, setName, info.ModelAdapter().ShellToSolidSubmodel(), info,
      info.Model().InitialStepName(), energyEquation, turbulenceModel, scale);
  // The banner goes only into a step that gets something under it: the
  // driven submodel groups are filed at the end of the step's own list.
  if (keyword.SubmodelDriven()) {
    AddStepDefinition(step, header_.StepDefinitionHeader(step));
    submodelGroups_.Add(step, name, keyword);
    return;
  }
  if (!writesData) return;
  if (loadCase.IsEmpty()) AddStepDefinition(step, header_.StepDefinitionHeader(step));
  AddStepDefinition(step, comment, loadCase);
  AddStepDefinition(step, keyword, loadCase);
}

cow_String aif_BoundaryConditionBuilder::PorePressureSet(const kbcC_BC& condition) {
  aif_ModelInfo& info = Info();
  const rgnK_Region region(info.Assembly(), info.ModelName(), condition.Region());
  if (!region.IsValid(true)) return cow_String();
  aif_RegionName name(condition.Region(), info);
  name.SetSuffix("_PP_");
  const cow_String qualified = name.QualifiedName(2);
  if (poreSets_.IndexOf(qualified) >= 0) return qualified;
  poreSets_.Append(qualified);

  aif_Nset::LabelsById nodes;
  region.GetNodeIds(nodes, kBoundaryBuilderAllInstances, info.NodeLabelsUsable(), true, false);
  const cow_List<cow_String>& owners = condition.Region().OwnerNames();
  if (owners.Length() >= 2)
    AddInstanceDefinition(owners[owners.Length() - 1],
                          aif_Nset(name.QualifiedName(1), nodes, false, info));
  else
    AddAssemblyDefinition(aif_Nset(qualified, nodes, true, info));
  return qualified;
}

cow_List<cow_String> aif_BoundaryConditionBuilder::AddBoltLoads(const cow_String& stepName,
                                                                const kprC_Step& step) {
  cow_List<cow_String> written;
  const bool cases = HasLiveLoadCase(step);
  for (const auto& [name, load] : Info().ModelAdapter().Loads().ConstGetMap()) {
    if (load->Suppressed() || load->DynTypeId() != kloC_BoltLoad::TypeId() ||
        load->Status(stepName) == 8)
      continue;
    if (!cases) {
      AddBoltLoad(name, *load, stepName, cow_String(), 1.0);
      written.Append(cow_String());
      continue;
    }
    for (const auto& [caseName, loadCase] : step.LoadCases().ConstGetMap()) {
      if (!IsLiveLoadCase(caseName, *loadCase)) continue;
      if (const float* factor = loadCase->LoadScaleFactors().Find(name))
        if (AddBoltLoad(name, *load, stepName, caseName, *factor) && written.IndexOf(caseName) < 0)
          written.Append(caseName);
    }
  }
  return written;
}

bool aif_BoundaryConditionBuilder::AddBoltLoad(const cow_String& name, const kloC_Load& load,
                                               const cow_String& step, const cow_String& loadCase,
                                               double scale) {
  if (load.Suppressed()) return false;
  const bool keepOp = loadCase.IsEmpty() && !opStatus_.NeedsNewOp(load.DynTypeId(), step);
  const int status = load.Status(step);
  if (status == 2 && keepOp) return false;
  const auto& state = nex_canDynamicCastRef<const kloC_LoadState>(load.ConstGetStateQuad(step),
                                                                  kBoundaryBuilderFile, __LINE__);
  const bool method = state.Method().Value() != kloC_APPLY_FORCE;
  const bool written = ((status == 1 || status == 2 || status == 3) && method) || status == 4 ||
                       (status == 3 && !method && state.Method().IsModified());
  if (!written) return false;

  aif_ModelInfo& info = Info();
  if (loadCase.IsEmpty()) AddStepDefinition(step, header_.StepDefinitionHeader(step));
  cow_String text = "Name: " + name + " Type: " +
                    omi_Singleton<kloC_LoadTypeLabelMap>::Instance().Label(load.DynTypeId());
  if (!loadCase.IsEmpty()) text += aif_LoadCaseFactorText(scale);
  AddStepDefinition(step, aif_Comment(text), loadCase);
  const rgnK_Region region(info.Assembly(), info.ModelName(), load.Region());
  if (region.IsValid(true) && !region.InstanceIds(true).IsEmpty())
    AddStepDefinition(
        step,
        aif_BoundaryForBoltLoad(
            nex_canDynamicCastRef<const kloC_BoltLoad>(load, kBoundaryBuilderFile, __LINE__), step,
            keepOp, aif_BoltNodeSetName(name), scale),
        loadCase);
  return true;
}

void aif_BoundaryConditionBuilder::AddLoadCaseResets(const cow_String& stepName,
                                                     const kprC_Step& step,
                                                     const cow_List<cow_String>& boltCases) {
  const unsigned type = step.DynTypeId();
  if (type == kprC_ModalDynamicsStep::TypeId() || type == kprC_SteadyStateModalStep::TypeId() ||
      type == kprC_SubstructureGenerateStep::TypeId())
    return;
  bool baseState = false;
  for (const auto& [name, condition] : Info().ModelAdapter().BoundaryConditions().ConstGetMap()) {
    const int status = condition->GetPropStatus(stepName);
    if (!condition->Suppressed() && (status == 9 || status == 10)) baseState = true;
  }
  // A load case that applies no condition still ends the step's ones.
  const aif_RawKeyword reset("*Boundary, op=NEW");
  for (const auto& [caseName, loadCase] : step.LoadCases().ConstGetMap()) {
    if (!IsLiveLoadCase(caseName, *loadCase) || boltCases.IndexOf(caseName) >= 0 ||
        !loadCase->BCScaleFactors().IsEmpty())
      continue;
    if (!baseState || !loadCase->UseBaseState()) AddStepDefinition(stepName, reset, caseName);
  }
}

void aif_BoundaryConditionBuilder::AddSubmodels() {
  const aif_ModelInfo& info = Info();
  const bool shellToSolid = info.ModelAdapter().ShellToSolidSubmodel();
  const std::vector<aif_Submodel> submodels =
      aif_Submodel::Group(info, info.ModelAdapter().BoundaryConditions(), kbcC_SubmodelBC::TypeId(),
                          [shellToSolid](const kbcC_BC& condition, const cow_String& regionName) {
                            return aif_Submodel(shellToSolid, condition, regionName);
                          });
  for (const aif_Submodel& submodel : submodels)
    AddAssemblyDefinition(submodel);
}
