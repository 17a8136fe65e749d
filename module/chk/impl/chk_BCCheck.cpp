#include "chk/impl/chk_BCCheck.h"

#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "OdbAttrEO/kprC_Procedure.h"
#include "QivBasicUtils/nex_Exception.h"

namespace {

const char* const kBCCheckFile = "module/chk/impl/chk_BCCheck.cpp";

// The kinds that can hold their current position.
bool BCCheckFixableKind(unsigned type) {
  switch (type) {
    case kbcC_ConnDisplacementBC::kTypeId:
    case kbcC_DisplacementBC::kTypeId:
    case kbcC_PorePressureBC::kTypeId:
    case kbcC_MassFlowBC::kTypeId:
    case kbcC_ElectricPotentialBC::kTypeId:
    case kbcC_ConcentrationBC::kTypeId:
    case kbcC_FluidCavityPressureBC::kTypeId:
    case kbcC_AcousticPressureBC::kTypeId:
      return true;
    default:
      return false;
  }
}

// Whether the step named `name` is a perturbation step. The perturbation
// flag is held per step (a procedure may run as a general or a perturbation
// step), so the creation step's own flag answers, as it does when the first
// general step is picked. The initial step perturbs nothing.
bool BCCheckPerturbationStep(const kprC_StepContainer& steps, const cow_String& name) {
  if (!steps.Contains(name)) return false;
  const auto* analysis = dynamic_cast<const kprC_AnalysisStep*>(&steps.ConstGet(name));
  return analysis && analysis->Perturbation();
}

// The per-condition flags of a fluid condition.
struct BCCheckFluidFlags {
  bool noTurbulenceModel = false;
  bool differentTurbulenceModel = false;
  bool noThermalEquation = false;
};

BCCheckFluidFlags BCCheckFluidState(const kprC_StepContainer& steps, const kbcC_BCState& state) {
  BCCheckFluidFlags flags;
  const int turbulence = state.TurbulenceType();
  if (steps.TurbulenceModel() == 1 || steps.TurbulenceModel() == 2) {
    const int other = steps.TurbulenceModel() == 1 ? 2 : 1;
    flags.differentTurbulenceModel = turbulence == other;
    flags.noTurbulenceModel = turbulence == 0;
  }
  flags.noThermalEquation = steps.EnergyEquation() == 1 && state.EnergyEquationType() == 0;
  return flags;
}

}  // namespace

chk_BCCheck::chk_BCCheck(const bas_NewModel& model, const cow_String& modelName)
    : kut_Check(model, modelName) {}

chk_BCCheck::chk_BCCheck(const chk_BCCheck& other) = default;

chk_BCCheck::~chk_BCCheck() = default;

chk_BCCheck* chk_BCCheck::Clone() const {
  return new chk_BCCheck(*this);
}

void chk_BCCheck::Run() {
  const auto& fields = nex_canDynamicCastRef<const kprC_PropagatingContainer<kpfC_Field>>(
      Model().ConstGetExtension(bas_NewModel::fieldCmd), kBCCheckFile, __LINE__);
  for (const cow_String& name : fields.Keys()) {
    const kpfC_Field& field = fields.ConstGet(name);
    if (field.Inactive() == 0 && field.DynTypeId() == kpfC_InitialState::kTypeId) return;
  }

  const kprC_StepContainer& steps = nex_canDynamicCastRef<const kprC_StepContainer>(
      Model().ConstGetExtension(bas_NewModel::stepCmd), kBCCheckFile, __LINE__);
  cow_String firstGeneralStep;
  bool flow = false;
  const cow_List<cow_String>& stepNames = steps.Keys();
  for (std::size_t i = 1; i < stepNames.Length(); ++i) {
    const auto& step = nex_canDynamicCastRef<const kprC_AnalysisStep>(steps.ConstGet(stepNames[i]),
                                                                      kBCCheckFile, __LINE__);
    if (step.Suppressed() || step.Perturbation()) continue;
    firstGeneralStep = stepNames[i];
    flow = step.DynTypeId() == kprC_FlowStep::kTypeId;
    break;
  }

  bool referencePressure = false;
  if (flow) {
    const auto& loads = nex_canDynamicCastRef<const kprC_PropagatingContainer<kloC_Load>>(
        Model().ConstGetExtension(bas_NewModel::loadCmd), kBCCheckFile, __LINE__);
    for (const cow_String& name : loads.Keys()) {
      const kloC_Load& load = loads.ConstGet(name);
      if (!load.Suppressed() && load.DynTypeId() == kloC_ReferencePressure::kTypeId) {
        referencePressure = true;
        break;
      }
    }
  }

  bool pressureInlet = false;
  const auto& conditions = nex_canDynamicCastRef<const kprC_PropagatingContainer<kbcC_BC>>(
      Model().ConstGetExtension(bas_NewModel::bcCmd), kBCCheckFile, __LINE__);
  for (const cow_String& name : conditions.Keys()) {
    const kbcC_BC& condition = conditions.ConstGet(name);
    if (condition.Suppressed()) continue;
    const cow_String& created = condition.CreatedStepName();
    const unsigned type = condition.DynTypeId();
    BCCheckFluidFlags fluid;
    if (BCCheckFixableKind(type)) {
      const unsigned procedure = condition.ConstGetStateQuad(created).procedureType;
      // Nothing defines the current position in the first general step, in a
      // perturbation step or in an explicit one.
      const bool qualifies =
          procedure != 0 &&
          (BCCheckPerturbationStep(steps, created) || kprC_IsExplicit(procedure) ||
           (!firstGeneralStep.IsEmpty() && created == firstGeneralStep));
      if (qualifies && condition.ConstGetState(created).FixedAtCurrentPosition(procedure) &&
          condition.Fixed())
        ErrorList().Append(atr_TranslateWithArg(
            "Boundary condition, %s, is fixed at current position.\nThis boundary condition "
            "requires an Initial State field\nin the model or a preceding general analysis step.",
            name));
    } else if (type == kbcC_FluidInletOutletBC::kTypeId) {
      const auto& inletOutlet =
          nex_canDynamicCastRef<const kbcC_FluidInletOutletBC>(condition, kBCCheckFile, __LINE__);
      if (inletOutlet.momentumTypeEnm() == 1) pressureInlet = true;
      fluid = BCCheckFluidState(steps, condition.ConstGetState(created));
    } else if (type == kbcC_FluidWallConditionBC::kTypeId) {
      fluid = BCCheckFluidState(steps, condition.ConstGetState(created));
    }
    if (fluid.noTurbulenceModel)
      WarningList().Append(atr_TranslateWithArg(
          "Boundary condition, %s, was created or last edited,\nwhen no turbulence model was "
          "active. The turbulence\nboundary condition values should be reviewed and edited.",
          name));
    if (fluid.differentTurbulenceModel)
      WarningList().Append(atr_TranslateWithArg(
          "Boundary condition, %s, was created or last edited\nwith a turbulence model different "
          "than the current.\nThe turbulence boundary condition values should\nbe reviewed and "
          "edited.",
          name));
    if (fluid.noThermalEquation)
      WarningList().Append(atr_TranslateWithArg(
          "Boundary condition, %s, was created or edited when no\n thermal equation was active. "
          "The thermal boundary\ncondition values should be reviewed or edited",
          name));
  }

  if (flow && !referencePressure && !pressureInlet)
    ErrorList().Append(
        atr_Translate("A flow analysis requires the existence of either\na fluid reference "
                      "pressure load or a fluid inlet/\noutlet BC with a pressure momentum "
                      "setting."));
}
