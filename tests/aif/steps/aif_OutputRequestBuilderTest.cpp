// What the output request builder files for each step, through the driver:
// whole step blocks from the banner to "*End Step" (controls, the output
// banner, restart, print, monitor, field and history output).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kefC_SpringToGround.h"
#include "OdbAttrEO/kefC_TwoPointSpring.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kflC_Filter.h"
#include "OdbAttrEO/kinC_ContactProperty.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/korC_Output.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "OdbAttrEO/kprC_StepRequests.h"
#include "support/aif_DeckTestSupport.h"

namespace {

// The block of step `name` in `deck`, from its banner to "*End Step"; empty
// when the deck has no such step.
std::string OutputBuilderStep(const std::string& deck, const std::string& name) {
  const std::size_t step = deck.find("** STEP: " + name + "\n");
  if (step == std::string::npos) return std::string();
  const std::size_t begin = deck.rfind("** ----", step);
  const std::size_t end = deck.find("*End Step\n", step);
  return deck.substr(begin, end + 10 - begin);
}

// One brick part "Block" and its instance "Block-1".
hst_ModelBuilder OutputBuilderModel() {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  return b;
}

// A region of the instance whose nodes and elements are its first node and
// element; valid unless `valid` is false.
rgnC_Region OutputBuilderRegion(const char* name, int flags = 0, bool valid = true) {
  rgnC_Region region(name, {"Assembly", "Block-1"}, flags);
  region.SetKernelNodeIndices(1, {0});
  region.SetKernelElementIndices(1, {0});
  region.SetKernelValid(valid);
  return region;
}

template <class State>
State OutputBuilderState(cow_List<cow_String> variables, int frequency = 1) {
  State state;
  state.SetVariables(std::move(variables));
  state.SetFrequency(frequency);
  state.SetVariablesKind(korC_LIST);
  return state;
}

template <class State>
State OutputBuilderPreselected(korC_VariablesTypeEnm kind = korC_PRESELECTED, int frequency = 1) {
  State state;
  state.SetFrequency(frequency);
  state.SetVariablesKind(kind);
  return state;
}

korC_FieldOutput OutputBuilderField(const char* step, const korC_FieldOutputState& state,
                                    korC_DomainTypeEnm domain = korC_WHOLE_MODEL,
                                    const rgnC_Region& region = {}) {
  korC_FieldOutput request;
  request.SetDomain(domain);
  request.SetRegion(region);
  request.SetState(step, state);
  return request;
}

korC_HistoryOutput OutputBuilderHistory(const char* step, const korC_HistoryOutputState& state,
                                        korC_DomainTypeEnm domain = korC_WHOLE_MODEL,
                                        const rgnC_Region& region = {}) {
  korC_HistoryOutput request;
  request.SetDomain(domain);
  request.SetRegion(region);
  request.SetState(step, state);
  return request;
}

std::string OutputBuilderDeck(const hst_ModelBuilder& b, const char* name) {
  const aif_test::TempDeck deck(name);
  return deck.Write(b);
}

}  // namespace

TEST(aif_OutputRequestBuilder, ControlsBannerRestartAndMonitor) {
  hst_ModelBuilder b = OutputBuilderModel();
  // Controls and solver controls written, each behind its banner.
  kprC_StaticStep controlled;
  kprC_TypicalControls controls;
  controls.SetDiscontinuous(true);
  controlled.SetControls(controls);
  kprC_LinearCtrl solver;
  solver.SetTolerance(0.001);
  solver.SetMaxIterations(50);
  controlled.SetLinearCtrl(solver);
  b.AddStep("Controlled", controlled);
  // Both left out: no banner, nothing written.
  kprC_StaticStep quiet;
  kprC_TypicalControls leftOut;
  leftOut.SetLeaveOut(true);
  quiet.SetControls(leftOut);
  kprC_LinearCtrl solverLeftOut;
  solverLeftOut.SetLeaveOut(true);
  quiet.SetLinearCtrl(solverLeftOut);
  // A monitor on a region the kernel finds invalid: no monitor, no banner.
  kprC_StandardMonitor lost;
  lost.SetRegion(OutputBuilderRegion("Gone", 0, false));
  quiet.SetMonitor(lost);
  b.AddStep("Quiet", quiet);
  // Restart and a monitor on a valid region, after the controls.
  kprC_StaticStep watched;
  kprC_StandardRestart restart;
  restart.SetFrequency(5);
  watched.SetRestart(restart);
  kprC_StandardMonitor monitor;
  monitor.SetRegion(OutputBuilderRegion("Tip"));
  monitor.SetDof(2);
  watched.SetMonitor(monitor);
  kprC_HeatTransferControls heat;
  watched.SetControls(heat);
  b.AddStep("Watched", watched);
  // Substructure generation: no restart and no default output. Such a step
  // makes the deck flat, so the monitor names "Block-1_Tip".
  kprC_SubstructureGenerateStep generate;
  generate.SetRestart(restart);
  b.AddStep("Generate", generate);

  const std::string deck = OutputBuilderDeck(b, "output_builder_controls");
  EXPECT_EQ(OutputBuilderStep(deck, "Controlled"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Controlled\n"
            "** \n"
            "*Step, name=Controlled\n"
            "*Static\n"
            "1., 1., 1.e-05, 1.\n"
            "** \n"
            "** CONTROLS\n"
            "** \n"
            "*Controls, reset\n"
            "*Controls, analysis=discontinuous\n"
            "*Controls, parameters=time incrementation\n"
            "4, 8, , , , , , 5, , , \n"
            "** \n"
            "** SOLVER CONTROLS\n"
            "** \n"
            "*Solver Controls, reset\n"
            "*Solver Controls\n"
            "0.001, 50\n"
            "*Output, field, frequency=0\n"
            "*Output, history, frequency=0\n"
            "*End Step\n");
  EXPECT_EQ(OutputBuilderStep(deck, "Quiet"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Quiet\n"
            "** \n"
            "*Step, name=Quiet\n"
            "*Static\n"
            "1., 1., 1.e-05, 1.\n"
            "*Output, field, frequency=0\n"
            "*Output, history, frequency=0\n"
            "*End Step\n");
  EXPECT_EQ(OutputBuilderStep(deck, "Watched"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Watched\n"
            "** \n"
            "*Step, name=Watched\n"
            "*Static\n"
            "1., 1., 1.e-05, 1.\n"
            "** \n"
            "** CONTROLS\n"
            "** \n"
            "*Controls, reset\n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "*Restart, write, frequency=5\n"
            "*Monitor, dof=2, node=Block-1_Tip, frequency=1\n"
            "*Output, field, frequency=0\n"
            "*Output, history, frequency=0\n"
            "*End Step\n");
  EXPECT_EQ(OutputBuilderStep(deck, "Generate"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Generate\n"
            "** \n"
            "*Step, name=Generate\n"
            "*Substructure Generate, overwrite, recovery matrix=NO\n"
            "*Damping Controls, structural=NONE, viscous=NONE\n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "*End Step\n");
}

TEST(aif_OutputRequestBuilder, PrintCarriedFromStepToStep) {
  // A standard model whose first step is suppressed and explicit: the first
  // written step compares with the default standard print, so its default
  // print writes nothing.
  hst_ModelBuilder b = OutputBuilderModel();
  kprC_ExplicitDynamicsStep skippedExplicit =
      hst_ModelBuilder::MakeStep<kprC_ExplicitDynamicsStep>(true);
  kprC_ExplicitDiagnosticPrint explicitPrint;
  explicitPrint.SetAllke(false);
  skippedExplicit.SetDiagnosticPrint(explicitPrint);
  b.AddStep("SkippedExplicit", skippedExplicit);
  kprC_StaticStep first;
  first.SetDiagnosticPrint(kprC_StandardDiagnosticPrint());
  b.AddStep("First", first);
  kprC_StaticStep contact;
  kprC_StandardDiagnosticPrint contactPrint;
  contactPrint.SetContact(true);
  contact.SetDiagnosticPrint(contactPrint);
  b.AddStep("Contact", contact);
  // A suppressed step's print changes nothing.
  kprC_StaticStep skipped = hst_ModelBuilder::MakeStep<kprC_StaticStep>(true);
  kprC_StandardDiagnosticPrint plasticity = contactPrint;
  plasticity.SetPlasticity(true);
  skipped.SetDiagnosticPrint(plasticity);
  b.AddStep("Skipped", skipped);
  // A perturbation print changes only the frequency and solve settings.
  kprC_StaticLinearPerturbationStep perturb;
  kprC_PerturbationDiagnosticPrint perturbPrint;
  perturbPrint.SetFrequency(3);
  perturb.SetDiagnosticPrint(perturbPrint);
  b.AddStep("Perturb", perturb);
  kprC_StaticStep after;
  after.SetDiagnosticPrint(contactPrint);
  b.AddStep("After", after);

  const std::string deck = OutputBuilderDeck(b, "output_builder_print");
  EXPECT_EQ(OutputBuilderStep(deck, "First"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: First\n"
            "** \n"
            "*Step, name=First\n"
            "*Static\n"
            "1., 1., 1.e-05, 1.\n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "*Output, field, frequency=0\n"
            "*Output, history, frequency=0\n"
            "*End Step\n");
  EXPECT_EQ(OutputBuilderStep(deck, "Contact"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Contact\n"
            "** \n"
            "*Step, name=Contact\n"
            "*Static\n"
            "1., 1., 1.e-05, 1.\n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "*Print, contact=YES\n"
            "*Output, field, frequency=0\n"
            "*Output, history, frequency=0\n"
            "*End Step\n");
  EXPECT_EQ(OutputBuilderStep(deck, "Perturb"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Perturb\n"
            "** \n"
            "*Step, name=Perturb, perturbation\n"
            "*Static\n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "*Print, frequency=3\n"
            "*Output, field, frequency=0\n"
            "*Output, history, frequency=0\n"
            "*End Step\n");
  EXPECT_EQ(OutputBuilderStep(deck, "After"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: After\n"
            "** \n"
            "*Step, name=After\n"
            "*Static\n"
            "1., 1., 1.e-05, 1.\n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "*Print, frequency=1\n"
            "*Output, field, frequency=0\n"
            "*Output, history, frequency=0\n"
            "*End Step\n");

  // An explicit first step compares with the default explicit print.
  hst_ModelBuilder x = OutputBuilderModel();
  kprC_ExplicitDynamicsStep impact;
  impact.SetDiagnosticPrint(kprC_ExplicitDiagnosticPrint());
  x.AddStep("Impact", impact);
  kprC_ExplicitDynamicsStep again;
  again.SetDiagnosticPrint(explicitPrint);
  x.AddStep("Again", again);
  const std::string explicitDeck = OutputBuilderDeck(x, "output_builder_print_explicit");
  EXPECT_EQ(OutputBuilderStep(explicitDeck, "Impact"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Impact\n"
            "** \n"
            "*Step, name=Impact\n"
            "*Dynamic, Explicit\n"
            ", 1.\n"
            "*Bulk Viscosity\n"
            "0.06, 1.2\n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "*Output, field, variable=PRESELECT, number interval=0\n"
            "*Output, history, frequency=0\n"
            "*End Step\n");
  EXPECT_EQ(OutputBuilderStep(explicitDeck, "Again"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Again\n"
            "** \n"
            "*Step, name=Again\n"
            "*Dynamic, Explicit\n"
            ", 1.\n"
            "*Bulk Viscosity\n"
            "0.06, 1.2\n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "*Print, allke=NO\n"
            "*Output, field, variable=PRESELECT, number interval=0\n"
            "*Output, history, frequency=0\n"
            "*End Step\n");
}

TEST(aif_OutputRequestBuilder, MergedSensorAndDefaultOutput) {
  hst_ModelBuilder b = OutputBuilderModel();
  b.AddStep("Step-1", kprC_StaticStep());
  // Two equal field requests share one record and one "*Output".
  const korC_FieldOutputState fieldState = OutputBuilderState<korC_FieldOutputState>({"U", "S"}, 2);
  b.AddFieldOutput(
      "F-1", OutputBuilderField("Step-1", fieldState, korC_REGION, OutputBuilderRegion("Top")));
  b.AddFieldOutput(
      "F-2", OutputBuilderField("Step-1", fieldState, korC_REGION, OutputBuilderRegion("Top")));
  // Two equal sensor history requests stay two records.
  korC_HistoryOutput sensor = OutputBuilderHistory(
      "Step-1", OutputBuilderState<korC_HistoryOutputState>({"U1"}), korC_REGION, [] {
        rgnC_Region point("Point", {"Assembly", "Block-1"});
        point.SetKernelNodeIndices(1, {0});
        return point;
      }());
  sensor.SetSensor(true);
  b.AddHistoryOutput("H-1", sensor);
  b.AddHistoryOutput("H-2", sensor);
  // A step with an unsuppressed load case gets no history requests, only the
  // default history output.
  kprC_StaticLinearPerturbationStep cases;
  cases.AddLoadCase("A");
  b.AddStep("Cases", cases);
  b.AddHistoryOutput(
      "H-3", OutputBuilderHistory("Cases", OutputBuilderState<korC_HistoryOutputState>({"U1"})));
  // Substructure generation: no output at all (and a flat deck).
  b.AddStep("Generate", kprC_SubstructureGenerateStep());
  // A frequency step: the default field output by modes with a node output,
  // no default history output.
  b.AddStep("Modes", kprC_FrequencyStep());

  const std::string deck = OutputBuilderDeck(b, "output_builder_merged");
  EXPECT_EQ(OutputBuilderStep(deck, "Step-1"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Step-1\n"
            "** \n"
            "*Step, name=Step-1\n"
            "*Static\n"
            "1., 1., 1.e-05, 1.\n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "** \n"
            "** FIELD OUTPUT: F-1, F-2\n"
            "** \n"
            "*Output, field, frequency=2\n"
            "*Node Output, nset=Block-1_Top\n"
            "U, \n"
            "*Element Output, elset=Block-1_Top, directions=YES\n"
            "S, \n"
            "** \n"
            "** HISTORY OUTPUT: H-1\n"
            "** \n"
            "*Output, history, sensor, name=H-1\n"
            "*Node Output, nset=Block-1_Point\n"
            "U1, \n"
            "** \n"
            "** HISTORY OUTPUT: H-2\n"
            "** \n"
            "*Output, history, sensor, name=H-2\n"
            "*Node Output, nset=Block-1_Point\n"
            "U1, \n"
            "*End Step\n");
  EXPECT_EQ(OutputBuilderStep(deck, "Cases"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Cases\n"
            "** \n"
            "*Step, name=Cases, perturbation\n"
            "*Static\n"
            "*Output, field, frequency=0\n"
            "*Output, history, frequency=0\n"
            "** \n"
            "** LOAD CASES\n"
            "** \n"
            "*Load Case, name=A\n"
            "*Boundary, op=NEW\n"
            "*End Load Case\n"
            "*End Step\n");
  EXPECT_EQ(OutputBuilderStep(deck, "Generate"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Generate\n"
            "** \n"
            "*Step, name=Generate\n"
            "*Substructure Generate, overwrite, recovery matrix=NO\n"
            "*Damping Controls, structural=NONE, viscous=NONE\n"
            "*End Step\n");
  EXPECT_EQ(OutputBuilderStep(deck, "Modes"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Modes\n"
            "** \n"
            "*Step, name=Modes, perturbation\n"
            "*Frequency, eigensolver=Lanczos, acoustic coupling=on, normalization=displacement\n"
            ", , , , , \n"
            "*Output, field, variable=PRESELECT\n"
            "*Node Output\n"
            "*End Step\n");
}

TEST(aif_OutputRequestBuilder, DroppedOutputRemeshingAndFrequencyFallback) {
  hst_ModelBuilder b = OutputBuilderModel();
  b.AddStep("Flow", kprC_FlowStep());
  // A flow step writes no element output in the field: a request on a
  // region without nodes gives no block keyword, so its "*Output" is
  // dropped; the next one is written.
  b.AddFieldOutput("A-none",
                   OutputBuilderField("Flow", OutputBuilderPreselected<korC_FieldOutputState>(),
                                      korC_REGION, OutputBuilderRegion("Faces", 2)));
  b.AddFieldOutput("B-nodes",
                   OutputBuilderField("Flow", OutputBuilderPreselected<korC_FieldOutputState>(),
                                      korC_REGION, OutputBuilderRegion("Inlet")));
  // Remeshing rules: every 99999 increments, or every increment.
  b.AddStep("Adapt", kprC_StaticStep());
  karC_RemeshingRule rule;
  rule.SetStepName("Adapt");
  rule.SetRegion(OutputBuilderRegion("Zone"));
  rule.SetVariables({"PEEQ"});
  rule.SetDescription("coarse");
  b.AddRemeshingRule("Rule-1", rule);
  rule.SetOutputFrequency(true);
  rule.SetDescription("");
  b.AddRemeshingRule("Rule-2", rule);
  // A mode list in an explicit step falls back to the procedure's default
  // states: 20 intervals for field output, 200 for history output, the
  // defaults "*Output" leaves unwritten (history output at 20 intervals
  // would write "time interval=0.05").
  b.AddStep("Impact", kprC_ExplicitDynamicsStep());
  korC_FieldOutputState fieldModes = OutputBuilderState<korC_FieldOutputState>({"U"});
  fieldModes.SetFrequencyKind(korC_MODES);
  fieldModes.SetModeList({1, 2});
  b.AddFieldOutput("F-Modes", OutputBuilderField("Impact", fieldModes));
  korC_HistoryOutputState historyModes = OutputBuilderState<korC_HistoryOutputState>({"ALLKE"});
  historyModes.SetFrequencyKind(korC_MODES);
  b.AddHistoryOutput("H-Modes", OutputBuilderHistory("Impact", historyModes));

  const std::string deck = OutputBuilderDeck(b, "output_builder_dropped");
  EXPECT_EQ(OutputBuilderStep(deck, "Flow"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Flow\n"
            "** \n"
            "*Step, name=Flow\n"
            "*CFD, incompressible navier stokes\n"
            "0.001, 1., 0.45, 1.25, 1\n"
            "1., 0.5,  ,  , 0.5\n"
            "*Momentum Equation Solver\n"
            "500, 10, 1.e-05\n"
            "*Pressure Equation Solver\n"
            "500, 10, 1.e-05\n"
            "ICC, 0, 1, CG\n"
            "*Transport Equation Solver\n"
            "500, 10, 1.e-05\n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "** \n"
            "** FIELD OUTPUT: A-none\n"
            "** \n"
            "** \n"
            "** FIELD OUTPUT: B-nodes\n"
            "** \n"
            "*Output, field, frequency=1\n"
            "*Node Output, nset=Block-1.Inlet, variable=PRESELECT\n"
            "*Output, history, frequency=0\n"
            "*End Step\n");
  EXPECT_EQ(OutputBuilderStep(deck, "Adapt"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Adapt\n"
            "** \n"
            "*Step, name=Adapt\n"
            "*Static\n"
            "1., 1., 1.e-05, 1.\n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "** \n"
            "** FIELD OUTPUT:  from REMESHING RULE: Rule-2\n"
            "** \n"
            "*Output, field\n"
            "*Element Output, elset=Block-1.Zone, directions=YES\n"
            "PEEQ, EVOL\n"
            "** \n"
            "** FIELD OUTPUT:  from REMESHING RULE: Rule-1\n"
            "** coarse\n"
            "** \n"
            "*Output, field, frequency=99999\n"
            "*Element Output, elset=Block-1.Zone, directions=YES\n"
            "PEEQ, EVOL\n"
            "*Output, history, frequency=0\n"
            "*End Step\n");
  EXPECT_EQ(OutputBuilderStep(deck, "Impact"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Impact\n"
            "** \n"
            "*Step, name=Impact\n"
            "*Dynamic, Explicit\n"
            ", 1.\n"
            "*Bulk Viscosity\n"
            "0.06, 1.2\n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "** \n"
            "** FIELD OUTPUT: F-Modes\n"
            "** \n"
            "*Output, field, time marks=YES\n"
            "*Node Output\n"
            "U, \n"
            "** \n"
            "** HISTORY OUTPUT: H-Modes\n"
            "** \n"
            "*Output, history, time marks=YES\n"
            "*Energy Output\n"
            "ALLKE, \n"
            "*End Step\n");
}

TEST(aif_OutputRequestBuilder, SubstructurePaths) {
  hst_ModelBuilder b = OutputBuilderModel();
  b.AddPart("Reduced");
  hst_ModelBuilder::InstanceOptions substructure;
  substructure.substructure = true;
  b.AddInstance("Sub-1", "Reduced", substructure);
  b.AddInstance("Sub-2", "Reduced", substructure);
  // Sub-1 recovers its nodes, Sub-2 its elements.
  b.Assembly().AddSubstructureRecoverySetName("Sub-1.node");
  b.Assembly().AddSubstructureRecoverySetName("Sub-2.elem");
  b.AddStep("Step-1", kprC_StaticStep());
  korC_HistoryOutput whole = OutputBuilderHistory(
      "Step-1", OutputBuilderState<korC_HistoryOutputState>({"U1", "S11"}), korC_SUBSTRUCTURE);
  whole.SetInstanceName("Sub-1.Entire Substructure");
  b.AddHistoryOutput("H-Sub", whole);
  korC_HistoryOutput other = whole;
  other.SetInstanceName("Sub-2.Core");
  b.AddHistoryOutput("H-Other", other);
  // A field request with two entries: one record each.
  korC_FieldOutput entries = OutputBuilderField(
      "Step-1", OutputBuilderState<korC_FieldOutputState>({"U"}), korC_SUBSTRUCTURE);
  entries.SetSubstructureEntries({"Sub-1.Core", "Sub-2.Entire Substructure"});
  b.AddFieldOutput("F-Sub", entries);

  const std::string deck = OutputBuilderDeck(b, "output_builder_substructure");
  EXPECT_EQ(OutputBuilderStep(deck, "Step-1"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Step-1\n"
            "** \n"
            "*Step, name=Step-1\n"
            "*Static\n"
            "1., 1., 1.e-05, 1.\n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "** \n"
            "** FIELD OUTPUT: F-Sub-1\n"
            "** \n"
            "** Output Request for Part Instance: Sub-1\n"
            "*Substructure Path, enter element=0\n"
            "*Output, field\n"
            "*Node Output, nset=Core\n"
            "U, \n"
            "*Substructure Path, leave\n"
            "** \n"
            "** FIELD OUTPUT: F-Sub-2\n"
            "** \n"
            "** \n"
            "** HISTORY OUTPUT: H-Sub\n"
            "** \n"
            "** Output Request for Part Instance: Sub-1\n"
            "*Substructure Path, enter element=0\n"
            "*Output, history\n"
            "*Node Output\n"
            "U1, \n"
            "*Element Output\n"
            "S11, \n"
            "*Substructure Path, leave\n"
            "** \n"
            "** HISTORY OUTPUT: H-Other\n"
            "** \n"
            "** Output Request for Part Instance: Sub-2\n"
            "*Substructure Path, enter element=0\n"
            "*Output, history\n"
            "*Element Output, elset=Core\n"
            "S11, \n"
            "*Substructure Path, leave\n"
            "*End Step\n");
}

TEST(aif_OutputRequestBuilder, SpringsDashpotsAndBoltLoads) {
  hst_ModelBuilder b = OutputBuilderModel();
  kefC_EngineeringFeatures features;
  kefC_TwoPointSpring pair;
  pair.SetName("Pair");
  pair.SetRegionPairs({rgnC_RegionPair(OutputBuilderRegion("A"), OutputBuilderRegion("B"))});
  pair.SetDofs(1, 1);
  pair.SetSpringStiffness(10.0);
  pair.SetDashpotCoefficient(0.5);
  features.AddSpring(pair);
  b.Assembly().SetEngineeringFeatures(features);
  kloC_BoltLoad bolt;
  bolt.SetRegion(OutputBuilderRegion("Shank"));
  bolt.SetStatus("Step-1", 1);
  bolt.SetStatus("Step-2", 2);
  auto& loads = static_cast<kprC_PropagatingContainer<kloC_Load>&>(
      b.MutableModel().MutableExtension(bas_NewModel::loadCmd));
  loads.Set("Bolt", bolt);
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", kprC_StaticStep());

  korC_HistoryOutput springs = OutputBuilderHistory(
      "Step-1", OutputBuilderState<korC_HistoryOutputState>({"S11", "E11"}), korC_SPRINGS);
  springs.SetSpringDashpotNames({"Pair"});
  b.AddHistoryOutput("H-Springs", springs);
  // Two requests over two steps name the bolt load: its element set is
  // filed once.
  for (int every : {1, 2}) {
    korC_FieldOutput request = OutputBuilderField(
        "Step-1", OutputBuilderState<korC_FieldOutputState>({"U", "S"}, every), korC_BOLT_LOAD);
    request.SetBoltLoadName("Bolt");
    request.SetState("Step-2", OutputBuilderState<korC_FieldOutputState>({"U", "S"}, 3));
    b.AddFieldOutput("F-Bolt-" + std::to_string(every), request);
  }

  const std::string deck = OutputBuilderDeck(b, "output_builder_springs");
  // The bolt's region reaches no instance: its load is left out under the
  // loads banner.
  EXPECT_EQ(OutputBuilderStep(deck, "Step-1"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Step-1\n"
            "** \n"
            "*Step, name=Step-1\n"
            "*Static\n"
            "1., 1., 1.e-05, 1.\n"
            "** \n"
            "** LOADS\n"
            "** \n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "** \n"
            "** FIELD OUTPUT: F-Bolt-1\n"
            "** \n"
            "*Output, field\n"
            "*Node Output, nset=_Bolt_blrn_\n"
            "U, \n"
            "*Element Output, elset=_Bolt, directions=YES\n"
            "S, \n"
            "** \n"
            "** FIELD OUTPUT: F-Bolt-2\n"
            "** \n"
            "*Output, field, frequency=2\n"
            "*Node Output, nset=_Bolt_blrn_\n"
            "U, \n"
            "*Element Output, elset=_Bolt, directions=YES\n"
            "S, \n"
            "** \n"
            "** HISTORY OUTPUT: H-Springs\n"
            "** \n"
            "*Output, history\n"
            "*Element Output, elset=Pair-dashpot\n"
            "S11, \n"
            "*Element Output, elset=Pair-spring\n"
            "S11, \n"
            "*End Step\n");
  EXPECT_EQ(OutputBuilderStep(deck, "Step-2"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Step-2\n"
            "** \n"
            "*Step, name=Step-2\n"
            "*Static\n"
            "1., 1., 1.e-05, 1.\n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "** \n"
            "** FIELD OUTPUT: F-Bolt-1, F-Bolt-2\n"
            "** \n"
            "*Output, field, frequency=3\n"
            "*Node Output, nset=_Bolt_blrn_\n"
            "U, \n"
            "*Element Output, elset=_Bolt, directions=YES\n"
            "S, \n"
            "*Output, history, frequency=0\n"
            "*End Step\n");
  // The bolt's element set, once, in the assembly.
  const std::size_t set = deck.find("*Elset, elset=_Bolt");
  ASSERT_NE(set, std::string::npos);
  EXPECT_EQ(deck.substr(set, deck.find("\n*", set) + 1 - set),
            "*Elset, elset=_Bolt, internal, instance=Block-1\n"
            " 1,\n");
  EXPECT_EQ(deck.find("*Elset, elset=_Bolt", set + 1), std::string::npos);
  EXPECT_LT(deck.find("*Assembly"), set);
  EXPECT_GT(deck.find("*End Assembly"), set);
}

TEST(aif_OutputRequestBuilder, WholeModelPreselectedAndRebarOutput) {
  hst_ModelBuilder b = OutputBuilderModel();
  b.AddStep("Step-1", kprC_StaticStep());
  // Whole-model preselected output with rebar output as well: with the
  // plain-output flag only the rebar "*Element Output" follows the
  // preselected "*Output"; without it the full set of block keywords, the
  // rebar one once.
  for (bool plain : {true, false}) {
    korC_FieldOutput request =
        OutputBuilderField("Step-1", OutputBuilderPreselected<korC_FieldOutputState>());
    request.SetRebarMode(1);
    request.SetPlainOutput(plain);
    b.AddFieldOutput(plain ? "F-Plain" : "F-Full", request);
  }
  // Without rebar output, the plain preselected "*Output" stands alone.
  b.AddFieldOutput("F-None",
                   OutputBuilderField("Step-1", OutputBuilderPreselected<korC_FieldOutputState>(
                                                    korC_PRESELECTED, 4)));
  const std::string deck = OutputBuilderDeck(b, "output_builder_rebar");
  EXPECT_EQ(OutputBuilderStep(deck, "Step-1"),
            "** ----------------------------------------------------------------\n"
            "** \n"
            "** STEP: Step-1\n"
            "** \n"
            "*Step, name=Step-1\n"
            "*Static\n"
            "1., 1., 1.e-05, 1.\n"
            "** \n"
            "** OUTPUT REQUESTS\n"
            "** \n"
            "** \n"
            "** FIELD OUTPUT: F-Full\n"
            "** \n"
            "*Output, field\n"
            "*Node Output, variable=PRESELECT\n"
            "*Element Output, directions=YES, variable=PRESELECT\n"
            "*Element Output, rebar, directions=YES, variable=PRESELECT\n"
            "*Energy Output, variable=PRESELECT\n"
            "*Contact Output, variable=PRESELECT\n"
            "** \n"
            "** FIELD OUTPUT: F-Plain\n"
            "** \n"
            "*Output, field, variable=PRESELECT\n"
            "*Element Output, rebar, directions=YES, variable=PRESELECT\n"
            "** \n"
            "** FIELD OUTPUT: F-None\n"
            "** \n"
            "*Output, field, variable=PRESELECT, frequency=4\n"
            "*Output, history, frequency=0\n"
            "*End Step\n");
}

TEST(aif_OutputRequestBuilder, InstanceSpringsContactAndSensors) {
  for (bool flat : {false, true}) {
    SCOPED_TRACE(flat ? "flat" : "part-based");
    hst_ModelBuilder b = OutputBuilderModel();
    b.Assembly().SetRequiresFlatInputFile(flat);
    // A spring to ground of the part, named through the instance: the set
    // the spring builder writes for that instance.
    kefC_EngineeringFeatures block;
    kefC_SpringToGround ground;
    ground.SetName("Ground");
    rgnC_Region grounded("G", {"Block"});
    grounded.SetKernelNodeIndices(2, {0});  // on Block-2, the second instance
    ground.SetRegion(grounded);
    ground.SetDofs(3, 0);
    ground.SetSpringStiffness(5.0);
    block.AddSpring(ground);
    b.SetPartEngineeringFeatures("Block", block);
    b.AddInstance("Block-2", "Block");
    b.AddStep("Step-1", kprC_StaticStep());
    korC_HistoryOutput springs = OutputBuilderHistory(
        "Step-1", OutputBuilderState<korC_HistoryOutputState>({"S11"}), korC_SPRINGS);
    springs.SetSpringDashpotNames({"Block-2.Ground"});
    b.AddHistoryOutput("H-Ground", springs);
    // A sensor on a region of more than one point gets no node output.
    korC_HistoryOutput sensor =
        OutputBuilderHistory("Step-1", OutputBuilderState<korC_HistoryOutputState>({"U1", "S11"}),
                             korC_REGION, OutputBuilderRegion("Top"));
    sensor.SetSensor(true);
    b.AddHistoryOutput("H-Sensor", sensor);
    // Contact output of a surface-to-surface interaction in the step; one
    // not in the step gives no block keyword. Both are created in the
    // initial step.
    b.AddInteractionProperty("Touch", kinC_ContactProperty());
    kinC_SurfaceToSurfaceContactStdState created;
    created.SetInteractionProperty("Touch", 1, true);
    kinC_SurfaceToSurfaceContactStd later;
    later.SetCreateStepName("Initial");
    later.SetState("Initial", 1, created);
    kinC_SurfaceToSurfaceContactStd contact = later;
    contact.SetSurfaces(rgnC_Region("Master", {"Assembly", "Block-1"}),
                        rgnC_Region("Slave", {"Assembly", "Block-2"}));
    contact.AddStep("Step-1");
    auto& interactions = static_cast<kprC_PropagatingContainer<kinC_Interaction>&>(
        b.MutableModel().MutableExtension(bas_NewModel::interactionCmd));
    interactions.Set("Int-1", contact);
    interactions.Set("Int-Later", later);
    for (const char* name : {"Int-1", "Int-Later"}) {
      korC_FieldOutput request = OutputBuilderField(
          "Step-1", OutputBuilderState<korC_FieldOutputState>({"CSTRESS"}), korC_INTERACTION);
      request.SetInteractionNames({name});
      b.AddFieldOutput(std::string("F-") + name, request);
    }

    const std::string deck = OutputBuilderDeck(b, "output_builder_instance_springs");
    // Instance-qualified names: "Block-1.Top" part-based, "Block-1_Top" flat.
    const std::string dot = flat ? "_" : ".";
    EXPECT_EQ(OutputBuilderStep(deck, "Step-1"),
              "** ----------------------------------------------------------------\n"
              "** \n"
              "** STEP: Step-1\n"
              "** \n"
              "*Step, name=Step-1\n"
              "*Static\n"
              "1., 1., 1.e-05, 1.\n"
              // Standard pairs stand in the initial step; neither has a
              // status in Step-1, the first general step, which removes them.
              "** \n"
              "** INTERACTIONS\n"
              "** \n"
              "** Interaction: Int-1\n"
              "*Model Change, type=CONTACT PAIR, remove\n"
              "Block-2" + dot + "Slave, Block-1" + dot + "Master\n"
              "** Interaction: Int-Later\n"
              "*Model Change, type=CONTACT PAIR, remove\n"
              ", \n"
              "** \n"
              "** OUTPUT REQUESTS\n"
              "** \n"
              "** \n"
              "** FIELD OUTPUT: F-Int-1\n"
              "** \n"
              "*Output, field\n"
              "*Contact Output, master=Block-1" +
                  dot + "Master, slave=Block-2" + dot +
                  "Slave\n"
                  "CSTRESS, \n"
                  // The second record shares the first one's "*Output" and
                  // writes nothing of its own.
                  "** \n"
                  "** FIELD OUTPUT: F-Int-Later\n"
                  "** \n"
                  "** \n"
                  "** HISTORY OUTPUT: H-Sensor\n"
                  "** \n"
                  "*Output, history, sensor, name=H-Sensor\n"
                  "*Element Output, elset=Block-1" +
                  dot + "Top\nS11, \n" +
                  "** \n"
                  "** HISTORY OUTPUT: H-Ground\n"
                  "** \n"
                  "*Output, history\n"
                  "*Element Output, elset=Block-2" +
                  dot + "Ground-spring\nS11, \n*End Step\n");
    // The spring set named is the one the spring builder defines.
    EXPECT_NE(deck.find(flat ? "*Spring, elset=Block-2_Ground-spring\n"
                             : "*Spring, elset=Ground-spring\n"),
              std::string::npos);
  }
}

// A perturbation print after an explicit first step finds no standard
// print to update: the host's type test fails, and no deck is left.
TEST(aif_OutputRequestBuilder, PerturbationPrintAfterAnExplicitStep) {
  hst_ModelBuilder b = OutputBuilderModel();
  b.AddStep("Impact", kprC_ExplicitDynamicsStep());
  kprC_StaticLinearPerturbationStep perturb;
  perturb.SetDiagnosticPrint(kprC_PerturbationDiagnosticPrint());
  b.AddStep("Perturb", perturb);

  const aif_test::TempDeck deck("output_builder_print_error");
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  std::string error = "no error";
  try {
    builder.WriteInputFile(deck.Path(), false, true);
  } catch (const nex_TextException& e) {
    error = e.Text().Str();
  }
  EXPECT_EQ(error.substr(0, error.find(", line ")),
            "Type test failed: the object is not a kprC_StandardDiagnosticPrint (source file "
            "module/aif/impl/steps/aif_OutputRequestBuilder.cpp");
  EXPECT_FALSE(std::filesystem::exists(deck.Path()));
}

namespace {

// A record whose region cannot take its variables writes nothing, and the
// next record of the same frequency opens its own "*Output" rather than
// following one never written; a substructure record never follows an
// "*Output" outside its path.
TEST(aif_OutputRequestBuilder, ARecordAfterADroppedOneOpensItsOwnOutput) {
  hst_ModelBuilder b = OutputBuilderModel();
  b.AddStep("Load", kprC_StaticStep());
  // Elements only (kind bit 1): its node variable has nowhere to go.
  b.AddFieldOutput("A", OutputBuilderField("Load", OutputBuilderState<korC_FieldOutputState>({"U"}),
                                           korC_REGION, OutputBuilderRegion("Edges", 1 << 1)));
  b.AddFieldOutput("B", OutputBuilderField("Load", OutputBuilderState<korC_FieldOutputState>({"S"}),
                                           korC_REGION, OutputBuilderRegion("Zone")));
  aif_test::TempDeck deck("OutputBuilderDropped");
  EXPECT_EQ(OutputBuilderStep(deck.Write(b), "Load"),
            "** ----------------------------------------------------------------\n** \n"
            "** STEP: Load\n** \n*Step, name=Load\n*Static\n1., 1., 1.e-05, 1.\n"
            "** \n** OUTPUT REQUESTS\n** \n"
            "** \n** FIELD OUTPUT: A\n** \n"
            "** \n** FIELD OUTPUT: B\n** \n"
            "*Output, field\n*Element Output, elset=Block-1.Zone, directions=YES\nS, \n"
            "*Output, history, frequency=0\n*End Step\n");
}

// Names that would break their lines stop the write, whichever keyword
// names them first.
TEST(aif_OutputRequestBuilder, UnwritableOutputNamesStopTheWrite) {
  auto refusal = [](const hst_ModelBuilder& b) {
    const bas_NewModel model = b.Model();
    aif_Job job("Job-1", b.Job(), model);
    aif_ModelInfo info(job);
    aif_Builder builder(info);
    aif_test::TempDeck deck("OutputBuilderNames");
    std::string message;
    try {
      EXPECT_TRUE(builder.WriteInputFile(deck.Path(), false, true));
    } catch (const aif_Exception& e) {
      message = e.Message().Str();
      EXPECT_FALSE(std::filesystem::exists(deck.Path()));
    }
    return message;
  };
  hst_ModelBuilder points = OutputBuilderModel();
  points.AddTimePoint("Half\"way", kprC_TimePoint({{0.5}}));
  EXPECT_EQ(refusal(points),
            "The time points name Half\"way holds an unpaired double quote and cannot be written "
            "to the input file.");

  // A filter is named only where the file defines it: in the explicit
  // product, where the model holds it.
  hst_ModelBuilder filtered = OutputBuilderModel();
  filtered.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  filtered.AddFilter("Low\"pass", kflC_ButterworthFilter());
  filtered.AddStep("Load", kprC_ExplicitDynamicsStep());
  korC_FieldOutputState state = OutputBuilderState<korC_FieldOutputState>({"U"});
  korC_FieldOutput request = OutputBuilderField("Load", state);
  request.SetFilterName("Low\"pass");
  filtered.AddFieldOutput("F-1", request);
  EXPECT_EQ(refusal(filtered),
            "The filter name Low\"pass holds an unpaired double quote and cannot be written to "
            "the input file.");
}

}  // namespace

namespace {

const cow_List<atr_String>& OutputBuilderWarnings() {
  return ajbC_CheckingMessages::Instance().Warnings();
}

// ", filter=" names only a filter the file defines: the model's filters in
// the explicit product. Any other filter is left out, and the request and
// the filter are named once per write among the checking warnings.
TEST(aif_OutputRequestBuilder, FilterWrittenOnlyWhereTheFileDefinesIt) {
  hst_ModelBuilder standard = OutputBuilderModel();
  standard.AddStep("Load", kprC_StaticStep());
  standard.AddStep("Hold", kprC_StaticStep());
  standard.AddFilter("Filt-Std", kflC_ButterworthFilter());
  korC_HistoryOutput energy = OutputBuilderHistory(
      "Load", OutputBuilderState<korC_HistoryOutputState>({"ALLIE"}, 2));
  energy.SetState("Hold", OutputBuilderState<korC_HistoryOutputState>({"ALLIE"}, 2), 2);
  energy.SetFilterName("Filt-Std");
  standard.AddHistoryOutput("H-Std", energy);

  ajbC_CheckingMessages::Instance().Warnings().Clear();
  const std::string deck = OutputBuilderDeck(standard, "output_builder_filter_std");
  const std::string history =
      "** \n** HISTORY OUTPUT: H-Std\n** \n*Output, history, frequency=2\n*Energy Output\n"
      "ALLIE, \n*End Step\n";
  for (const char* step : {"Load", "Hold"})
    EXPECT_EQ(OutputBuilderStep(deck, step).substr(OutputBuilderStep(deck, step).size() -
                                                   history.size()),
              history)
        << step;
  EXPECT_EQ(deck.find("filter="), std::string::npos);
  EXPECT_EQ(deck.find("*Filter"), std::string::npos);
  ASSERT_EQ(OutputBuilderWarnings().Length(), 1u);
  EXPECT_EQ(OutputBuilderWarnings()[0].Str(),
            "History output H-Std: the filter Filt-Std is not defined in the input file; the "
            "output is written without a filter.");

  // Explicit: the defined filter is named, one the model lacks is not; a
  // field request is held to the same rule.
  hst_ModelBuilder xpl = OutputBuilderModel();
  xpl.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  xpl.AddStep("Impact", kprC_ExplicitDynamicsStep());
  xpl.AddFilter("Filt-X", kflC_ButterworthFilter());
  korC_HistoryOutput kept =
      OutputBuilderHistory("Impact", OutputBuilderState<korC_HistoryOutputState>({"ALLKE"}, 3));
  kept.SetFilterName("Filt-X");
  xpl.AddHistoryOutput("H-Kept", kept);
  korC_HistoryOutput lost =
      OutputBuilderHistory("Impact", OutputBuilderState<korC_HistoryOutputState>({"ALLIE"}, 4));
  lost.SetFilterName("Filt-Gone");
  xpl.AddHistoryOutput("H-Lost", lost);
  korC_FieldOutput field =
      OutputBuilderField("Impact", OutputBuilderState<korC_FieldOutputState>({"U"}, 5));
  field.SetFilterName("Filt-Field");
  xpl.AddFieldOutput("F-Lost", field);

  ajbC_CheckingMessages::Instance().Warnings().Clear();
  const std::string impact = OutputBuilderStep(OutputBuilderDeck(xpl, "output_builder_filter_x"),
                                               "Impact");
  const std::string expected =
      "** \n** FIELD OUTPUT: F-Lost\n** \n*Output, field, frequency=5\n*Node Output\nU, \n"
      "** \n** HISTORY OUTPUT: H-Kept\n** \n*Output, history, filter=Filt-X, frequency=3\n"
      "*Energy Output\nALLKE, \n"
      "** \n** HISTORY OUTPUT: H-Lost\n** \n*Output, history, frequency=4\n*Energy Output\n"
      "ALLIE, \n*End Step\n";
  ASSERT_GE(impact.size(), expected.size()) << impact;
  EXPECT_EQ(impact.substr(impact.find("** \n** FIELD OUTPUT")), expected);
  ASSERT_EQ(OutputBuilderWarnings().Length(), 2u);
  EXPECT_EQ(OutputBuilderWarnings()[0].Str(),
            "Field output F-Lost: the filter Filt-Field is not defined in the input file; the "
            "output is written without a filter.");
  EXPECT_EQ(OutputBuilderWarnings()[1].Str(),
            "History output H-Lost: the filter Filt-Gone is not defined in the input file; the "
            "output is written without a filter.");
  ajbC_CheckingMessages::Instance().Warnings().Clear();
}

// An "*Output" is written only when a block keyword after it writes a line:
// flow history takes no energy output, so an energy request gives only its
// comment and the channel's default "*Output" (it was its last chance); a
// request that still writes something keeps its "*Output". The whole-model
// preselected field "*Output" carries its variables itself and keeps its
// line though flow field output takes no variable keyword after it.
TEST(aif_OutputRequestBuilder, OutputWithoutAWrittenBlockIsDropped) {
  hst_ModelBuilder b = OutputBuilderModel();
  b.AddStep("Flow", kprC_FlowStep());
  b.AddHistoryOutput("H-Energy",
                     OutputBuilderHistory("Flow", OutputBuilderState<korC_HistoryOutputState>(
                                                      {"ALLIE", "ALLKE"})));
  b.AddStep("Flow-2", kprC_FlowStep());
  b.AddHistoryOutput("H-Energy-2",
                     OutputBuilderHistory("Flow-2", OutputBuilderState<korC_HistoryOutputState>(
                                                        {"ALLKE"}, 2)));
  b.AddHistoryOutput("H-Preselected",
                     OutputBuilderHistory("Flow-2", OutputBuilderPreselected<korC_HistoryOutputState>(
                                                        korC_PRESELECTED, 3)));
  b.AddFieldOutput("F-Preselected",
                   OutputBuilderField("Flow-2", OutputBuilderPreselected<korC_FieldOutputState>(
                                                    korC_PRESELECTED, 4)));
  const std::string deck = OutputBuilderDeck(b, "output_builder_flow_energy");
  const std::string flow = OutputBuilderStep(deck, "Flow");
  EXPECT_EQ(flow.substr(flow.find("** \n** OUTPUT REQUESTS")),
            "** \n** OUTPUT REQUESTS\n** \n"
            "*Output, field, frequency=0\n"
            "** \n** HISTORY OUTPUT: H-Energy\n** \n"
            "*Output, history, frequency=0\n"
            "*End Step\n");
  const std::string flow2 = OutputBuilderStep(deck, "Flow-2");
  EXPECT_EQ(flow2.substr(flow2.find("** \n** OUTPUT REQUESTS")),
            "** \n** OUTPUT REQUESTS\n** \n"
            "** \n** FIELD OUTPUT: F-Preselected\n** \n"
            "*Output, field, variable=PRESELECT, frequency=4\n"
            "** \n** HISTORY OUTPUT: H-Energy-2\n** \n"
            "** \n** HISTORY OUTPUT: H-Preselected\n** \n"
            "*Output, history, frequency=3\n"
            "*Element Output, variable=PRESELECT\n"
            "*End Step\n");
}

}  // namespace
