// The input-file and parameter-file drivers: section order, banners, closing
// lines, progress messages, and what happens to the file when anything fails.
#include "aif/impl/core/aif_Builder.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

#include "BasMem/mem_Allocator.h"
#include "HostModules/hst_ModelBuilder.h"
#include "MSVCR90/rt_Runtime.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/korC_Output.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "OdbAttrEO/kprC_Procedure.h"
#include "OdbAttrEO/kprC_StepRequests.h"
#include "OdbAttrEO/kseC_PointSection.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "OdbCore/ddb_DdbContainer.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_FinalBuilder.h"
#include "aif/impl/core/aif_KestBuilder.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/model/aif_MeshTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

namespace fs = std::filesystem;
using aif_test::ExpectGolden;
using aif_test::ReadFile;

// Block (point mass) placed twice and once inactive; lightweight Plate (shell,
// reference point); steps: initial with a snippet, load cases (one suppressed,
// one unnamed), suppressed, frequency, all cases suppressed; a temperature
// from the start, raised in a load case; `substructure`
// adds a generation step, which makes the file flat.
hst_ModelBuilder SampleModel(bool substructure = false) {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddPart("Plate", hst_Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0}, "S4R", 4, {0, 1, 2, 3}));
  b.MutablePart("Plate").SetReferencePoints({{0.5, 0.5, 0.0}});
  kseC_PointSection lumped;
  lumped.SetMass(2.0);
  b.AddPointSection("Block", {{0.5, 0.5, 1.5}}, lumped);
  rgnC_Region face("Face", {"Plate"});
  face.SetPicked(true);
  face.SetKernelElementIndices(2, {0});
  b.MutablePart("Plate").AddAttribute(ptoC_SectionAssignment(face, "Skin"));
  kseC_HomogenousShellSection skin;
  skin.thickness = 0.002;
  skin.material = "Aluminium";
  b.AddSection("Skin", skin);
  b.AddMaterial("Aluminium", kmaC_Material());
  // The block's top corner node and its brick, as sets of the part.
  rgnC_Region corner("Corner", {"Block"});
  rgnC_Region cube("Cube", {"Block"});
  for (int instance : {1, 3, 4}) {
    corner.SetKernelNodeIndices(instance, {7});
    cube.SetKernelElementIndices(instance, {0});
  }
  for (auto [region, id, mask] : {std::tuple{&corner, 30u, rgnF_Set::kNodeSet},
                                  std::tuple{&cube, 31u, rgnF_Set::kElementSet}}) {
    rgnF_Set set(*region);
    set.SetId(id);
    set.SetName(region->Name());
    set.typeMask = mask;
    b.MutablePart("Block").FeatureList().Add(set);
  }
  b.AddInstance("Block-1", "Block");
  b.AddInstance("Plate-1", "Plate", {.lightweight = true});
  b.AddInstance("Block-2", "Block");
  b.AddInstance("Block-3", "Block", {.active = false});
  kprC_InitialStep initial;
  initial.SetInputSnippet("*Include, input=initial.inp");
  b.Steps().Append("Initial", initial);
  kprC_StaticStep loading;
  loading.AddLoadCase("LC-1");
  loading.AddLoadCase("LC-2", true);
  loading.AddLoadCase("");
  loading.AddLoadCase("LC-3");
  loading.SetLoadCaseBCFactor("LC-1", "Lift", 0.5f);
  loading.SetLoadCaseFieldFactor("LC-1", "Warmth", 0.5f);
  b.AddStep("Step-1", loading);
  b.AddStep("Skipped", hst_ModelBuilder::MakeStep<kprC_StaticStep>(true));
  b.AddStep("Modes", kprC_FrequencyStep());
  kprC_StaticStep quiet;  // every load case suppressed
  quiet.AddLoadCase("LC-1", true);
  kprC_StandardRestart restart;
  restart.SetFrequency(10);
  quiet.SetRestart(restart);
  b.AddStep("Quiet", quiet);
  // Output requests of the whole model: field output in Quiet, history
  // output from Step-1 on (dropped where a load case is written).
  korC_FieldOutputState fieldState;
  fieldState.SetVariablesKind(korC_LIST);
  fieldState.SetVariables({"U", "S"});
  fieldState.SetFrequency(5);
  korC_FieldOutput field;
  field.SetState("Quiet", fieldState);
  b.AddFieldOutput("F-Output-1", field);
  korC_HistoryOutputState historyState;
  historyState.SetVariablesKind(korC_LIST);
  historyState.SetVariables({"ALLKE"});
  korC_HistoryOutput history;
  history.SetState("Step-1", historyState);
  history.SetState("Quiet", historyState, 2);
  b.AddHistoryOutput("H-Output-1", history);
  // Loads: a push on the block's top corner, created in Step-1 (a static
  // step writes its loads itself, load cases or not) and, with a
  // substructure, modified in Reduce, whose load case LC-A applies it at
  // half its value and LC-B not at all; a weight on Block-2, created in
  // Step-1 and modified in Quiet.
  rgnC_Region pushed("Corner", {"Assembly", "Block-1"});
  pushed.SetKernelInstanceIds({1u});
  pushed.SetKernelNodeIndices(1, {7});
  kloC_ConcentratedForce push;
  push.SetRegion(pushed);
  push.SetState("Step-1", 1, kloC_LoadState(1, {0.0, 0.0, -5.0}));
  b.AddLoad("Push", push);
  rgnC_Region weighed("Cube", {"Assembly", "Block-2"});
  weighed.SetKernelInstanceIds({3u});
  weighed.SetKernelElementIndices(3, {0});
  kloC_Gravity weight;
  weight.SetRegion(weighed);
  weight.SetState("Step-1", 1, kloC_LoadState(1, {0.0, 0.0, -9.81}));
  kloC_LoadState lighter(3, {});
  lighter.SetValue(2, -1.62, 1);
  weight.SetState("Quiet", 3, lighter);
  b.AddLoad("Weight", weight);
  // Boundary conditions: Block-2's corner clamped from the initial step on
  // (carried over, so written once); Block-1's corner lifted in Step-1, at
  // half its value in LC-1 (LC-3 names none and only ends the
  // step's ones), and released in Quiet; with a substructure, a hold created
  // in Reduce, the only condition the generation step writes.
  rgnC_Region clamped("Corner", {"Assembly", "Block-2"});
  clamped.SetKernelInstanceIds({3u});
  clamped.SetKernelNodeIndices(3, {7});
  kbcC_TypeBC clamp;
  clamp.SetRegion(clamped);
  kbcC_TypeBCState encastre;
  encastre.SetTypeName(kbcC_TypeBC::ENCASTRE, 1);
  clamp.SetState("Initial", 1, encastre);
  kbcC_TypeBCState carried;
  carried.SetTypeName(kbcC_TypeBC::ENCASTRE, 2);
  for (const char* step : {"Step-1", "Modes", "Quiet", "Reduce"})
    clamp.SetState(step, 2, carried);
  b.AddBoundaryCondition("Clamp", clamp);
  kbcC_DisplacementBC lift;
  lift.SetRegion(pushed);
  kbcC_DisplacementBCState raised;
  raised.SetComponent(2, 0.1, 1);
  lift.SetState("Step-1", 1, raised);
  kbcC_DisplacementBCState kept;
  kept.SetComponent(2, 0.1, 2);
  lift.SetState("Modes", 2, kept);
  lift.SetState("Quiet", 4, kbcC_DisplacementBCState());
  lift.SetState("Reduce", 5, kbcC_DisplacementBCState());
  b.AddBoundaryCondition("Lift", lift);
  // A temperature of Block-1's corner: 20 at the start, raised to 50 in
  // Step-1, where only LC-1 applies it (at half), then carried over.
  kpfC_Temperature warmth;
  warmth.SetRegion(pushed);
  kpfC_GeneralFieldBaseState start, raise, held;
  start.SetValues({20.0});
  raise.SetValues({50.0});
  held.SetValues({50.0}, 2);
  warmth.SetState("Initial", 1, start);
  warmth.SetState("Step-1", 3, raise);
  for (const char* step : {"Modes", "Quiet"})
    warmth.SetState(step, 2, held);
  b.AddField("Warmth", warmth);
  if (substructure) {
    kprC_SubstructureGenerateStep reduce;
    reduce.AddLoadCase("LC-A");
    reduce.AddLoadCase("LC-B");
    reduce.SetLoadCaseFactor("LC-A", "Push", 0.5f);
    b.AddStep("Reduce", reduce);
    kbcC_DisplacementBC hold;
    hold.SetRegion(clamped);
    kbcC_DisplacementBCState still;
    still.SetComponent(0, 0.0, 1);
    hold.SetState("Reduce", 1, still);
    b.AddBoundaryCondition("Hold", hold);
    kloC_LoadState harder(3, {});
    harder.SetValue(2, -8.0, 1);
    push.SetState("Reduce", 3, harder);
    b.AddLoad("Push", push);
  }
  return b;
}

// A model, its job, the context and the driver, alive together.
struct Writer {
  explicit Writer(const hst_ModelBuilder& b, int jobType = ajbC_FULL_ANALYSIS)
      : model(b.Model()), job("Job-1", b.Job(jobType), model), info(job), builder(info) {}
  bas_NewModel model;
  aif_Job job;
  aif_ModelInfo info;
  aif_Builder builder;
};

class aif_BuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/aif_BuilderTest.XXXXXX";
    dir_ = mkdtemp(pattern);
    cmdC_WIP::Clear();
  }
  void TearDown() override {
    rt_ClearFaults();
    mem_ClearFault();
    pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
    fs::permissions(dir_, fs::perms::owner_all);
    fs::remove_all(dir_);
  }
  std::string Path(const char* name) const { return dir_ + "/" + name; }
  std::string Listing() const {
    std::string names;
    for (const auto& entry : fs::directory_iterator(dir_))
      names += entry.path().filename().string() + " ";
    return names;
  }
  // The deck of `b`, written twice alike by one driver; progress of the second.
  std::string Deck(const hst_ModelBuilder& b, bool jobKeywords, bool model,
                   int jobType = ajbC_FULL_ANALYSIS) {
    Writer w(b, jobType);
    const std::string path = Path("deck.inp");
    EXPECT_TRUE(w.builder.WriteInputFile(path, jobKeywords, model));
    const std::string first = ReadFile(path);
    cmdC_WIP::Clear();
    EXPECT_TRUE(w.builder.WriteInputFile(path, jobKeywords, model));
    EXPECT_EQ(first, ReadFile(path));
    return first;
  }

  std::string dir_;
};

TEST_F(aif_BuilderTest, GoldenDecks) {
  const hst_ModelBuilder b = SampleModel();
  ExpectGolden(Deck(b, true, false), "aif/core/golden/job_keywords_only.inp");
  ExpectGolden(Deck(b, false, true), "aif/core/golden/part_based_model.inp");
  ExpectGolden(Deck(b, true, true), "aif/core/golden/part_based_job.inp");
  ExpectGolden(Deck(SampleModel(true), true, true), "aif/core/golden/flat_job.inp");
}

// A restart deck starts after the restart step; a missing results file or a
// restart step that is no active step stops the write and leaves no file.
TEST_F(aif_BuilderTest, RestartDeck) {
  hst_ModelBuilder b = SampleModel();
  b.AddStep("Step-3", kprC_StaticStep(), {"LC-9"});
  b.MutableModel().SetRestart("", "Skipped", -2, false);
  EXPECT_EQ("The restart step Skipped is not an active step of the model.",
            aif_test::MessageOf([&] { Deck(b, false, true, ajbC_RESTART); }));
  EXPECT_EQ("", Listing());
  const std::string previous = Path("prev");
  b.MutableModel().SetRestart(previous, "Step-1", -2, false);
  EXPECT_EQ("Missing .odb file " + previous + ".odb",
            aif_test::MessageOf([&] { Deck(b, true, true, ajbC_RESTART); }));
  EXPECT_EQ("", Listing());

  std::ofstream(previous + ".odb") << "results";
  ddb_DdbContainer::AddResultsModel(
      previous + ".odb",
      ddb_Model("Default Model").AddStep("Step-1", ddb_Step(1, kprC_STATIC_PROCEDURE)));
  ExpectGolden(Deck(b, true, true, ajbC_RESTART), "aif/core/golden/restart_job.inp");
  ddb_DdbContainer::ClearResults();
}

// A block placed once with an assembly node set, a material, a filter, an
// integrated output section on the set, and time points; analysis product 1.
hst_ModelBuilder OutputDataDeckModel() {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  rgnC_Region fixed("Fixed", {});
  fixed.SetKernelNodeIndices(1, {0});
  rgnF_Set set(fixed);
  set.SetName("Fixed");
  set.typeMask = rgnF_Set::kNodeSet;
  b.Assembly().FeatureList().Add(set);
  b.AddMaterial("Steel", kmaC_Material());
  kflC_ButterworthFilter smooth;
  smooth.SetCutoffFrequency(100.0);
  b.AddFilter("Smooth", smooth);
  korC_IntegratedOutputSection cut;
  cut.SetSurfaceRegion(rgnC_Region("Fixed", {"Assembly"}));
  b.AddIntegratedOutputSection("Cut", cut);
  b.AddTimePoint("Times", kprC_TimePoint({{0.5}, {1.0}}));
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", kprC_StaticStep());
  b.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  return b;
}

// Filters go with the model data before the materials, integrated output
// sections with the assembly data, time points with the model data after
// the builders before them; a restart deck writes only the filters and the
// regions, the filters first.
TEST_F(aif_BuilderTest, OutputDataInTheirSectionsAndBeforeARestartHistory) {
  hst_ModelBuilder b = OutputDataDeckModel();
  b.MutableModel().SetPhysicalConstants(-273.15, DBL_MAX, DBL_MAX);
  const std::string deck = Deck(b, false, true);
  const std::size_t instanceEnd = deck.find("*End Instance\n");
  ASSERT_NE(instanceEnd, std::string::npos) << deck;
  const std::string step =
      "*Static\n1., 1., 1.e-05, 1.\n" + aif_test::DefaultOutputLines() + "*End Step\n";
  EXPECT_EQ(deck.substr(instanceEnd),
            "*End Instance\n"
            "**  \n"
            "*Nset, nset=Fixed, instance=Block-1\n 1,\n"
            "** \n** INTEGRATED OUTPUT SECTIONS\n** \n"
            "*Integrated Output Section, name=Cut, surface=Fixed, project orientation=NO\n"
            "*End Assembly\n"
            "*Filter, name=Smooth, type=BUTTERWORTH\n100.\n"
            "** \n** MATERIALS\n** \n"
            "*Material, name=Steel\n"
            "*Time Points, name=Times\n0.5, 1.\n"
            "** \n** PHYSICAL CONSTANTS\n** \n"
            "*Physical Constants, absolute zero=-273.15\n"
            "** ----------------------------------------------------------------\n** \n"
            "** STEP: Step-1\n** \n*Step, name=Step-1, nlgeom=YES\n" +
                step +
                "** ----------------------------------------------------------------\n** \n"
                "** STEP: Step-2\n** \n*Step, name=Step-2, nlgeom=YES\n" +
                step);

  b.MutableModel().SetRestart("Previous", "Step-1", -2, false);
  EXPECT_EQ(Deck(b, false, true, ajbC_RESTART),
            "*Filter, name=Smooth, type=BUTTERWORTH\n100.\n"
            "*Nset, nset=Assembly.Fixed, instance=Block-1\n 1,\n"
            "** ----------------------------------------------------------------\n** \n"
            "** STEP: Step-2\n** \n*Step, name=Step-2, nlgeom=YES\n" +
                step);
}

TEST_F(aif_BuilderTest, ClosingKeywordsOfPartsInstancesAndTheAssembly) {
  Writer w(SampleModel());
  aif_FinalBuilder final(w.info);
  final.Build();
  auto text = [](const akw_KeywordList& list) {
    return aif_test::WrittenText([&](utl_Stream& s) { akw_WriteKeywords(s, list); });
  };
  // Parts close once, whatever the instance count; inactive instances, the
  // suppressed and the unnamed load case and the initial step are not closed;
  // a step closes after its last load case. Each list ends in "|".
  std::string all;
  for (const char* part : {"Block", "Plate"})
    all += text(final.PartDefinition(part)) + "|";
  for (const char* instance : {"Block-1", "Block-2", "Block-3"})
    all += text(final.InstanceDefinition(instance)) + "|";
  all += text(final.AssemblyDefinition()) + "|";
  for (auto [step, loadCase] : {std::pair{"Step-1", "LC-1"},
                                {"Step-1", "LC-2"},
                                {"Step-1", ""},
                                {"Step-1", "LC-3"},
                                {"Modes", ""},
                                {"Quiet", ""},
                                {"Initial", ""},
                                {"Skipped", ""}})
    all += text(final.StepDefinition(step, loadCase)) + "|";
  EXPECT_EQ(all,
            "*End Part\n**  \n|*End Part\n**  \n|*End Instance\n|*End Instance\n**  \n||"
            "*End Assembly\n|*End Load Case\n|||*End Load Case\n*End Step\n|*End Step\n|"
            "*End Step\n|** \n** SOLVER INPUT SNIPPET\n** \n*Include, input=initial.inp\n||");
}

TEST_F(aif_BuilderTest, SectionsWithoutAssemblyAndProgressMessages) {
  hst_ModelBuilder b("Model-1");
  b.WithoutAssembly();
  b.AddStep("Step-1", kprC_StaticStep(), {"LC-1"});
  EXPECT_EQ(
      "**\n** PARTS\n**\n"
      "** ----------------------------------------------------------------\n** \n"
      "** STEP: Step-1\n** \n"
      "*Step, name=Step-1\n*Static\n1., 1., 1.e-05, 1.\n" +
          aif_test::DefaultOutputLines() +
          "** \n** LOAD CASES\n** \n"
          "*Load Case, name=LC-1\n"
          "*Boundary, op=NEW\n"
          "*End Load Case\n"
          "*End Step\n",
      Deck(b, false, true));
  EXPECT_EQ((std::vector<std::string>{
                "Writing assembly related keywords...", "Writing model definition...",
                "Writing keywords for step Initial...", "Writing keywords for step Step-1..."}),
            cmdC_WIP::Texts(cmdC_WIP::Kind::Milestone));

  cmdC_WIP::Clear();
  Deck(SampleModel(), false, true);
  EXPECT_EQ((std::vector<std::string>{
                "Writing keywords for part instance Block-1...",
                "Writing keywords for part instance Plate-1...",
                "Writing keywords for part instance Block-2...",
                "Writing assembly related keywords...", "Writing model definition...",
                "Writing keywords for step Initial...", "Writing keywords for step Step-1...",
                "Writing keywords for step Modes...", "Writing keywords for step Quiet..."}),
            cmdC_WIP::Texts(cmdC_WIP::Kind::Milestone));
}

TEST_F(aif_BuilderTest, FilesThatMayNotBeWritten) {
  Writer w(SampleModel());
  // A read-only file stays as it was (the runtime reports it read-only: the
  // tests may run as root, who may write any file).
  const std::string readOnly = Path("readonly.inp");
  std::ofstream(readOnly) << "keep me\n";
  rt_FailCall(rt_Call::WriteAccess, 1, false);
  EXPECT_FALSE(w.builder.WriteInputFile(readOnly, true, true));
  EXPECT_EQ("keep me\n", ReadFile(readOnly));
  // A file that cannot be created: false and nothing on disk.
  EXPECT_FALSE(w.builder.WriteInputFile(Path("missing/deck.inp"), true, true));
  // An existing writable file is replaced.
  const std::string existing = Path("existing.inp");
  std::ofstream(existing) << "old deck\n";
  ASSERT_TRUE(w.builder.WriteInputFile(existing, true, false));
  EXPECT_EQ(0u, ReadFile(existing).find("*Heading"));
}

// The Nth file call or allocation fails, N = 1, 2, ... until a write meets no
// fault: each failure reaches the caller and leaves no file.
TEST_F(aif_BuilderTest, EveryFaultLeavesNoPartialFile) {
  Writer w(SampleModel());
  const std::string path = Path("deck.inp");
  ASSERT_TRUE(w.builder.WriteInputFile(path, true, true));
  const std::string complete = ReadFile(path);
  fs::remove(path);

  for (rt_Call call : {rt_Call::Fopen, rt_Call::Write, rt_Call::Close}) {
    for (long n = 1;; ++n) {
      rt_FailCall(call, n, false);
      bool written = false;
      std::string error;
      try {
        written = w.builder.WriteInputFile(path, true, true);
      } catch (const aif_Exception& e) {
        error = e.Message().Str();
      }
      rt_ClearFaults();
      if (written) {
        EXPECT_EQ(complete, ReadFile(path));
        fs::remove(path);
        break;
      }
      SCOPED_TRACE("call " + std::to_string(static_cast<int>(call)) + ", n " + std::to_string(n));
      if (call != rt_Call::Fopen) {
        EXPECT_EQ(
            "The input file " + path + " could not be written completely (the disk may be full).",
            error);
      }
      EXPECT_EQ("", Listing());
      ASSERT_LT(n, 10) << "the write never completes";
    }
  }

  for (long n = 1;; ++n) {
    mem_FailAllocation(n, false);
    bool written = false;
    try {
      written = w.builder.WriteInputFile(path, true, true);
    } catch (const nex_OutOfMemoryException& e) {
      EXPECT_EQ("Out of memory.", e.UserReport().Str());
    }
    mem_ClearFault();
    if (written) break;
    EXPECT_EQ("", Listing()) << "allocation " << n;
    ASSERT_LT(n, 10000) << "the write never completes";
  }
  EXPECT_EQ(complete, ReadFile(path));

  // The old file cannot be removed: the call gives up and leaves it.
  std::ofstream(path) << "old deck\n";
  rt_FailCall(rt_Call::Remove, 1, false);
  EXPECT_FALSE(w.builder.WriteInputFile(path, true, true));
  EXPECT_EQ("old deck\n", ReadFile(path));
}

TEST_F(aif_BuilderTest, ParameterFile) {
  const hst_ModelBuilder b = SampleModel();
  const bas_NewModel model = b.Model();
  const aif_OptimizationProcess process("Opt-1", ajbC_Optimization("Model-1", "Task-1"), model);
  aif_ModelInfo info(process);
  aif_KestBuilder kest(info);
  const std::string path = Path("opt.par");
  ASSERT_TRUE(kest.WriteInputFile(path, "DRIVER", true, true));
  // The sample model has no task "Task-1": the heading and FEM_INPUT alone
  // come before the caller's line.
  const std::string opening =
      "! Optimization Process name: Opt-1\n! Model name: Model-1\n! Task name: Task-1\n"
      "! Generated by: Model Pre-processor 1.0\nFEM_INPUT\n  ID_NAME = _INP_\n  FILE = .inp\n"
      "END_\n";
  EXPECT_EQ(opening + "DRIVER\nEXIT\n", ReadFile(path));
  EXPECT_EQ((std::vector<std::string>{
                "Writing option definition...", "Writing single term definition...",
                "Writing combined term definition...", "Writing design area definition...",
                "Writing model definition..."}),
            cmdC_WIP::Texts(cmdC_WIP::Kind::Milestone));
  ASSERT_TRUE(kest.WriteInputFile(path, "", false, true));
  EXPECT_EQ(opening + "EXIT\n", ReadFile(path));
  // Without the write flag the old file is replaced by an empty one.
  ASSERT_TRUE(kest.WriteInputFile(path, "DRIVER", false, false));
  EXPECT_EQ("", ReadFile(path));

  rt_FailCall(rt_Call::Write, 1, false);
  EXPECT_THROW(kest.WriteInputFile(path, "DRIVER", false, true), aif_Exception);
  EXPECT_EQ("", Listing());
}

}  // namespace
