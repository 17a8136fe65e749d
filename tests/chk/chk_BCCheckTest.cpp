#include "chk/impl/chk_BCCheck.h"

#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kpfC_InitialState.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"

namespace {

using BCCheckFindings = chk_test::Findings;

BCCheckFindings BCCheckRun(const hst_ModelBuilder& b) {
  chk_BCCheck check(b.Model(), "BC-Model");
  check.Run();
  BCCheckFindings findings = chk_test::FindingsOf(check);
  return findings;
}

std::string BCCheckFixedError(const std::string& name) {
  return "Boundary condition, " + name +
         ", is fixed at current position.\nThis boundary condition requires an Initial State "
         "field\nin the model or a preceding general analysis step.";
}
std::string BCCheckNoTurbulence(const std::string& name) {
  return "Boundary condition, " + name +
         ", was created or last edited,\nwhen no turbulence model was active. The "
         "turbulence\nboundary condition values should be reviewed and edited.";
}
std::string BCCheckOtherTurbulence(const std::string& name) {
  return "Boundary condition, " + name +
         ", was created or last edited\nwith a turbulence model different than the current.\nThe "
         "turbulence boundary condition values should\nbe reviewed and edited.";
}
std::string BCCheckNoThermal(const std::string& name) {
  return "Boundary condition, " + name +
         ", was created or edited when no\n thermal equation was active. The thermal "
         "boundary\ncondition values should be reviewed or edited";
}
const char kBCCheckFlowError[] =
    "A flow analysis requires the existence of either\na fluid reference pressure load or a "
    "fluid inlet/\noutlet BC with a pressure momentum setting.";

// A condition of `Kind` created in `step` with a state there (the step's
// procedure comes with it when the step was added before), fixed at its
// current position or not.
template <class Kind>
Kind BCCheckCondition(const char* step, bool fixed, bool withState = true) {
  Kind condition;
  condition.SetCreatedStepName(step);
  condition.SetFixed(fixed);
  if (withState) condition.SetState(step, 1, kbcC_DisplacementBCState());
  return condition;
}

// A fluid condition created in `step` under the turbulence and energy types
// given.
template <class Kind>
Kind BCCheckFluid(const char* step, int turbulenceType, int energyType) {
  Kind condition;
  condition.SetCreatedStepName(step);
  kbcC_FluidBCState state;
  state.SetFluidModels(turbulenceType, energyType);
  condition.SetState(step, 1, state);
  return condition;
}

kbcC_FluidInletOutletBC BCCheckInlet(const char* step, int momentum) {
  kbcC_FluidInletOutletBC inlet = BCCheckFluid<kbcC_FluidInletOutletBC>(step, 1, 1);
  inlet.SetMomentumType(momentum);
  return inlet;
}

// A flow analysis: the flow step first, energy equation and a one-equation
// turbulence model active.
hst_ModelBuilder BCCheckFlowModel() {
  hst_ModelBuilder b("BC-Model");
  b.AddStep("Flow", kprC_FlowStep());
  b.Steps().SetFlowSettings(1, 1);
  return b;
}

}  // namespace

// Nothing defines the current position in the first general step, in a
// perturbation step or in an explicit step; a later general step follows one
// that does. The perturbation test reads the creation step's own flag.
TEST(chk_BCCheckTest, FixedAtCurrentPosition) {
  hst_ModelBuilder b("BC-Model");
  b.AddStep("Buckle", kprC_BuckleStep());  // a perturbation step: not the first general step
  b.AddStep("Skipped", hst_ModelBuilder::MakeStep<kprC_StaticStep>(true));
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", kprC_StaticStep());
  b.AddStep("Perturb", kprC_StaticLinearPerturbationStep());
  b.AddStep("Flagged", hst_ModelBuilder::MakeStep<kprC_StaticStep>(false, true));
  b.AddStep("Dynamic", kprC_ExplicitDynamicsStep());
  b.AddBoundaryCondition("A-First", BCCheckCondition<kbcC_DisplacementBC>("Step-1", true));
  b.AddBoundaryCondition("B-Later", BCCheckCondition<kbcC_DisplacementBC>("Step-2", true));
  b.AddBoundaryCondition("C-Perturb", BCCheckCondition<kbcC_PorePressureBC>("Perturb", true));
  b.AddBoundaryCondition("D-Buckle", BCCheckCondition<kbcC_ConnDisplacementBC>("Buckle", true));
  b.AddBoundaryCondition("E-Flagged", BCCheckCondition<kbcC_MassFlowBC>("Flagged", true));
  b.AddBoundaryCondition("F-Explicit", BCCheckCondition<kbcC_AcousticPressureBC>("Dynamic", true));
  b.AddBoundaryCondition("G-Skipped", BCCheckCondition<kbcC_DisplacementBC>("Skipped", true));
  // Not fixed, fixed without a state in its step, of a kind that cannot be
  // fixed, suppressed, or with a state that does not hold it there.
  b.AddBoundaryCondition("H-Free", BCCheckCondition<kbcC_DisplacementBC>("Step-1", false));
  b.AddBoundaryCondition("I-NoState", BCCheckCondition<kbcC_DisplacementBC>("Step-1", true, false));
  b.AddBoundaryCondition("J-Velocity", BCCheckCondition<kbcC_VelocityBC>("Step-1", true));
  b.AddBoundaryCondition("K-Temperature", BCCheckCondition<kbcC_TemperatureBC>("Step-1", true));
  kbcC_DisplacementBC suppressed = BCCheckCondition<kbcC_DisplacementBC>("Step-1", true);
  suppressed.SetSuppressed(true);
  b.AddBoundaryCondition("L-Suppressed", suppressed);
  kbcC_ElectricPotentialBC notHeld;
  notHeld.SetCreatedStepName("Step-1");
  notHeld.SetFixed(true);
  kbcC_BCState state;
  state.SetFixedAtCurrentPosition(false);
  notHeld.SetState("Step-1", 1, state);
  b.AddBoundaryCondition("M-NotHeld", notHeld);

  const BCCheckFindings findings = BCCheckRun(b);
  EXPECT_EQ((std::vector<std::string>{BCCheckFixedError("A-First"), BCCheckFixedError("C-Perturb"),
                                      BCCheckFixedError("D-Buckle"), BCCheckFixedError("E-Flagged"),
                                      BCCheckFixedError("F-Explicit")}),
            findings.errors);
  EXPECT_TRUE(findings.warnings.empty());

  // Without a general step nothing is the first one: only the perturbation
  // step's condition is reported.
  hst_ModelBuilder perturbationOnly("BC-Model");
  perturbationOnly.AddStep("Frequency", kprC_FrequencyStep());
  perturbationOnly.AddBoundaryCondition("BC-1",
                                        BCCheckCondition<kbcC_ConcentrationBC>("Frequency", true));
  perturbationOnly.AddBoundaryCondition(
      "BC-2", BCCheckCondition<kbcC_FluidCavityPressureBC>("Initial", true));
  EXPECT_EQ((std::vector<std::string>{BCCheckFixedError("BC-1")}),
            BCCheckRun(perturbationOnly).errors);
}

// The fluid warnings of each condition in their order, the conditions in
// name order, the fixed error before them and the flow error last.
TEST(chk_BCCheckTest, FluidWarningsAndTheFlowError) {
  hst_ModelBuilder b = BCCheckFlowModel();
  // A velocity inlet: no pressure inlet.
  kbcC_FluidInletOutletBC inlet = BCCheckFluid<kbcC_FluidInletOutletBC>("Flow", 0, 0);
  inlet.SetMomentumType(2);
  b.AddBoundaryCondition("A-Inlet", inlet);
  b.AddBoundaryCondition("B-Wall", BCCheckFluid<kbcC_FluidWallConditionBC>("Flow", 2, 1));
  b.AddBoundaryCondition("C-Wall", BCCheckFluid<kbcC_FluidWallConditionBC>("Flow", 1, 1));
  b.AddBoundaryCondition("D-Fixed", BCCheckCondition<kbcC_DisplacementBC>("Flow", true));
  b.AddBoundaryCondition("E-Velocity", BCCheckInlet("Flow", 2));
  // Fluid values but not a fluid kind: no warning.
  b.AddBoundaryCondition("F-Temperature", BCCheckFluid<kbcC_TemperatureBC>("Flow", 0, 0));
  kbcC_FluidWallConditionBC suppressedWall = BCCheckFluid<kbcC_FluidWallConditionBC>("Flow", 0, 0);
  suppressedWall.SetSuppressed(true);
  b.AddBoundaryCondition("G-Suppressed", suppressedWall);

  BCCheckFindings findings = BCCheckRun(b);
  EXPECT_EQ((std::vector<std::string>{BCCheckNoTurbulence("A-Inlet"), BCCheckNoThermal("A-Inlet"),
                                      BCCheckOtherTurbulence("B-Wall")}),
            findings.warnings);
  EXPECT_EQ((std::vector<std::string>{BCCheckFixedError("D-Fixed"), kBCCheckFlowError}),
            findings.errors);

  // The two-equation model: type 1 is the other model, type 2 its own.
  b.Steps().SetFlowSettings(0, 2);
  findings = BCCheckRun(b);
  EXPECT_EQ(
      (std::vector<std::string>{BCCheckNoTurbulence("A-Inlet"), BCCheckOtherTurbulence("C-Wall"),
                                BCCheckOtherTurbulence("E-Velocity")}),
      findings.warnings);

  // Without a turbulence model or energy equation nothing is stale.
  b.Steps().SetFlowSettings(0, 0);
  findings = BCCheckRun(b);
  EXPECT_TRUE(findings.warnings.empty());
  EXPECT_EQ((std::vector<std::string>{BCCheckFixedError("D-Fixed"), kBCCheckFlowError}),
            findings.errors);
}

// A flow analysis needs an active reference pressure load or a pressure
// inlet; only the first general step makes an analysis a flow analysis.
TEST(chk_BCCheckTest, FlowAnalysisNeedsAReferencePressure) {
  hst_ModelBuilder pressureInlet = BCCheckFlowModel();
  pressureInlet.AddBoundaryCondition("Inlet", BCCheckInlet("Flow", 1));
  EXPECT_TRUE(BCCheckRun(pressureInlet).errors.empty());

  hst_ModelBuilder velocityInlet = BCCheckFlowModel();
  velocityInlet.AddBoundaryCondition("Inlet", BCCheckInlet("Flow", 2));
  EXPECT_EQ((std::vector<std::string>{kBCCheckFlowError}), BCCheckRun(velocityInlet).errors);

  kloC_ReferencePressure reference;
  reference.SetStatus("Flow", 1);
  velocityInlet.AddLoad("Reference", reference);
  EXPECT_TRUE(BCCheckRun(velocityInlet).errors.empty());

  hst_ModelBuilder inactiveReference = BCCheckFlowModel();
  reference.SetSuppressed(true);
  inactiveReference.AddLoad("Reference", reference);
  inactiveReference.AddLoad("Gravity", kloC_Gravity());
  EXPECT_EQ((std::vector<std::string>{kBCCheckFlowError}), BCCheckRun(inactiveReference).errors);

  // A static first step: the flow step after it does not count.
  hst_ModelBuilder staticFirst("BC-Model");
  staticFirst.AddStep("Step-1", kprC_StaticStep());
  staticFirst.AddStep("Flow", kprC_FlowStep());
  EXPECT_TRUE(BCCheckRun(staticFirst).errors.empty());
}

// An active Initial State field defines every position: no finding at all.
TEST(chk_BCCheckTest, InitialStateFieldSilencesEverything) {
  hst_ModelBuilder b = BCCheckFlowModel();
  b.AddBoundaryCondition("Wall", BCCheckFluid<kbcC_FluidWallConditionBC>("Flow", 0, 0));
  b.AddBoundaryCondition("Fixed", BCCheckCondition<kbcC_DisplacementBC>("Flow", true));
  kpfC_InitialState field;
  field.SetInactive(1);
  b.AddField("Imported", field);
  b.AddField("Plain", kpfC_Field());
  BCCheckFindings findings = BCCheckRun(b);
  EXPECT_EQ((std::vector<std::string>{BCCheckNoTurbulence("Wall"), BCCheckNoThermal("Wall")}),
            findings.warnings);
  EXPECT_EQ((std::vector<std::string>{BCCheckFixedError("Fixed"), kBCCheckFlowError}),
            findings.errors);

  field.SetInactive(0);
  b.AddField("Imported", field);
  findings = BCCheckRun(b);
  EXPECT_TRUE(findings.errors.empty());
  EXPECT_TRUE(findings.warnings.empty());
}

// A later step that is no analysis step fails its type test out of Run.
TEST(chk_BCCheckTest, StepOfTheWrongClass) {
  hst_ModelBuilder b("BC-Model");
  b.AddStep("Odd", kprC_InitialStep());
  chk_BCCheck check(b.Model(), "BC-Model");
  std::string text;
  try {
    check.Run();
  } catch (const nex_TextException& e) {
    text = e.Text().Str();
  }
  EXPECT_TRUE(
      text.starts_with("Type test failed: the object is not a kprC_AnalysisStep (source "
                       "file module/chk/impl/chk_BCCheck.cpp"))
      << text;
}
