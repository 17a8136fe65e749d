// The history the step builder opens, through the driver: whole step blocks
// from the banner to "*End Step", for part-based and flat decks.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_DeckTestSupport.h"

namespace {

// The deck from the first step banner on.
std::string StepBuilderHistory(const std::string& deck) {
  const std::size_t step = deck.find("** STEP: ");
  return step == std::string::npos ? std::string() : deck.substr(deck.rfind("** ----", step));
}

// `history` without the output a step writes when it asks for none.
std::string StepBuilderWithoutDefaultOutput(std::string history) {
  for (const std::string line : {"*Output, field, frequency=0\n", "*Output, history, frequency=0\n",
                                 "*Output, field, variable=PRESELECT, number interval=0\n"})
    for (std::size_t at; (at = history.find(line)) != std::string::npos;)
      history.erase(at, line.size());
  return history;
}

// A block with an instance, an assembly element set "Scaled" and an
// instance element set "Block-1.Core" for the mass scalings; steps as the
// tests add them.
hst_ModelBuilder StepBuilderModel(bool flat) {
  hst_ModelBuilder b;
  if (flat) b.MutableModel().SetVersionTag("v5");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  return b;
}

kprC_ModalDampingEntry StepBuilderDampingEntry(int first, int last, double frequency) {
  kprC_ModalDampingEntry entry;
  entry.SetFirst(first);
  entry.SetLast(last);
  entry.SetFrequency(frequency);
  entry.SetFraction(0.05);
  entry.SetAlpha(0.1);
  entry.SetBeta(0.2);
  entry.SetFactor(0.03);
  return entry;
}

// Static with nlgeom and a description, a suppressed static step with
// nlgeom, a linear perturbation with load cases, a suppressed step, modal
// dynamics continuing the perturbation, explicit dynamics with a fixed and a
// variable mass scaling, random response with Rayleigh and
// structural-by-frequency damping.
void AddStepBuilderSequence(hst_ModelBuilder& b) {
  kprC_StaticStep preload;
  preload.SetNlgeom(1);
  preload.SetDescription("Bolt preload");
  b.AddStep("Preload", preload);
  kprC_StaticStep skipped = hst_ModelBuilder::MakeStep<kprC_StaticStep>(true);
  skipped.SetNlgeom(1);
  skipped.MutableIncrementation().SetMaxNumInc(7);
  b.AddStep("Skipped", skipped);
  kprC_StaticLinearPerturbationStep perturb;
  perturb.AddLoadCase("A");
  perturb.AddLoadCase("B", true);
  perturb.AddLoadCase("C needs quotes");
  b.AddStep("Perturb", perturb);
  b.AddStep("Off", hst_ModelBuilder::MakeStep<kprC_FrequencyStep>(true));
  kprC_ModalDynamicsStep shake;
  shake.SetContinue(true);
  shake.SetTimeIncrement(0.01);
  b.AddStep("Shake", shake);
  kprC_ExplicitDynamicsStep impact;
  kprC_MassScaling fixed;
  fixed.SetFactor(4.0);
  kprC_MassScaling variable;
  variable.SetIsVariable(true);
  variable.SetRegionKind(1);
  variable.SetRegion(rgnC_Region("Core", {"Assembly", "Block-1"}));
  variable.SetDt(1e-06);
  variable.SetSchedule(1);
  variable.SetNumIntervals(10);
  impact.MutableControls().SetMassScalings({fixed, variable});
  b.AddStep("Impact", impact);
  kprC_RandomResponseStep random;
  kprC_RandomResponseFrequency range;
  range.SetLower(1.0);
  range.SetUpper(50.0);
  random.SetFrequencies({range});
  kprC_StructuralDampingByFrequency structural;
  structural.SetEntries({StepBuilderDampingEntry(1, 1, 10.0)});
  random.MutableDamping().SetStructuralDampingByFrequency(structural);
  kprC_RayleighDamping rayleigh;
  rayleigh.SetEntries({StepBuilderDampingEntry(1, 5, 0.0)});
  random.MutableDamping().SetRayleighDamping(rayleigh);
  b.AddStep("Random", random);
}

// What an explicit step asks for when it asks for nothing: the preselected
// field output at the empty request's interval count, history every 0
// increments.
const std::string kStepBuilderExplicitOutput =
    "*Output, field, variable=PRESELECT, number interval=0\n*Output, history, frequency=0\n";

// The history of the sequence, the variable mass scaling on `set`.
std::string StepBuilderSequenceText(const std::string& set) {
  const std::string banner =
      "** ----------------------------------------------------------------\n"
      "** \n";
  return banner +
         "** STEP: Preload\n** \n"
         "*Step, name=Preload, nlgeom=YES\nBolt preload\n"
         "*Static\n1., 1., 1.e-05, 1.\n" +
         aif_test::DefaultOutputLines() + "*End Step\n" +
         // The suppressed step is not there; the load case set aside is left
         // out, and the banner stands under the first case written.
         banner +
         "** STEP: Perturb\n** \n"
         "*Step, name=Perturb, perturbation\n*Static\n" +
         aif_test::DefaultOutputLines() +
         "** \n** LOAD CASES\n** \n"
         // A load case that applies no boundary condition ends the step's
         // ones.
         "*Load Case, name=A\n*Boundary, op=NEW\n*End Load Case\n"
         "*Load Case, name=\"C needs quotes\"\n*Boundary, op=NEW\n*End Load Case\n"
         "*End Step\n" +
         // The suppressed frequency step between does not break the
         // continuation.
         banner +
         "** STEP: Shake\n** \n"
         "*Step, name=Shake, perturbation\n"
         "*Modal Dynamic, continue=YES\n0.01, 1.\n" +
         aif_test::DefaultOutputLines() + "*End Step\n" +
         // Nonlinearity carried from the first step is switched off.
         banner +
         "** STEP: Impact\n** \n"
         "*Step, name=Impact, nlgeom=NO\n"
         "*Dynamic, Explicit\n, 1.\n"
         "*Bulk Viscosity\n0.06, 1.2\n"
         "** Mass Scaling: Semi-Automatic\n"
         "**               Whole Model\n"
         "*Fixed Mass Scaling, factor=4.\n"
         "** Mass Scaling: Semi-Automatic\n"
         "**               " +
         set +
         "\n"
         "*Variable Mass Scaling, elset=" +
         set + ", dt=1.e-06, type=below min, number interval=10\n" + kStepBuilderExplicitOutput +
         "*End Step\n" + banner +
         "** STEP: Random\n** \n"
         "*Step, name=Random, perturbation\n"
         "*Random Response\n1., 50., 20, 3., \n"
         "*Modal Damping, rayleigh\n1, 5, 0.1, 0.2\n"
         "*Modal Damping, structural, definition=FREQUENCY RANGE\n10., 0.03\n" +
         aif_test::DefaultOutputLines() + "*End Step\n";
}

TEST(StepBuilderTest, StepBlocksOfPartBasedAndFlatDecks) {
  hst_ModelBuilder partBased = StepBuilderModel(false);
  AddStepBuilderSequence(partBased);
  aif_test::TempDeck deck("StepBuilderDeck");
  EXPECT_EQ(StepBuilderHistory(deck.Write(partBased)), StepBuilderSequenceText("Block-1.Core"));
  hst_ModelBuilder flat = StepBuilderModel(true);
  AddStepBuilderSequence(flat);
  EXPECT_EQ(StepBuilderHistory(deck.Write(flat)), StepBuilderSequenceText("Block-1_Core"));
}

}  // namespace

// Kinds with companions: each procedure with what follows it, in the order
// the builder files them.
TEST(StepBuilderTest, EachKindFilesItsCompanions) {
  hst_ModelBuilder b = StepBuilderModel(false);
  kprC_StaticStep quasiNewton;
  quasiNewton.SetSolutionTechnique(2);
  quasiNewton.SetReformKernel(5);
  b.AddStep("QuasiNewton", quasiNewton);
  kprC_StaticRiksStep riks;
  riks.SetNodeLimit(true);
  riks.SetNodeRegion(rgnC_Region("Tip", {"Assembly", "Block-1"}));
  riks.SetDof(3);
  riks.SetDisplacement(0.25);
  b.AddStep("Riks", riks);
  kprC_SubspaceDynamicsStep subspace;
  subspace.SetNumEigenmodes(12);
  b.AddStep("Subspace", subspace);
  kprC_SteadyStateModalStep harmonic;
  kprC_ModalDampings all;
  kprC_ModalDampingEntry entry = StepBuilderDampingEntry(1, 2, 5.0);
  auto table = [&](auto damping) {
    damping.SetEntries({entry});
    return damping;
  };
  all.SetStructuralDampingByFrequency(table(kprC_StructuralDampingByFrequency()));
  all.SetRayleighDampingByFrequency(table(kprC_RayleighDampingByFrequency()));
  all.SetDirectDampingByFrequency(table(kprC_DirectDampingByFrequency()));
  all.SetStructuralDamping(table(kprC_StructuralDamping()));
  all.SetRayleighDamping(table(kprC_RayleighDamping()));
  all.SetDirectDamping(table(kprC_DirectDamping()));
  all.SetCompositeDamping(table(kprC_CompositeDamping()));
  harmonic.SetDamping(all);
  b.AddStep("Harmonic", harmonic);
  // Response spectrum and modal dynamics take no structural damping.
  kprC_ResponseSpectrumStep spectrum;
  spectrum.SetDamping(all);
  b.AddStep("Spectrum", spectrum);
  kprC_CoupledTempDisplacementStep coupled;
  coupled.SetSolutionTechnique(1);
  coupled.SetMatrixStorage(2);
  b.AddStep("Coupled", coupled);
  kprC_TempDisplacementDynamicsStep hot;
  kprC_MassScaling disable;
  disable.SetIsVariable(true);
  disable.SetApplication(3);
  hot.MutableControls().SetMassScalings({disable});
  b.AddStep("Hot", hot);
  b.AddStep("Flow", kprC_FlowStep());
  aif_test::TempDeck deck("StepBuilderKinds");
  const std::string banner =
      "** ----------------------------------------------------------------\n** \n";
  // The output requests are not this builder's.
  EXPECT_EQ(StepBuilderWithoutDefaultOutput(StepBuilderHistory(deck.Write(b))),
            banner +
                "** STEP: QuasiNewton\n** \n*Step, name=QuasiNewton\n"
                "*Static\n1., 1., 1.e-05, 1.\n"
                "*Solution Technique, type=QUASI-NEWTON, reform kernel=5\n*End Step\n" +
                banner +
                "** STEP: Riks\n** \n*Step, name=Riks\n"
                "*Static, riks\n1., 1., 1.e-05, , , Block-1.Tip, 3, 0.25\n*End Step\n" +
                banner +
                "** STEP: Subspace\n** \n*Step, name=Subspace\n"
                "*Dynamic, subspace\n0.1, 1., \n"
                "*Select Eigenmodes, generate\n1, 12, 1\n*End Step\n" +
                banner +
                "** STEP: Harmonic\n** \n*Step, name=Harmonic, perturbation\n"
                "*Steady State Dynamics\n"
                "*Modal Damping, modal=COMPOSITE\n1, 2\n"
                "*Modal Damping\n1, 2, 0.05\n"
                "*Modal Damping, rayleigh\n1, 2, 0.1, 0.2\n"
                "*Modal Damping, structural\n1, 2, 0.03\n"
                "*Modal Damping, definition=FREQUENCY RANGE\n5., 0.05\n"
                "*Modal Damping, rayleigh, definition=FREQUENCY RANGE\n5., 0.1, 0.2\n"
                "*Modal Damping, structural, definition=FREQUENCY RANGE\n5., 0.03\n"
                "*End Step\n" +
                banner +
                "** STEP: Spectrum\n** \n*Step, name=Spectrum, perturbation\n"
                "*Response Spectrum, sum=CQC\n"
                "*Modal Damping, modal=COMPOSITE\n1, 2\n"
                "*Modal Damping\n1, 2, 0.05\n"
                "*Modal Damping, rayleigh\n1, 2, 0.1, 0.2\n"
                "*Modal Damping, definition=FREQUENCY RANGE\n5., 0.05\n"
                "*Modal Damping, rayleigh, definition=FREQUENCY RANGE\n5., 0.1, 0.2\n"
                "*End Step\n" +
                banner +
                "** STEP: Coupled\n** \n*Step, name=Coupled, unsymm=YES\n"
                "*Coupled Temperature-displacement\n1., 1., 1.e-05, 1.\n"
                "*Solution Technique, type=SEPARATED\n*End Step\n" +
                banner +
                "** STEP: Hot\n** \n*Step, name=Hot\n"
                "*Dynamic Temperature-displacement, Explicit\n, 1.\n"
                "*Bulk Viscosity\n0.06, 1.2\n"
                "** Mass Scaling: Disable Throughout Step\n*Variable Mass Scaling\n"
                "*End Step\n" +
                banner +
                "** STEP: Flow\n** \n*Step, name=Flow\n"
                "*CFD, incompressible navier stokes\n0.001, 1., 0.45, 1.25, 1\n"
                "1., 0.5,  ,  , 0.5\n"
                "*Momentum Equation Solver\n500, 10, 1.e-05\n"
                "*Pressure Equation Solver\n500, 10, 1.e-05\nICC, 0, 1, CG\n"
                "*Transport Equation Solver\n500, 10, 1.e-05\n*End Step\n");
}

// A substructure generation step makes the deck flat; its recovery region
// holds members, so it is named; selection 1 takes the frequency ranges.
TEST(StepBuilderTest, SubstructureGenerationWithDampingAndLoadCases) {
  hst_ModelBuilder b = StepBuilderModel(false);
  rgnC_Region recovery("Recover", {"Assembly"});
  recovery.SetKernelElementIndices(1, {0});
  kprC_SubstructureGenerateStep generate;
  generate.SetSubstructureId(101);
  generate.SetRecoveryMatrix(2);
  generate.SetRecoveryRegion(recovery);
  generate.SetRecoveryElementBased(true);
  generate.SetSelection(1);
  kprC_FrequencyRange range;
  range.SetLower(0.5);
  range.SetUpper(200.0);
  generate.SetFrequencyRanges({range});
  kprC_ModeRange modes;  // not selected
  generate.SetModeRanges({modes});
  generate.SetGlobalDampingField(kprC_SubstructureGenerateStep::GLOBAL_MECHANICAL);
  generate.SetGlobalAlpha(0.5);
  generate.SetViscousDamping(kprC_SubstructureGenerateStep::VISCOUS_FACTOR);
  generate.AddLoadCase("Gravity");
  generate.AddLoadCase("Off", true);
  generate.AddLoadCase("Wind");
  b.AddStep("Reduce", generate);
  aif_test::TempDeck deck("StepBuilderSubstructure");
  EXPECT_EQ(StepBuilderHistory(deck.Write(b)),
            "** ----------------------------------------------------------------\n** \n"
            "** STEP: Reduce\n** \n*Step, name=Reduce\n"
            "*Substructure Generate, overwrite, type=Z101, recovery matrix=YES, elset=Recover\n"
            "*Select Eigenmodes, definition=FREQUENCY RANGE\n0.5, 200.\n"
            "*Global Damping, field=MECHANICAL, alpha=0.5\n"
            "*Damping Controls, structural=NONE, viscous=FACTOR\n"
            "** \n** LOAD CASES\n** \n"
            "*Substructure Load Case, name=Gravity\n"
            "*Substructure Load Case, name=Wind\n"
            "*End Step\n");
  // Mode ranges (selection 2) give the generated form; a selection by
  // ranges the step does not hold files nothing.
  generate.SetSelection(2);
  generate.SetGlobalDampingField(kprC_SubstructureGenerateStep::GLOBAL_NONE);
  b.AddStep("Reduce", generate);
  std::string history = StepBuilderHistory(deck.Write(b));
  EXPECT_NE(history.find("elset=Recover\n*Select Eigenmodes, generate\n1, 1, 1\n*Damping Controls"),
            std::string::npos)
      << history;
  generate.SetModeRanges({});
  b.AddStep("Reduce", generate);
  history = StepBuilderHistory(deck.Write(b));
  EXPECT_NE(history.find("elset=Recover\n*Damping Controls"), std::string::npos) << history;
}

// Analysis product 1 runs every step geometrically nonlinear from the first.
TEST(StepBuilderTest, ExplicitProductCarriesNlgeomFromTheFirstStep) {
  hst_ModelBuilder b = StepBuilderModel(false);
  b.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  b.AddStep("First", kprC_StaticStep());
  b.AddStep("Second", kprC_ExplicitDynamicsStep());
  aif_test::TempDeck deck("StepBuilderProduct");
  const std::string history = StepBuilderHistory(deck.Write(b));
  EXPECT_NE(history.find("*Step, name=First, nlgeom=YES\n*Static\n"), std::string::npos) << history;
  EXPECT_NE(history.find("*Step, name=Second, nlgeom=NO\n"), std::string::npos) << history;
}

// A test-only kind of step that no procedure writes.
class StepBuilderOddStep : public kprC_AnalysisStep {
 public:
  static constexpr unsigned kTypeId = 0x7F00001;
  unsigned DynTypeId() const override { return kTypeId; }
  StepBuilderOddStep* Clone() const override { return new StepBuilderOddStep(*this); }
};

TEST(StepBuilderTest, AnUnknownKindStopsTheWriteAndLeavesNoFile) {
  hst_ModelBuilder b = StepBuilderModel(false);
  b.AddStep("Odd", StepBuilderOddStep());
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  aif_test::TempDeck deck("StepBuilderOdd");
  std::string message;
  try {
    builder.WriteInputFile(deck.Path(), true, true);
  } catch (const aif_Exception& e) {
    message = e.Message().Str();
  }
  EXPECT_EQ(message, "Unimplemented step input file writing method");
  EXPECT_FALSE(std::filesystem::exists(deck.Path()));
}

// A written step or load case whose name would break its line stops the
// write; a suppressed one is never written, so its name does not matter.
TEST(StepBuilderTest, UnwritableNamesStopTheWrite) {
  auto refusal = [](const hst_ModelBuilder& b) {
    const bas_NewModel model = b.Model();
    aif_Job job("Job-1", b.Job(), model);
    aif_ModelInfo info(job);
    aif_Builder builder(info);
    aif_test::TempDeck deck("StepBuilderNames");
    std::string message;
    try {
      EXPECT_TRUE(builder.WriteInputFile(deck.Path(), false, true));
    } catch (const aif_Exception& e) {
      message = e.Message().Str();
      EXPECT_FALSE(std::filesystem::exists(deck.Path()));
    }
    return message;
  };
  hst_ModelBuilder b = StepBuilderModel(false);
  b.AddStep("Bad\"Step", kprC_StaticStep());
  EXPECT_EQ(refusal(b),
            "The step name Bad\"Step holds an unpaired double quote and cannot be written to the "
            "input file.");
  hst_ModelBuilder suppressed = StepBuilderModel(false);
  suppressed.AddStep("Bad\"Step", hst_ModelBuilder::MakeStep<kprC_StaticStep>(true));
  kprC_StaticStep cases;
  cases.AddLoadCase("Case\"1");
  suppressed.AddStep("Cases", cases);
  EXPECT_EQ(refusal(suppressed),
            "The load case name Case\"1 holds an unpaired double quote and cannot be written to "
            "the input file.");
}
