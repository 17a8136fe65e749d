#include "aif/impl/steps/aif_StepBuilder.h"

#include "BasShared/atr_String.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/steps/aif_Anneal.h"
#include "aif/impl/steps/aif_Buckle.h"
#include "aif/impl/steps/aif_BulkViscosity.h"
#include "aif/impl/steps/aif_CFD.h"
#include "aif/impl/steps/aif_ComplexFrequency.h"
#include "aif/impl/steps/aif_CoupledTempDisplacement.h"
#include "aif/impl/steps/aif_CoupledThermalElectric.h"
#include "aif/impl/steps/aif_DampingControls.h"
#include "aif/impl/steps/aif_DirectCyclic.h"
#include "aif/impl/steps/aif_DynamicTempDisplacement.h"
#include "aif/impl/steps/aif_ExplicitDynamics.h"
#include "aif/impl/steps/aif_FixedMassScaling.h"
#include "aif/impl/steps/aif_Frequency.h"
#include "aif/impl/steps/aif_Geostatic.h"
#include "aif/impl/steps/aif_GlobalDamping.h"
#include "aif/impl/steps/aif_HeatTransfer.h"
#include "aif/impl/steps/aif_ImplicitDynamics.h"
#include "aif/impl/steps/aif_LoadCase.h"
#include "aif/impl/steps/aif_MassDiffusion.h"
#include "aif/impl/steps/aif_ModalDamping.h"
#include "aif/impl/steps/aif_ModalDynamics.h"
#include "aif/impl/steps/aif_MomentumEquationSolver.h"
#include "aif/impl/steps/aif_PressureEquationSolver.h"
#include "aif/impl/steps/aif_RandomResponse.h"
#include "aif/impl/steps/aif_ResponseSpectrum.h"
#include "aif/impl/steps/aif_SelectEigenmodes.h"
#include "aif/impl/steps/aif_Soils.h"
#include "aif/impl/steps/aif_SolutionTechnique.h"
#include "aif/impl/steps/aif_Static.h"
#include "aif/impl/steps/aif_StaticLinearPerturbation.h"
#include "aif/impl/steps/aif_StaticRiks.h"
#include "aif/impl/steps/aif_SteadyStateDirect.h"
#include "aif/impl/steps/aif_SteadyStateModal.h"
#include "aif/impl/steps/aif_SteadyStateSubspace.h"
#include "aif/impl/steps/aif_Step.h"
#include "aif/impl/steps/aif_SubspaceDynamics.h"
#include "aif/impl/steps/aif_SubstructureGenerate.h"
#include "aif/impl/steps/aif_TransportEquationSolver.h"
#include "aif/impl/steps/aif_TurbulenceModel.h"
#include "aif/impl/steps/aif_VariableMassScaling.h"
#include "aif/impl/steps/aif_Visco.h"

namespace {

constexpr char kStepBuilderFile[] = "module/aif/impl/steps/aif_StepBuilder.cpp";

// One "*Modal Damping" per damping kind the step holds, in the order
// composite, direct, Rayleigh, structural, then the by-frequency forms of
// direct, Rayleigh and structural; the structural kinds only when asked.
template <class Add>
void FileModalDampings(const kprC_ModalDampings& dampings, bool structural, Add add) {
  if (dampings.CompositeDamping()) add(aif_ModalDamping(dampings.CompositeDamping()));
  if (dampings.DirectDamping()) add(aif_ModalDamping(dampings.DirectDamping()));
  if (dampings.RayleighDamping()) add(aif_ModalDamping(dampings.RayleighDamping()));
  if (structural && dampings.StructuralDamping())
    add(aif_ModalDamping(dampings.StructuralDamping()));
  if (dampings.DirectDampingByFrequency())
    add(aif_ModalDamping(dampings.DirectDampingByFrequency()));
  if (dampings.RayleighDampingByFrequency())
    add(aif_ModalDamping(dampings.RayleighDampingByFrequency()));
  if (structural && dampings.StructuralDampingByFrequency())
    add(aif_ModalDamping(dampings.StructuralDampingByFrequency()));
}

template <class Step>
const Step& StepAs(const kprC_AnalysisStep& step) {
  return nex_canDynamicCastRef<const Step>(step, kStepBuilderFile, __LINE__);
}

}  // namespace

aif_ModelInfo& aif_StepBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_StepBuilder::Build() {
  const kprC_StepContainer& steps = Info().ModelAdapter().Steps();
  const cow_List<cow_String>& names = steps.Keys();
  bool nlgeom = Info().AnalysisProduct() == 1;
  unsigned previousType = 0;
  // The first step is the initial step: it has no procedure.
  for (std::size_t i = 1; i < names.Length(); ++i) {
    const cow_String& name = names[i];
    const kprC_Step& kernel = steps.ConstGet(name);
    if (kernel.Suppressed()) continue;
    // A name the file cannot carry stops the write rather than break the line.
    aif_CheckWritableName(name, "step");
    const auto& step =
        nex_canDynamicCastRef<const kprC_AnalysisStep>(kernel, kStepBuilderFile, __LINE__);
    AddStepDefinition(
        name,
        aif_Comment(cow_String("----------------------------------------------------------------"
                               "\n\nSTEP: ") +
                    name + "\n"));
    AddStepDefinition(name, aif_Step(step, nlgeom, name));
    Procedure(name, step, previousType);
    if (step.Nlgeom() == 1) nlgeom = true;
    LoadCases(name, step);
    previousType = step.DynTypeId();
  }
}

void aif_StepBuilder::Procedure(const cow_String& name, const kprC_AnalysisStep& step,
                                unsigned previousType) {
  auto add = [&](const akw_Keyword& keyword) { AddStepDefinition(name, keyword); };
  const bool partBased = Info().IsPartBased();
  const unsigned type = step.DynTypeId();
  if (type == kprC_AnnealStep::TypeId()) {
    add(aif_Anneal(step));
  } else if (type == kprC_BuckleStep::TypeId()) {
    add(aif_Buckle(step));
  } else if (type == kprC_CoupledTempDisplacementStep::TypeId()) {
    add(aif_CoupledTempDisplacement(step, partBased));
    add(aif_SolutionTechnique(step));
  } else if (type == kprC_CoupledThermalElectricStep::TypeId()) {
    add(aif_CoupledThermalElectric(step));
    add(aif_SolutionTechnique(step));
  } else if (type == kprC_ExplicitDynamicsStep::TypeId()) {
    add(aif_ExplicitDynamics(step));
    add(aif_BulkViscosity(step));
    MassScalings(name, step);
  } else if (type == kprC_FrequencyStep::TypeId()) {
    add(aif_Frequency(step, Info(), name));
  } else if (type == kprC_GeostaticStep::TypeId()) {
    add(aif_Geostatic(step));
    add(aif_SolutionTechnique(step));
  } else if (type == kprC_HeatTransferStep::TypeId()) {
    add(aif_HeatTransfer(step));
    add(aif_SolutionTechnique(step));
  } else if (type == kprC_ImplicitDynamicsStep::TypeId()) {
    add(aif_ImplicitDynamics(step));
    add(aif_SolutionTechnique(step));
  } else if (type == kprC_MassDiffusionStep::TypeId()) {
    add(aif_MassDiffusion(step));
  } else if (type == kprC_ModalDynamicsStep::TypeId()) {
    add(aif_ModalDynamics(step, previousType));
    FileModalDampings(StepAs<kprC_ModalDynamicsStep>(step).Damping(), false, add);
  } else if (type == kprC_RandomResponseStep::TypeId()) {
    add(aif_RandomResponse(step));
    FileModalDampings(StepAs<kprC_RandomResponseStep>(step).Damping(), true, add);
  } else if (type == kprC_ResponseSpectrumStep::TypeId()) {
    add(aif_ResponseSpectrum(step));
    FileModalDampings(StepAs<kprC_ResponseSpectrumStep>(step).Damping(), false, add);
  } else if (type == kprC_SoilsStep::TypeId()) {
    add(aif_Soils(step));
    add(aif_SolutionTechnique(step));
  } else if (type == kprC_StaticStep::TypeId()) {
    add(aif_Static(step));
    add(aif_SolutionTechnique(step));
  } else if (type == kprC_StaticRiksStep::TypeId()) {
    const auto& riks = StepAs<kprC_StaticRiksStep>(step);
    // The data line names the node only with a displacement limit.
    const cow_String node = riks.NodeLimit()
                                ? aif_RegionName(riks.NodeRegion(), Info()).QualifiedName(2)
                                : cow_String();
    add(aif_StaticRiks(step, node));
    add(aif_SolutionTechnique(step));
  } else if (type == kprC_StaticLinearPerturbationStep::TypeId()) {
    add(aif_StaticLinearPerturbation(step));
  } else if (type == kprC_SteadyStateDirectStep::TypeId()) {
    add(aif_SteadyStateDirect(step));
  } else if (type == kprC_SteadyStateModalStep::TypeId()) {
    add(aif_SteadyStateModal(step));
    FileModalDampings(StepAs<kprC_SteadyStateModalStep>(step).Damping(), true, add);
  } else if (type == kprC_SubspaceDynamicsStep::TypeId()) {
    add(aif_SubspaceDynamics(step));
    const int modes = StepAs<kprC_SubspaceDynamicsStep>(step).NumEigenmodes();
    if (modes != 0) add(aif_SelectEigenmodes(modes));
  } else if (type == kprC_ViscoStep::TypeId()) {
    add(aif_Visco(step, partBased));
    add(aif_SolutionTechnique(step));
  } else if (type == kprC_TempDisplacementDynamicsStep::TypeId()) {
    add(aif_DynamicTempDisplacement(step, Info()));
    add(aif_BulkViscosity(step));
    MassScalings(name, step);
  } else if (type == kprC_SubstructureGenerateStep::TypeId()) {
    SubstructureGenerate(name, step);
  } else if (type == kprC_ComplexFrequencyStep::TypeId()) {
    add(aif_ComplexFrequency(step));
  } else if (type == kprC_SteadyStateSubspaceStep::TypeId()) {
    add(aif_SteadyStateSubspace(step));
  } else if (type == kprC_DirectCyclicStep::TypeId()) {
    add(aif_DirectCyclic(step, partBased));
  } else if (type == kprC_FlowStep::TypeId()) {
    add(aif_CFD(step));
    add(aif_MomentumEquationSolver(step));
    add(aif_PressureEquationSolver(step));
    add(aif_TransportEquationSolver(step));
    add(aif_TurbulenceModel(step));
  } else {
    nex_Exception::Throw(
        aif_Exception(atr_Translate("Unimplemented step input file writing method")),
        kStepBuilderFile, __LINE__);
  }
}

void aif_StepBuilder::MassScalings(const cow_String& name, const kprC_AnalysisStep& step) {
  const kprC_ExplicitControls& controls =
      step.DynTypeId() == kprC_ExplicitDynamicsStep::TypeId()
          ? StepAs<kprC_ExplicitDynamicsStep>(step).Controls()
          : StepAs<kprC_TempDisplacementDynamicsStep>(step).Controls();
  for (const kprC_MassScaling& scaling : controls.MassScalings()) {
    // The whole model has no set to name.
    const cow_String region = scaling.RegionKind() == 0
                                  ? cow_String()
                                  : aif_RegionName(scaling.Region(), Info()).QualifiedName(2);
    if (scaling.IsVariable())
      AddStepDefinition(name, aif_VariableMassScaling(scaling, region));
    else
      AddStepDefinition(name, aif_FixedMassScaling(scaling, region));
  }
}

void aif_StepBuilder::SubstructureGenerate(const cow_String& name, const kprC_AnalysisStep& step) {
  const auto& generate = StepAs<kprC_SubstructureGenerateStep>(step);
  cow_String recovery;
  if (generate.RecoveryMatrix() == 2 &&
      rgnK_Region(Info().Assembly(), Info().ModelName(), generate.RecoveryRegion()).HasMembers())
    recovery = aif_RegionName(generate.RecoveryRegion(), Info()).QualifiedName(2);
  AddStepDefinition(name, aif_SubstructureGenerate(Info(), step, recovery));
  // A selection by ranges that holds no range selects nothing: no keyword.
  if (generate.Selection() == 1 && !generate.FrequencyRanges().IsEmpty())
    AddStepDefinition(name, aif_SelectEigenmodes(generate.FrequencyRanges()));
  else if (generate.Selection() == 2 && !generate.ModeRanges().IsEmpty())
    AddStepDefinition(name, aif_SelectEigenmodes(generate.ModeRanges()));
  if (generate.GlobalDampingField() != kprC_SubstructureGenerateStep::GLOBAL_NONE)
    AddStepDefinition(name,
                      aif_GlobalDamping(aif_GlobalDamping::Field(generate.GlobalDampingField()),
                                        generate.GlobalAlpha(), generate.GlobalBeta(),
                                        generate.GlobalStructural()));
  AddStepDefinition(
      name, aif_DampingControls(aif_DampingControls::Viscous(generate.ViscousDamping()),
                                aif_DampingControls::Structural(generate.StructuralDamping())));
}

void aif_StepBuilder::LoadCases(const cow_String& name, const kprC_AnalysisStep& step) {
  const int substructure = step.DynTypeId() == kprC_SubstructureGenerateStep::TypeId() ? 1 : 0;
  bool first = true;
  for (const auto& [loadCase, object] : step.LoadCases().ConstGetMap()) {
    if (loadCase.IsEmpty() || object->Suppressed()) continue;
    aif_CheckWritableName(loadCase, "load case");
    if (first) AddStepDefinition(name, aif_Comment("\nLOAD CASES\n"), loadCase);
    first = false;
    AddStepDefinition(name, aif_LoadCase(loadCase, substructure), loadCase);
  }
}
