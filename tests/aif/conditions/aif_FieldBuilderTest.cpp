// The field builder: which predefined fields each step and load case writes
// by status and op, the restart's restatements, the whole-model fluid sets,
// the temperature-value count, the kinds written only in the initial step,
// and the fields it passes over.
#include "aif/impl/conditions/aif_FieldBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "AttributesGuiCommon/ajbC_Job.h"
#include "HostModules/hst_ModelBuilder.h"
#include "MSVCR90/rt_Runtime.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "OdbAttrEO/kseC_BeamSection.h"
#include "OdbAttrEO/kseK_SectionAssignmentsFromLayup.h"
#include "VwrModKer/ftr_FeatureList.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_BuilderRun.h"
#include "support/aif_DeckTestSupport.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_TestSupport.h"

namespace {

constexpr char kFbBanner[] = "** \n** PREDEFINED FIELDS\n** \n";

// A field kind no writer knows.
class FbOddField : public kpfC_Field {
  KERN_CLASS_HEAD(FbOddField, kpfC_Field, 0x2ec00F1)
};

rgnC_Region FbRegion(const char* name) {
  rgnC_Region region(name, {"Assembly", "Block-1"});
  region.SetKernelInstanceIds({1u});
  region.SetKernelNodeIndices(1, {0, 1});
  return region;
}

kpfC_GeneralFieldBaseState FbValues(std::initializer_list<double> values, int status = 1) {
  kpfC_GeneralFieldBaseState state;
  state.SetValues(values, status);
  return state;
}

// A block placed once; the initial step and `steps` static steps.
hst_ModelBuilder FbModel(std::initializer_list<const char*> steps) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  for (const char* step : steps)
    b.AddStep(step, kprC_StaticStep());
  return b;
}

// A temperature on Block-1.Hot: `value` created in Step-1, then the status
// `later` in Step-2 (the value `value` + 1 stored with it).
kpfC_Temperature FbTemperature(double value, int later) {
  kpfC_Temperature field;
  field.SetRegion(FbRegion("Hot"));
  field.SetState("Step-1", 1, FbValues({value}));
  field.SetState("Step-2", later, FbValues({value + 1}, later == 2 ? 2 : 1));
  return field;
}

using FbRun = aif_test::BuilderRun<aif_FieldBuilder>;

}  // namespace

// Step-1 creates them all: nothing asks for ", op=NEW" there. Step-2 holds
// temperatures of every status. Without a deactivation no
// temperature carries ", op=NEW": the carried-over ones (2, 14) are not
// written. A deactivation (4 or 15) starts the temperatures afresh: every
// one is written with ", op=NEW", the removed ones as their line alone. A
// field variable carried over is of another category and stays unwritten.
TEST(aif_FieldBuilder, StatusesWithAndWithoutOpNew) {
  hst_ModelBuilder b = FbModel({"Step-1", "Step-2"});
  for (const auto& [name, status] : {std::pair{"T1", 1}, {"T2", 2}, {"T3", 3}, {"T14", 14}})
    b.AddField(name, FbTemperature(10.0 * status, status));
  kpfC_GeneralField variable;
  variable.SetRegion(FbRegion("Hot"));
  variable.SetVariable(2);
  variable.SetState("Step-1", 1, FbValues({5.0}));
  variable.SetState("Step-2", 2, FbValues({5.0}, 2));
  b.AddField("V", variable);
  {
    const FbRun run(b);
    EXPECT_EQ(std::string(kFbBanner) +
                  "** Name: T1   Type: Temperature\n*Temperature\nBlock-1.Hot, 10.\n"
                  "** Name: T14   Type: Temperature\n*Temperature\nBlock-1.Hot, 140.\n"
                  "** Name: T2   Type: Temperature\n*Temperature\nBlock-1.Hot, 20.\n"
                  "** Name: T3   Type: Temperature\n*Temperature\nBlock-1.Hot, 30.\n"
                  "** Name: V   Type: Field\n*Field, variable=2\nBlock-1.Hot, 5., \n",
              run.Step("Step-1"));
    EXPECT_EQ(std::string(kFbBanner) +
                  "** Name: T1   Type: Temperature\n*Temperature\nBlock-1.Hot, 11.\n"
                  "** Name: T3   Type: Temperature\n*Temperature\nBlock-1.Hot, 31.\n",
              run.Step("Step-2"));
  }
  for (const auto& [name, status] : {std::pair{"T4", 4}, {"T15", 15}})
    b.AddField(name, FbTemperature(10.0 * status, status));
  const FbRun run(b);
  EXPECT_EQ(std::string(kFbBanner) +
                "** Name: T1   Type: Temperature\n*Temperature, op=NEW\nBlock-1.Hot, 11.\n"
                "** Name: T14   Type: Temperature\n*Temperature, op=NEW\nBlock-1.Hot, 141.\n"
                "** Name: T15   Type: Temperature\n*Temperature, op=NEW\n"
                "** Name: T2   Type: Temperature\n*Temperature, op=NEW\nBlock-1.Hot, 21.\n"
                "** Name: T3   Type: Temperature\n*Temperature, op=NEW\nBlock-1.Hot, 31.\n"
                "** Name: T4   Type: Temperature\n*Temperature, op=NEW\n",
            run.Step("Step-2"));
}

// A field variable deactivated with 15 starts its category afresh like one
// deactivated with 4: the one carried over beside it is written again.
TEST(aif_FieldBuilder, StatusFifteenMarksItsCategory) {
  for (int removal : {4, 15}) {
    SCOPED_TRACE(removal);
    hst_ModelBuilder b = FbModel({"Step-1", "Step-2"});
    for (const char* name : {"Gone", "Kept"}) {
      kpfC_GeneralField variable;
      variable.SetRegion(FbRegion("Hot"));
      variable.SetState("Step-1", 1, FbValues({1.0}));
      variable.SetState("Step-2", name[0] == 'G' ? removal : 2, FbValues({1.0}, 2));
      b.AddField(name, variable);
    }
    EXPECT_EQ(std::string(kFbBanner) +
                  "** Name: Gone   Type: Field\n*Field, op=NEW\n"
                  "** Name: Kept   Type: Field\n*Field, op=NEW, variable=1\nBlock-1.Hot, 1., \n",
              FbRun(b).Step("Step-2"));
  }
}

// A step with load cases: a temperature both name is written into each with
// its factor (values scaled) and not into the step; so are a mass flow rate,
// a pressure stress and a field variable named by one of them; a field no
// load case names is written nowhere. No banner goes into a load case, and
// a field new in the first step carries no ", op=NEW" there either.
TEST(aif_FieldBuilder, LoadCasesWithScaleFactors) {
  hst_ModelBuilder b = FbModel({});
  kprC_StaticStep step;
  step.AddLoadCase("LC-1");
  step.AddLoadCase("LC-2");
  for (const char* field : {"Heat", "Flow", "Press", "Var"})
    step.SetLoadCaseFieldFactor("LC-1", field, 0.5f);
  step.SetLoadCaseFieldFactor("LC-2", "Heat", 2.0f);
  b.AddStep("Step-1", step);

  kpfC_Temperature heat;
  heat.SetRegion(FbRegion("Hot"));
  heat.SetState("Step-1", 1, FbValues({30.0}));
  b.AddField("Heat", heat);
  kpfC_MassFlowRate flow;
  flow.SetRegion(FbRegion("Hot"));
  flow.SetState("Step-1", 1, FbValues({2.0, 4.0, 6.0}));
  b.AddField("Flow", flow);
  kpfC_PressureStress press;
  press.SetRegion(FbRegion("Hot"));
  press.SetState("Step-1", 1, FbValues({8.0}));
  b.AddField("Press", press);
  kpfC_GeneralField variable;
  variable.SetRegion(FbRegion("Hot"));
  variable.SetState("Step-1", 1, FbValues({4.0}));
  b.AddField("Var", variable);
  kpfC_Temperature unnamed = heat;
  b.AddField("Unnamed", unnamed);

  const FbRun run(b);
  EXPECT_EQ("", run.Step("Step-1"));
  EXPECT_EQ(
      "** Name: Flow   Type: Mass flow rate   Scale factor: 0.5\n"
      "*Mass Flow Rate\nBlock-1.Hot, 1., 2., 3.\n"
      "** Name: Heat   Type: Temperature   Scale factor: 0.5\n*Temperature\nBlock-1.Hot, 15.\n"
      "** Name: Press   Type: Pressure stress   Scale factor: 0.5\n"
      "*Pressure Stress\nBlock-1.Hot, 4.\n"
      "** Name: Var   Type: Field   Scale factor: 0.5\n"
      "*Field, variable=1\nBlock-1.Hot, 2., \n",
      run.Step("Step-1", "LC-1"));
  EXPECT_EQ("** Name: Heat   Type: Temperature   Scale factor: 2\n*Temperature\nBlock-1.Hot, 60.\n",
            run.Step("Step-1", "LC-2"));
}

// The count of temperature values: 1 by default; the largest count of the
// sections the part uses, their heat-transfer count when a step transfers
// heat; a beam section that leaves it to its profile takes the profile's.
// Sections nobody assigns, and suppressed assignments, do not count.
TEST(aif_FieldBuilder, TemperatureValueCountFromSectionsAndProfiles) {
  EXPECT_EQ(1, FbRun(FbModel({"Step-1"})).builder.TemperatureValueCount());

  // Block takes Shell (3; 5 with heat) and, suppressed, Hidden (30);
  // Unused (40) is assigned nowhere; Other takes Beam, which leaves its
  // count to the profile named by `profile`.
  auto model = [](const char* stepKind, const char* profile) {
    hst_ModelBuilder b;
    b.AddPart("Block", hst_GridMesh(1, 1, 1));
    b.AddPart("Other", hst_GridMesh(1, 1, 1));
    kseC_Section shell, unused, hidden;
    shell.SetTemperatureValueCounts(3, 5);
    unused.SetTemperatureValueCounts(40, 40);
    hidden.SetTemperatureValueCounts(30, 30);
    b.AddSection("Shell", shell).AddSection("Unused", unused).AddSection("Hidden", hidden);
    b.AddPartAttribute("Block", ptoC_SectionAssignment(FbRegion("All"), "Shell"));
    ptoC_SectionAssignment off(FbRegion("All"), "Hidden");
    off.SetSuppressed(true);
    b.AddPartAttribute("Block", off);
    kbpC_PipeProfile pipe;
    pipe.SetTemperatureValueCount(4);
    b.AddProfile("Pipe", pipe);
    kseC_BeamSection beam;
    beam.profileName = profile;
    beam.SetTemperatureValueCounts(-1, -1);
    b.AddSection("Beam", beam);
    b.AddPartAttribute("Other", ptoC_SectionAssignment(FbRegion("All"), "Beam"));
    b.AddInstance("Block-1", "Block");
    b.AddInstance("Other-1", "Other");
    b.AddInstance("Other-2", "Other");
    if (std::string(stepKind) == "heat")
      b.AddStep("Step-1", kprC_HeatTransferStep());
    else
      b.AddStep("Step-1", kprC_StaticStep());
    return b;
  };
  EXPECT_EQ(4, FbRun(model("static", "Pipe")).builder.TemperatureValueCount());
  EXPECT_EQ(3, FbRun(model("static", "Missing")).builder.TemperatureValueCount());
  EXPECT_EQ(5, FbRun(model("heat", "Pipe")).builder.TemperatureValueCount());

  // The sections a composite layup generates count too; a suppressed
  // layup's do not.
  auto expansion = std::make_shared<kseK_LayupExpansion>();
  kseC_Section plies;
  plies.SetTemperatureValueCounts(6, 6);
  expansion->sections.Set("Plies", plies);
  ptoK_CompositeLayup layup;
  layup.name = "Layup-1";
  layup.expansion = expansion;
  for (bool suppressed : {true, false}) {
    layup.suppressed = suppressed;
    hst_ModelBuilder layered = FbModel({"Step-1"});
    layered.AddPart("Layered", hst_GridMesh(1, 1, 1));
    layered.AddCompositeLayup("Layered", layup);
    layered.AddInstance("Layered-1", "Layered");
    EXPECT_EQ(suppressed ? 1 : 6, FbRun(layered).builder.TemperatureValueCount());
  }
}

// A restart resuming at the end of Step-1 restates the temperature carried
// into Step-2 with ", op=NEW". The voids ratio carried over beside it, whose
// category the restart marks too, is an initial condition only: Step-2
// gets neither its comment nor a keyword, and no step a banner for it.
TEST(aif_FieldBuilder, RestartWritesNoInitialConditionInAStep) {
  hst_ModelBuilder b = FbModel({"Step-1", "Step-2"});
  kpfC_VoidsRatio ratio;
  ratio.SetRegion(FbRegion("Hot"));
  ratio.SetValue(0.4);
  for (const char* step : {"Step-1", "Step-2"})
    ratio.SetStatus(step, 2);
  ratio.SetStatus("Initial", 1);
  b.AddField("Ratio", ratio);
  b.MutableModel().SetRestart("Job-0", "Step-1", 5, true);
  {
    const FbRun run(b, ajbC_RESTART);
    EXPECT_EQ("", run.Step("Step-1"));
    EXPECT_EQ("", run.Step("Step-2"));
  }
  kpfC_Temperature heat;
  heat.SetRegion(FbRegion("Hot"));
  heat.SetState("Step-1", 1, FbValues({30.0}));
  heat.SetState("Step-2", 2, FbValues({30.0}, 2));
  b.AddField("Heat", heat);
  const FbRun run(b, ajbC_RESTART);
  EXPECT_EQ(std::string(kFbBanner) +
                "** Name: Heat   Type: Temperature\n*Temperature, op=NEW\nBlock-1.Hot, 30.\n",
            run.Step("Step-2"));
}

// Two whole-model fluid fields make one "_PDF_WholeModel" block per instance
// the deck holds: not the display body, the instance left out of the
// simulation or the mesh-locked one; a suppressed fluid field alone makes
// none.
TEST(aif_FieldBuilder, WholeModelSetsOfWrittenInstances) {
  hst_ModelBuilder b = FbModel({"Step-1"});
  auto display = hst_GridMesh(1, 1, 1);
  display->SetDisplayMesh(hst_GridMesh(1, 1, 1));
  b.AddPart("Body", display);
  b.AddInstance("Body-1", "Body");
  hst_ModelBuilder::InstanceOptions off;
  off.active = false;
  b.AddInstance("Off-1", "Block", off);
  hst_ModelBuilder::InstanceOptions locked;
  locked.locks = ftr_LOCK_MESH;
  b.AddInstance("Locked-1", "Block", locked);
  b.AddInstance("Block-2", "Block");

  kpfC_FluidVelocity velocity;
  velocity.SetWholeModel(true);
  velocity.SetSuppressed(true);
  velocity.SetStatus("Initial", 1);
  b.AddField("A-Velocity", velocity);
  EXPECT_EQ("", FbRun::Text(FbRun(b).builder.AssemblyDefinition()));

  velocity.SetSuppressed(false);
  b.AddField("A-Velocity", velocity);
  kpfC_FluidDensity density;
  density.SetWholeModel(true);
  density.SetStatus("Initial", 1);
  b.AddField("B-Density", density);
  kpfC_FluidDensity local;
  local.SetRegion(FbRegion("Hot"));
  local.SetDensity(2.5);
  local.SetStatus("Initial", 1);
  b.AddField("C-Density", local);
  EXPECT_EQ(
      "*Elset, elset=_PDF_WholeModel, internal, instance=Block-1\n 1,\n"
      "*Elset, elset=_PDF_WholeModel, internal, instance=Block-2\n 1,\n",
      FbRun::Text(FbRun(b).builder.AssemblyDefinition()));
  // The whole-model fields name the set; another fluid field its region.
  EXPECT_EQ(std::string(kFbBanner) +
                "** Name: A-Velocity   Type: Fluid velocity\n"
                "*Initial Conditions, type=VELOCITY, Element Average\n"
                "_PDF_WholeModel, 1, 0.\n_PDF_WholeModel, 2, 0.\n_PDF_WholeModel, 3, 0.\n"
                "** Name: B-Density   Type: Fluid density\n"
                "*Initial Conditions, type=Density\n_PDF_WholeModel, 0.\n"
                "** Name: C-Density   Type: Fluid density\n"
                "*Initial Conditions, type=Density\nBlock-1.Hot, 2.5\n",
            FbRun(b).Step("Initial"));
}

// Through the driver: an initial-state field beside a two-step history, a
// suppressed field of a kind no writer knows and a plain field write no
// predefined field at all. The unknown kind in the initial step stops the
// write and removes the file; a file that may not be written stays as it
// was.
TEST(aif_FieldBuilder, PassedOverFieldsAndUnknownKindThroughTheDriver) {
  hst_ModelBuilder b = FbModel({"Step-1", "Step-2"});
  kpfC_InitialState imported;
  imported.SetInstanceNames({"Block-1"});
  imported.SetStatus("Initial", 1);
  imported.SetStatus("Step-1", 2);
  imported.SetStatus("Step-2", 4);
  b.AddField("Imported", imported);
  kpfC_Field plain;
  plain.SetStatus("Step-1", 1);
  plain.SetStatus("Step-2", 15);
  b.AddField("Plain", plain);
  FbOddField odd;
  odd.SetRegion(FbRegion("Hot"));
  odd.SetStatus("Initial", 1);
  odd.SetStatus("Step-2", 4);
  odd.SetInactive(1);
  b.AddField("Odd", odd);
  const aif_test::TempDeck deck("FbPassedOver");
  const std::string text = deck.Write(b);
  EXPECT_EQ(std::string::npos, text.find("PREDEFINED FIELDS")) << text;
  EXPECT_EQ(std::string::npos, text.find("Initial Conditions")) << text;
  EXPECT_NE(std::string::npos, text.find("*End Step\n")) << text;

  odd.SetInactive(0);
  odd.SetStatus("Step-2", 1);
  b.AddField("Odd", odd);
  EXPECT_EQ("Unimplemented field for initial condition!",
            aif_test::DriverWriteError(b, deck.Path()));
  EXPECT_FALSE(std::filesystem::exists(deck.Path()));

  std::ofstream(deck.Path()) << "old deck\n";
  rt_FailCall(rt_Call::WriteAccess, 1, false);
  EXPECT_EQ("", aif_test::DriverWriteError(b, deck.Path()));
  rt_ClearFaults();
  EXPECT_EQ("old deck\n", aif_test::ReadFile(deck.Path()));
}

// Pressure stress and mass flow rate stand only inside a step: given in the
// initial step they write nothing before the first step (the temperature
// beside them is an initial condition as before) and each leaves a
// message; in Step-1 the pressure stress is written. An initial-state kind
// created or modified in a later step writes nothing there and leaves a
// message naming the step; carried over it leaves none.
TEST(aif_FieldBuilder, KindsGivenInAStepTheyCannotStandIn) {
  ajbC_CheckingMessages::Instance().Messages().Clear();
  hst_ModelBuilder b = FbModel({"Step-1", "Step-2"});
  kpfC_PressureStress pressure;
  pressure.SetRegion(FbRegion("Hot"));
  pressure.SetState("Initial", 1, FbValues({2.0}));
  pressure.SetState("Step-1", 3, FbValues({3.0}));
  b.AddField("P-Stress", pressure);
  kpfC_MassFlowRate flow;
  flow.SetRegion(FbRegion("Hot"));
  flow.SetState("Initial", 1, FbValues({0.5}));
  b.AddField("Q-Flow", flow);
  kpfC_Temperature heat;
  heat.SetRegion(FbRegion("Hot"));
  heat.SetState("Initial", 1, FbValues({20.0}));
  b.AddField("A-Heat", heat);
  kpfC_Velocity velocity;
  velocity.SetRegion(FbRegion("Hot"));
  velocity.SetComponents({1.0, 0.0, 0.0});
  velocity.SetStatus("Initial", 1);
  velocity.SetStatus("Step-1", 2);
  velocity.SetStatus("Step-2", 3);
  b.AddField("V-Speed", velocity);
  kpfC_VoidsRatio ratio;
  ratio.SetRegion(FbRegion("Hot"));
  ratio.SetValue(0.4);
  ratio.SetStatus("Step-1", 1);
  b.AddField("R-Ratio", ratio);

  const FbRun run(b);
  EXPECT_EQ(std::string(kFbBanner) +
                "** Name: A-Heat   Type: Temperature\n"
                "*Initial Conditions, type=TEMPERATURE\nBlock-1.Hot, 20.\n"
                "** Name: V-Speed   Type: Velocity\n"
                "*Initial Conditions, type=VELOCITY\n"
                "Block-1.Hot, 1, 1.\nBlock-1.Hot, 2, 0.\nBlock-1.Hot, 3, 0.\n",
            run.Step("Initial"));
  EXPECT_EQ(std::string(kFbBanner) +
                "** Name: P-Stress   Type: Pressure stress\n*Pressure Stress\nBlock-1.Hot, 3.\n",
            run.Step("Step-1"));
  EXPECT_EQ("", run.Step("Step-2"));
  std::vector<std::string> messages;
  for (const atr_String& text : ajbC_CheckingMessages::Instance().Messages())
    messages.push_back(text.Str());
  ajbC_CheckingMessages::Instance().Messages().Clear();
  EXPECT_EQ(messages,
            (std::vector<std::string>{
                "The predefined field P-Stress is not written: a pressure stress field can be "
                "given only in an analysis step.",
                "The predefined field Q-Flow is not written: a mass flow rate field can be given "
                "only in an analysis step.",
                "The predefined field R-Ratio is not written in step Step-1: a void ratio field "
                "can be given only in the initial step.",
                "The predefined field V-Speed is not written in step Step-2: a velocity field can "
                "be given only in the initial step.",
            }));
}
