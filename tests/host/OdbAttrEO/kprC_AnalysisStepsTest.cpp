// The analysis step stand-in: kinds, type ids and the defaults that keep a
// step's lines at the solver's own defaults.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kprC_Procedure.h"

namespace {

struct Kind {
  unsigned id;
  bool perturbation;
  bool derived;  // registered as an analysis step
};

template <class... Steps>
std::vector<Kind> KindsOf() {
  return {Kind{Steps::TypeId(), Steps().Perturbation(),
               cls_Registry::IsDerived(Steps::TypeId(), kprC_AnalysisStep::TypeId())}...};
}

// Amplitude, extrapolation and increment count of a step with incrementation.
template <class Step>
std::tuple<int, int, int> Increments() {
  const Step step;
  const kprC_Incrementation& inc = step.Incrementation();
  return {inc.Amplitude(), inc.Extrapolation(), inc.MaxNumInc()};
}

}  // namespace

TEST(kprC_AnalysisSteps, KindsKeepTheirIdsAndPerturbationStepsSaySoByDefault) {
  const std::vector<Kind> perturbation =
      KindsOf<kprC_BuckleStep, kprC_FrequencyStep, kprC_ModalDynamicsStep, kprC_RandomResponseStep,
              kprC_ResponseSpectrumStep, kprC_SteadyStateModalStep,
              kprC_StaticLinearPerturbationStep, kprC_SteadyStateDirectStep,
              kprC_ComplexFrequencyStep, kprC_SteadyStateSubspaceStep>();
  const std::vector<Kind> general =
      KindsOf<kprC_AnnealStep, kprC_ExplicitDynamicsStep, kprC_TempDisplacementDynamicsStep,
              kprC_GeostaticStep, kprC_CoupledTempDisplacementStep,
              kprC_CoupledThermalElectricStep, kprC_HeatTransferStep, kprC_MassDiffusionStep,
              kprC_ImplicitDynamicsStep, kprC_SoilsStep, kprC_StaticStep, kprC_StaticRiksStep,
              kprC_SubspaceDynamicsStep, kprC_ViscoStep, kprC_DirectCyclicStep,
              kprC_SubstructureGenerateStep, kprC_FlowStep>();
  std::set<unsigned> ids;
  for (const Kind& kind : perturbation) {
    EXPECT_TRUE(kind.perturbation) << std::hex << kind.id;
    EXPECT_TRUE(kind.derived) << std::hex << kind.id;
    ids.insert(kind.id);
  }
  for (const Kind& kind : general) {
    EXPECT_FALSE(kind.perturbation) << std::hex << kind.id;
    EXPECT_TRUE(kind.derived) << std::hex << kind.id;
    ids.insert(kind.id);
  }
  EXPECT_EQ(ids.size(), 27u);  // no two kinds share an id
  for (unsigned reserved = 0x23C0100; reserved <= 0x23C0104; ++reserved)
    EXPECT_EQ(ids.count(reserved), 0u) << std::hex << reserved;
  // Ids that stored files and restart records already name.
  EXPECT_EQ(kprC_StaticStep::TypeId(), 0x23C0073u);
  EXPECT_EQ(kprC_FrequencyStep::TypeId(), 0x23C0011u);
  EXPECT_EQ(kprC_TempDisplacementDynamicsStep::TypeId(), 0x23C007Bu);
  EXPECT_EQ(kprC_SubstructureGenerateStep::TypeId(), 0x23C007Cu);
  EXPECT_EQ(kprC_ExplicitDynamicsStep::TypeId(), 0x23C0069u);
  EXPECT_EQ(kprC_FlowStep::TypeId(), 0x23C0091u);
  EXPECT_EQ(kprC_DirectCyclicStep::TypeId(), 0x23C008Fu);
  EXPECT_TRUE(kprC_IsExplicit(kprC_ExplicitDynamicsStep::TypeId()));

  // The flag stays settable: the first general step is found through it.
  kprC_FrequencyStep frequency;
  frequency.SetPerturbation(false);
  EXPECT_FALSE(frequency.Perturbation());
  // The test helper keeps a kind's own flag unless asked for a perturbation.
  EXPECT_TRUE(hst_ModelBuilder::MakeStep<kprC_FrequencyStep>(true).Perturbation());
  EXPECT_FALSE(hst_ModelBuilder::MakeStep<kprC_StaticStep>(true).Perturbation());
  EXPECT_TRUE(hst_ModelBuilder::MakeStep<kprC_StaticStep>(false, true).Perturbation());
}

TEST(kprC_AnalysisSteps, DefaultsAreTheSolverDefaults) {
  const kprC_StaticStep step;
  EXPECT_EQ(step.Nlgeom(), 0);
  EXPECT_EQ(step.MatrixSolver(), 0);                                  // direct
  EXPECT_TRUE(step.MatrixStorage() != 1 && step.MatrixStorage() != 2);  // not set
  EXPECT_TRUE(step.ConvertSDI() != 0 && step.ConvertSDI() != 1);        // not set
  EXPECT_TRUE(step.Description().IsEmpty());
  EXPECT_EQ(step.ReformKernel(), 8);
  EXPECT_EQ(step.TimePeriod(), 1.0);
  EXPECT_EQ(step.Stabilization().Method(), 0);
  EXPECT_EQ(step.Stabilization().Magnitude(), kprC_UNSET);

  // Amplitude ramp for static, step elsewhere; extrapolation linear except
  // implicit dynamics (none); 100 increments everywhere.
  using T = std::tuple<int, int, int>;
  EXPECT_EQ(Increments<kprC_StaticStep>(), T(1, 0, 100));
  EXPECT_EQ(Increments<kprC_ImplicitDynamicsStep>(), T(0, 4, 100));
  EXPECT_EQ(Increments<kprC_HeatTransferStep>(), T(0, 0, 100));
  EXPECT_EQ(Increments<kprC_SoilsStep>(), T(0, 0, 100));
  EXPECT_EQ(Increments<kprC_ViscoStep>(), T(0, 0, 100));
  EXPECT_EQ(Increments<kprC_DirectCyclicStep>(), T(0, 0, 100));

  // Optional values unset.
  const kprC_FrequencyStep frequency;
  EXPECT_EQ(frequency.NumEigen(), kprC_NOT_GIVEN);
  EXPECT_EQ(frequency.MinFrequency(), kprC_UNSET);
  EXPECT_EQ(frequency.PropertyEvaluation(), kprC_UNSET);
  const kprC_StaticRiksStep riks;
  EXPECT_EQ(riks.MaxLoadFactor(), kprC_UNSET);
  const kprC_AnnealStep anneal;
  EXPECT_EQ(anneal.Temperature(), kprC_UNSET);
  const kprC_ExplicitDynamicsStep explicitStep;
  EXPECT_EQ(explicitStep.Controls().MaxIncrement(), kprC_UNSET);
  const kprC_ModalDynamicsStep modal;
  EXPECT_EQ(modal.Damping().RayleighDamping(), nullptr);
}

TEST(kprC_AnalysisSteps, TheModelKeepsACopyWithEveryField) {
  kprC_ExplicitDynamicsStep step;
  step.SetDescription("Impact");
  step.SetNlgeom(1);
  kprC_MassScaling scaling;
  scaling.SetIsVariable(true);
  scaling.SetNumIntervals(20);
  cow_List<kprC_MassScaling> scalings;
  scalings.Append(scaling);
  step.MutableControls().SetMassScalings(scalings);

  hst_ModelBuilder b;
  b.AddStep("Impact", step, {"LC-1"});
  step.SetDescription("changed after adding");
  const auto& held = dynamic_cast<const kprC_ExplicitDynamicsStep&>(b.Steps().ConstGet("Impact"));
  EXPECT_EQ(std::string(held.Description().CStr()), "Impact");
  EXPECT_EQ(held.Nlgeom(), 1);
  ASSERT_EQ(held.Controls().MassScalings().Length(), 1u);
  EXPECT_TRUE(held.Controls().MassScalings()[0].IsVariable());
  EXPECT_EQ(held.Controls().MassScalings()[0].NumIntervals(), 20);
  EXPECT_TRUE(held.LoadCases().Contains("LC-1"));
}

TEST(kprC_AnalysisSteps, DampingHandlesAndEnumerationTexts) {
  kprC_RandomResponseStep step;
  kprC_RayleighDamping rayleigh;
  kprC_ModalDampingEntry entry;
  entry.SetFirst(1);
  entry.SetLast(10);
  entry.SetAlpha(0.5);
  rayleigh.SetEntries({entry});
  step.MutableDamping().SetRayleighDamping(rayleigh);
  const kprC_ModalDampings& damping = step.Damping();
  ASSERT_NE(damping.RayleighDamping(), nullptr);
  EXPECT_EQ(damping.RayleighDamping()->Entries()[0].Last(), 10);
  EXPECT_EQ(damping.DirectDamping(), nullptr);
  EXPECT_EQ(damping.StructuralDampingByFrequency(), nullptr);

  using Type = kprC_MassScaling::MassScalingTypeEnm;
  EXPECT_EQ(std::string(omu_PrimEnum<Type>(kprC_MassScaling::NONUNIFORM).GetString().CStr()),
            "NONUNIFORM");
  EXPECT_TRUE(omu_PrimEnum<Type>(static_cast<Type>(9)).GetString().IsEmpty());
  using Viscous = kprC_SubstructureGenerateStep::ViscousDampingEnm;
  EXPECT_EQ(std::string(omu_PrimEnum<Viscous>(kprC_SubstructureGenerateStep::VISCOUS_COMBINED)
                            .GetString()
                            .CStr()),
            "COMBINED");
}

TEST(kprC_TimePoint, ColumnsComeFromTheFirstRow) {
  EXPECT_EQ(kprC_TimePoint().NumColumns(), 0u);
  const kprC_TimePoint generated({{0.0, 1.0, 0.1}});
  EXPECT_EQ(generated.NumRows(), 1u);
  EXPECT_EQ(generated.NumColumns(), 3u);
  const kprC_TimePoint listed({{0.5}, {1.0}});
  EXPECT_EQ(listed.NumRows(), 2u);
  EXPECT_EQ(listed.NumColumns(), 1u);
  EXPECT_EQ(listed.Rows()[1][0], 1.0);
}
