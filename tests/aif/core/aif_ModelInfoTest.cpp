// The per-write context: the part-based decision, label numbering of flat and
// part-based files, the cached kernel lookups and the names it hands out.

#include "aif/impl/core/aif_ModelInfo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kNoPartsKey[] = "cae_no_parts_input_file";
constexpr char kNodeOffset[] = "TVN_AIF_NODEOFFSET";
constexpr char kElementOffset[] = "TVN_AIF_ELEMENTOFFSET";
constexpr const char* kVariables[] = {kNodeOffset, kElementOffset};

// A write of the builder's model: the job outlives the context, as the host's
// does.
struct Write {
  explicit Write(const hst_ModelBuilder& b, int jobType = ajbC_FULL_ANALYSIS)
      : job("Job-1", b.Job(jobType), b.Model()), info(job) {}
  aif_Job job;
  aif_ModelInfo info;
};

// One meshed part "Block" (8 nodes), its instance and a static step.
hst_ModelBuilder BlockModel() {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.AddStep("Step-1", kprC_StaticStep());
  return b;
}

// Instance options with attachment points and lines.
hst_ModelBuilder::InstanceOptions Attached(int points, int lines = 0) {
  hst_ModelBuilder::InstanceOptions options;
  options.attachmentPoints = points;
  options.attachmentLines = lines;
  return options;
}

// A one-brick mesh with user labels: nodes lastNode-7 to lastNode, its only
// element `element`.
std::shared_ptr<bme_Mesh> LabelledBrick(int lastNode, int element) {
  auto mesh = std::make_shared<bme_Mesh>();
  mesh->MutableNodeData().MutableCoordinates().resize(3 * 8);
  for (int label = lastNode - 7; label <= lastNode; ++label)
    mesh->MutableNodeData().MutableUserNodeLabels().push_back(label);
  bme_ElementClass& bricks = mesh->AddElementClass("C3D8", 8);
  bricks.MutableConnectivity() = {0, 1, 2, 3, 4, 5, 6, 7};
  bricks.MutableUserLabels() = {element};
  return mesh;
}

// Each test starts without the environment-file key and the offset variables,
// and gives the variables back as it found them.
// "name node/element" offsets of each instance, blank-separated.
std::string Offsets(const aif_ModelInfo& info, std::initializer_list<const char*> names) {
  std::string text;
  for (const char* name : names)
    text += std::string(text.empty() ? "" : " ") + name + " " +
            std::to_string(info.NodeOffset(name)) + "/" + std::to_string(info.ElementOffset(name));
  return text;
}

class aif_ModelInfoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 2; ++i)
      if (const char* value = std::getenv(kVariables[i])) saved_[i] = value;
    TearDown();
  }
  void TearDown() override {
    for (int i = 0; i < 2; ++i)
      saved_[i] ? setenv(kVariables[i], saved_[i]->c_str(), 1) : unsetenv(kVariables[i]);
    pyo_MorvexEnvFile::Instance().Remove(kNoPartsKey);
  }
  static void SetFlat(int value) { pyo_MorvexEnvFile::Instance().Set(kNoPartsKey, value); }

 private:
  std::optional<std::string> saved_[2];
};

TEST_F(aif_ModelInfoTest, PartBasedDecision) {
  // Whether the block model, changed by `change`, is written part-based.
  auto partBased = [](auto&& change) {
    hst_ModelBuilder b = BlockModel();
    change(b);
    return Write(b).info.IsPartBased();
  };
  auto unchanged = [](hst_ModelBuilder&) {};
  auto v5 = [](hst_ModelBuilder& b) { b.MutableModel().SetVersionTag("v5"); };
  EXPECT_TRUE(partBased(unchanged));
  EXPECT_FALSE(partBased(v5));
  SetFlat(1);
  EXPECT_FALSE(partBased(unchanged));
  SetFlat(0);  // the key wins over the version tag
  EXPECT_TRUE(partBased(v5));

  EXPECT_FALSE(partBased([](hst_ModelBuilder& b) { b.Assembly().SetRequiresFlatInputFile(true); }));
  EXPECT_FALSE(partBased(
      [](hst_ModelBuilder& b) { b.AddStep("Generate", kprC_SubstructureGenerateStep()); }));
  EXPECT_TRUE(partBased([](hst_ModelBuilder& b) {
    kprC_SubstructureGenerateStep suppressed;
    suppressed.SetSuppressed(true);
    b.AddStep("Generate", suppressed);
  }));
  // The initial step is never examined, whatever its type.
  EXPECT_TRUE(partBased([](hst_ModelBuilder& b) {
    b.MutableModel().SetExtension(bas_NewModel::stepCmd, std::make_shared<kprC_StepContainer>());
    b.Steps().Append("Initial", kprC_SubstructureGenerateStep());
    b.AddStep("Step-1", kprC_StaticStep());
  }));
}

TEST_F(aif_ModelInfoTest, ObjectsOfTheWrongClassFailTheTypeTest) {
  auto expectTypeTest = [](auto&& construct, const std::string& expectedClass) {
    try {
      construct();
      ADD_FAILURE() << "no type test failed for " << expectedClass;
    } catch (const nex_TextException& e) {
      const std::string text = e.Text().Str();
      EXPECT_EQ(0u, text.rfind("Type test failed: the object is not a " + expectedClass +
                                   " (source file module/aif/impl/aif_ModelInfo, line ",
                               0))
          << text;
      EXPECT_EQ(").", text.substr(text.size() - 2));
    }
  };
  const aif_Job inputFileJob("Job-1", ajbC_InputFileJob("old.inp"));
  expectTypeTest([&] { aif_ModelInfo info(inputFileJob); }, "ajbC_ModelJob");

  // A later step that is no analysis step (past the first general step, which
  // the model adapter checks itself).
  hst_ModelBuilder b = BlockModel();
  b.AddStep("Odd", kprC_InitialStep());
  expectTypeTest([&] { Write write(b); }, "kprC_AnalysisStep");
  SetFlat(1);  // a flat file never walks the steps
  EXPECT_FALSE(Write(b).info.IsPartBased());
}

TEST_F(aif_ModelInfoTest, JobAndOptimizationProcess) {
  hst_ModelBuilder b = BlockModel();
  b.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  Write analysis(b);
  EXPECT_FALSE(analysis.info.IsRestart());
  EXPECT_EQ(nullptr, analysis.info.OptimizationProcess());
  EXPECT_EQ(kprC_EXPLICIT, analysis.info.AnalysisProduct());
  EXPECT_TRUE(Write(b, ajbC_RESTART).info.IsRestart());

  SetFlat(0);
  const aif_OptimizationProcess process("Opt-1", ajbC_Optimization("Model-1", "Task-1"), b.Model());
  aif_ModelInfo info(process);
  EXPECT_FALSE(info.IsPartBased());
  EXPECT_EQ(nullptr, info.Job());
  EXPECT_FALSE(info.IsRestart());
  ASSERT_NE(nullptr, info.OptimizationProcess());
  EXPECT_EQ(kprC_EXPLICIT, info.AnalysisProduct());
  EXPECT_EQ("Task-1", info.Model().OptimizationText().Str());

  // The context reads the model of its own copies: the job and process it was
  // built from may go away first.
  const aif_ModelInfo fromJob(aif_Job("Job-1", b.Job(), b.Model()));
  const aif_ModelInfo fromProcess(
      aif_OptimizationProcess("Opt-1", ajbC_Optimization("Model-1", "Task-1"), b.Model()));
  EXPECT_EQ(2u, fromJob.ModelAdapter().Steps().Length());
  EXPECT_EQ(2u, fromProcess.ModelAdapter().Steps().Length());
}

TEST_F(aif_ModelInfoTest, WithoutAssemblyNothingIsNumbered) {
  hst_ModelBuilder b = BlockModel();
  b.WithoutAssembly();
  SetFlat(1);
  setenv(kNodeOffset, "100", 1);
  Write write(b);
  EXPECT_EQ(nullptr, write.info.Assembly());
  EXPECT_EQ(0, write.info.NodeOffset("Block-1"));
  EXPECT_EQ(0, write.info.ElementOffset("Block-1"));
  EXPECT_EQ(nullptr, write.info.LabelTable());
}

TEST_F(aif_ModelInfoTest, FlatWithoutConflictKeepsLabelsAndStartsAboveTheHighest) {
  hst_ModelBuilder b;
  b.AddPart("Low", hst_GridMesh(1, 1, 1));    // nodes 1-8, element 1
  b.AddPart("High", LabelledBrick(250, 40));  // nodes 243-250, element 40
  b.AddPart("Points", nullptr);
  b.AddInstance("Low-1", "Low");
  const unsigned high = b.AddInstance("High-1", "High", Attached(1));
  b.AddInstance("Points-1", "Points", Attached(2));
  SetFlat(1);
  setenv(kNodeOffset, "1000", 1);
  setenv(kElementOffset, " 500", 1);
  Write write(b);
  aif_ModelInfo& info = write.info;

  EXPECT_TRUE(info.NodeLabelsUsable());
  EXPECT_TRUE(info.ElementLabelsUsable());
  EXPECT_NE(nullptr, info.LabelTable());
  // The instance without a mesh starts at the counter and has no elements.
  EXPECT_EQ("Low-1 1000/500 High-1 1000/500 Points-1 1251/0",
            Offsets(info, {"Low-1", "High-1", "Points-1"}));
  EXPECT_EQ(1000, info.AssyNodeOffsetsID(static_cast<int>(high)));
  EXPECT_EQ(500, info.AssyElementOffsetsID(static_cast<int>(high)));
  EXPECT_EQ(8 + 9 + 2, info.TotalNodeCount());

  // Attachment nodes and fresh labels follow the highest label written
  // (250 + 1000), never repeating one.
  const asoK_AttachmentTree *points = nullptr, *lines = nullptr;
  ASSERT_TRUE(info.AttachmentNodeNumbers(high, points, lines));
  EXPECT_EQ(1251, points->Find(0)->label);
  EXPECT_EQ(1254, info.NextNodeLabel("any"));
  EXPECT_EQ(541, info.NextElementLabel("any"));
  EXPECT_EQ(541, info.ReserveElementLabels("any", 0));
  EXPECT_EQ(546, info.ReserveElementLabels("other", 5));
}

TEST_F(aif_ModelInfoTest, FlatWithoutLabelsKeepsTheEnvironmentOffsets) {
  hst_ModelBuilder b;
  b.AddPart("Empty", std::make_shared<bme_Mesh>());
  b.AddPart("Bare", nullptr);
  b.AddInstance("Empty-1", "Empty");
  b.AddInstance("Bare-1", "Bare", Attached(3));
  SetFlat(1);
  setenv(kNodeOffset, "100abc", 1);
  setenv(kElementOffset, "200", 1);
  {
    Write write(b);
    EXPECT_EQ("Empty-1 100/200 Bare-1 100/0", Offsets(write.info, {"Empty-1", "Bare-1"}));
    EXPECT_EQ(104, write.info.NextNodeLabel("Bare-1"));
    EXPECT_EQ(201, write.info.NextElementLabel("Bare-1"));
  }
  setenv(kNodeOffset, "none", 1);
  EXPECT_EQ(0, Write(b).info.NodeOffset("Empty-1"));
  setenv(kNodeOffset, "1073741823", 1);
  EXPECT_EQ(1073741823, Write(b).info.NodeOffset("Empty-1"));

  auto error = [&](const char* name, const char* value) -> std::string {
    setenv(name, value, 1);
    try {
      Write write(b);
    } catch (const aif_Exception& e) {
      return e.Message().Str();
    }
    return "no error";
  };
  EXPECT_EQ("The label offset TVN_AIF_NODEOFFSET=-5 is out of range (0 to 1073741823).",
            error(kNodeOffset, "-5"));
  EXPECT_EQ("The label offset TVN_AIF_NODEOFFSET=1073741824 is out of range (0 to 1073741823).",
            error(kNodeOffset, "1073741824"));
  unsetenv(kNodeOffset);
  EXPECT_EQ(
      "The label offset TVN_AIF_ELEMENTOFFSET=99999999999999999999 is out of range (0 to "
      "1073741823).",
      error(kElementOffset, "99999999999999999999"));
}

TEST_F(aif_ModelInfoTest, FlatConflictNumbersInstancesOneAfterTheOther) {
  hst_ModelBuilder b;
  b.AddPart("Strip", hst_GridMesh(4, 1, 0));  // 10 nodes, no elements
  b.AddPart("Brick", hst_GridMesh(1, 1, 1));  // 8 nodes, 1 element
  b.AddPart("Bare", nullptr);
  const unsigned strip = b.AddInstance("Strip-1", "Strip", Attached(1, 1));
  b.AddInstance("Strip-2", "Strip");
  b.AddInstance("Brick-1", "Brick");
  b.AddInstance("Brick-2", "Brick");
  b.AddInstance("Bare-1", "Bare");
  SetFlat(1);
  Write write(b);
  aif_ModelInfo& info = write.info;

  EXPECT_FALSE(info.NodeLabelsUsable());
  EXPECT_FALSE(info.ElementLabelsUsable());
  const asoK_AttachmentTree *points = nullptr, *lines = nullptr;
  ASSERT_TRUE(info.AttachmentNodeNumbers(strip, points, lines));
  EXPECT_EQ(11, points->Find(0)->label);
  EXPECT_EQ(12, lines->Find(0)->label);

  EXPECT_EQ("Strip-1 1/1 Strip-2 13/1 Brick-1 23/1 Brick-2 31/2 Bare-1 39/3",
            Offsets(info, {"Strip-1", "Strip-2", "Brick-1", "Brick-2", "Bare-1"}));
  EXPECT_EQ(38, info.TotalNodeCount());
  EXPECT_EQ(39, info.NextNodeLabel("Bare-1"));
  EXPECT_EQ(3, info.NextElementLabel("Bare-1"));  // the instance without a mesh took none
}

TEST_F(aif_ModelInfoTest, PartBasedNumbersPerInstance) {
  hst_ModelBuilder b;
  b.AddPart("Brick", hst_GridMesh(1, 1, 1), ptoK_DEFORMABLE, ptoK_SPACE_3D, 1);
  b.AddPart("Labelled", LabelledBrick(50, 70));
  b.AddInstance("Brick-1", "Brick", Attached(1, 1));
  b.AddInstance("Brick-2", "Brick");
  const unsigned labelled = b.AddInstance("Labelled-1", "Labelled");
  b.AddAssemblyNodes(hst_GridMesh(1, 0, 0), 2);  // 2 nodes
  Write write(b);
  aif_ModelInfo& info = write.info;

  ASSERT_TRUE(info.IsPartBased());
  EXPECT_TRUE(info.NodeLabelsUsable());  // the two Brick instances share labels
  EXPECT_EQ(nullptr, info.LabelTable());
  EXPECT_EQ("Brick-1 0/0 Brick-2 0/0 Labelled-1 0/0 Assembly 0/0 Nowhere-1 0/0",
            Offsets(info, {"Brick-1", "Brick-2", "Labelled-1", "Assembly", "Nowhere-1"}));
  EXPECT_EQ(0, info.AssyNodeOffsetsID(static_cast<int>(labelled)));
  // Mesh nodes and the instances' reference points, which are nodes too.
  EXPECT_EQ(9 + 9 + 8 + 2, info.TotalNodeCount());

  EXPECT_EQ(12, info.NextNodeLabel("Brick-1"));  // 8 nodes, 1 reference point, 2 attachments
  EXPECT_EQ(10, info.NextNodeLabel("Brick-2"));
  EXPECT_EQ(2, info.NextElementLabel("Brick-2"));
  EXPECT_EQ(51, info.NextNodeLabel("Labelled-1"));
  EXPECT_EQ(70, info.ReserveElementLabels("Labelled-1", 0));
  EXPECT_EQ(75, info.ReserveElementLabels("Labelled-1", 5));
  EXPECT_EQ(76, info.NextElementLabel("Labelled-1"));
  EXPECT_EQ(5, info.NextNodeLabel("Assembly"));  // own mesh and reference points
  EXPECT_EQ(1, info.NextNodeLabel("Nowhere-1"));

  SetFlat(1);  // flat counts the attachment nodes too
  EXPECT_EQ(9 + 2 + 9 + 8 + 2, Write(b).info.TotalNodeCount());
}

TEST_F(aif_ModelInfoTest, KernelLookupsAreCachedUntilReleased) {
  hst_ModelBuilder b;
  b.AddPart("Brick", hst_GridMesh(1, 1, 1));
  const unsigned brick = b.AddInstance("Brick-1", "Brick", Attached(2));
  cow_Map<int, cow_String> edge;
  edge.Set(1, "Brick-1.Face-2");
  b.Assembly().FeatureList().SetVertexSurfacePairs("Edge-1", edge);
  SetFlat(1);
  Write write(b);
  aif_ModelInfo& info = write.info;
  const ftr_FeatureList& features = info.Assembly()->ConstGetFeatureList();

  const long before = asoK_AttachmentQueries();
  const asoK_AttachmentTree *first = nullptr, *points = nullptr, *lines = nullptr;
  ASSERT_TRUE(info.AttachmentNodeNumbers(brick, first, lines));
  ASSERT_TRUE(info.AttachmentNodeNumbers(brick, points, lines));
  EXPECT_EQ(first, points);
  EXPECT_EQ(before + 1, asoK_AttachmentQueries());
  // A failure is not kept: the kernel is asked every time.
  EXPECT_FALSE(info.AttachmentNodeNumbers(77, points, lines));
  EXPECT_TRUE(points == nullptr && lines == nullptr);
  EXPECT_FALSE(info.AttachmentNodeNumbers(77, points, lines));
  EXPECT_EQ(before + 3, asoK_AttachmentQueries());

  const cow_Map<int, cow_String>* pairs = nullptr;
  ASSERT_TRUE(info.VertexSurfaceName(5, features, "Edge-1", pairs));
  EXPECT_EQ("Brick-1.Face-2", pairs->Find(1)->Str());
  const cow_Map<int, cow_String>* cached = nullptr;
  EXPECT_TRUE(info.VertexSurfaceName(5, features, "Unknown", cached));  // kept per id
  EXPECT_EQ(pairs, cached);
  EXPECT_FALSE(info.VertexSurfaceName(6, features, "Unknown", cached));
  EXPECT_EQ(nullptr, cached);
  EXPECT_TRUE(info.VertexSurfaceName(6, features, "Edge-1", cached));

  info.WireElementLabels().Modify().Set(-3, 41);
  info.WireElementLabels().Modify().Set(3, 42);
  info.ReleaseAttachmentNodes();
  EXPECT_EQ(nullptr, info.LabelTable());
  EXPECT_FALSE(info.VertexSurfaceName(5, features, "Unknown", cached));
  ASSERT_TRUE(info.AttachmentNodeNumbers(brick, points, lines));
  EXPECT_EQ(9, points->Find(0)->label);
  EXPECT_EQ(before + 4, asoK_AttachmentQueries());

  // The wire labels survive the release, each half under its own sign.
  const aif_ModelInfo::WireLabels& wires = *info.WireElementLabels().Get();
  EXPECT_EQ(41, *wires.Find(-3));
  EXPECT_EQ(42, *wires.Find(3));
  EXPECT_EQ(1u, wires.NegativeSize());
  EXPECT_TRUE(Write(b).info.WireElementLabels()->IsEmpty());
}

TEST_F(aif_ModelInfoTest, NamesAndTheoryFlagsOfFeatures) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  const unsigned plain = b.AddInstance("Block-1", "Block");
  const unsigned flagged = b.AddInstance("Block 2", "Block", {.theory = ftr_Theory{true, false}});
  Write write(b);
  const aif_ModelInfo& info = write.info;
  EXPECT_EQ("Block 2", info.FeatureName(flagged).Str());
  EXPECT_EQ("", info.FeatureName(99).Str());
  EXPECT_TRUE(info.FeatureTheoryFlag(flagged));
  EXPECT_FALSE(info.FeatureTheoryFlag(plain));
  EXPECT_FALSE(info.FeatureTheoryFlag(99));

  const dtmC_DatumRef csys{{"Part-1"}, "Datum csys-1"};
  EXPECT_EQ("\"Part-1-Datum csys-1\"", info.DatumCsysName(csys, 1, "").Str());
  EXPECT_EQ("\"Part-1-Datum csys-1\"", info.DatumCsysName(csys, 0, "text").Str());
  EXPECT_EQ("\"Part-1-Datum csys-1_text_\"", info.DatumCsysName(csys, 2, "text").Str());
  EXPECT_EQ("Part-1-Csys_a_", info.DatumCsysName({{"Part-1"}, "Csys"}, 0.5, "a").Str());
}

}  // namespace
