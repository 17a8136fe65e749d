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
  explicit Write(const hst_ModelBuilder& b) : job("Job-1", b.Job(), b.Model()), info(job) {}
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

// "name node/element" offsets of each instance, blank-separated.
std::string Offsets(const aif_ModelInfo& info, std::initializer_list<const char*> names) {
  std::string text;
  for (const char* name : names)
    text += std::string(text.empty() ? "" : " ") + name + " " +
            std::to_string(info.NodeOffset(name)) + "/" + std::to_string(info.ElementOffset(name));
  return text;
}

// Each test starts without the environment-file key and the offset variables,
// and gives the variables back as it found them.
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
    b.AddStep("Generate", hst_ModelBuilder::MakeStep<kprC_SubstructureGenerateStep>(true));
  }));
  // The initial step is never examined, whatever its type.
  EXPECT_TRUE(partBased([](hst_ModelBuilder& b) {
    b.MutableModel().SetExtension(bas_NewModel::stepCmd, std::make_shared<kprC_StepContainer>());
    b.Steps().Append("Initial", kprC_SubstructureGenerateStep());
    b.AddStep("Step-1", kprC_StaticStep());
  }));
}

TEST_F(aif_ModelInfoTest, ObjectsOfTheWrongClassFailTheTypeTest) {
  auto typeTestError = [](auto&& construct) -> std::string {
    try {
      construct();
    } catch (const nex_TextException& e) {
      std::string text = e.Text().Str();
      const std::size_t line = text.rfind(", line ");
      return line == std::string::npos ? text : text.replace(line, std::string::npos, ", line N).");
    }
    return "nothing thrown";
  };
  const std::string file = " (source file module/aif/impl/aif_ModelInfo, line N).";
  const aif_Job inputFileJob("Job-1", ajbC_InputFileJob("old.inp"));
  EXPECT_EQ("Type test failed: the object is not a ajbC_ModelJob" + file,
            typeTestError([&] { aif_ModelInfo info(inputFileJob); }));

  // A later step that is no analysis step (past the first general step, which
  // the model adapter checks itself).
  hst_ModelBuilder b = BlockModel();
  b.AddStep("Odd", kprC_InitialStep());
  EXPECT_EQ("Type test failed: the object is not a kprC_AnalysisStep" + file,
            typeTestError([&] { Write write(b); }));
  SetFlat(1);  // a flat file never walks the steps
  EXPECT_FALSE(Write(b).info.IsPartBased());
}

TEST_F(aif_ModelInfoTest, OptimizationProcessIsFlatAndContextsReadTheirOwnCopies) {
  hst_ModelBuilder b = BlockModel();
  b.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  SetFlat(0);
  // Built from a temporary process, and a temporary job: the context reads
  // the model of its own copies.
  const aif_ModelInfo info(
      aif_OptimizationProcess("Opt-1", ajbC_Optimization("Model-1", "Task-1"), b.Model()));
  EXPECT_FALSE(info.IsPartBased());
  EXPECT_FALSE(info.IsRestart());
  EXPECT_EQ(kprC_EXPLICIT, info.AnalysisProduct());
  EXPECT_EQ("Task-1", info.Model().OptimizationText().Str());
  EXPECT_EQ(2u, info.ModelAdapter().Steps().Length());
  const aif_ModelInfo fromJob(aif_Job("Job-1", b.Job(), b.Model()));
  EXPECT_EQ(2u, fromJob.ModelAdapter().Steps().Length());
}

TEST_F(aif_ModelInfoTest, FlatWithoutConflictKeepsLabelsAndStartsAboveTheHighest) {
  hst_ModelBuilder b;
  b.AddPart("Low", hst_GridMesh(1, 1, 1));    // nodes 1-8, element 1
  b.AddPart("High", LabelledBrick(250, 40));  // nodes 243-250, element 40
  b.AddPart("Points", nullptr);
  b.AddInstance("Low-1", "Low");
  const unsigned high = b.AddInstance("High-1", "High", {.attachmentPoints = 1});
  b.AddInstance("Points-1", "Points", {.attachmentPoints = 2});
  SetFlat(1);
  setenv(kNodeOffset, "1000", 1);
  setenv(kElementOffset, " 500", 1);
  Write write(b);
  aif_ModelInfo& info = write.info;

  EXPECT_TRUE(info.NodeLabelsUsable() && info.ElementLabelsUsable());
  // The instance without a mesh starts at the counter and has no elements.
  EXPECT_EQ("Low-1 1000/500 High-1 1000/500 Points-1 1251/0",
            Offsets(info, {"Low-1", "High-1", "Points-1"}));

  // Attachment nodes and fresh labels follow the highest label written
  // (250 + 1000), never repeating one.
  const asoK_AttachmentTree *points = nullptr, *lines = nullptr;
  ASSERT_TRUE(info.AttachmentNodeNumbers(high, points, lines));
  EXPECT_EQ(1251, points->Find(0)->label);
  EXPECT_EQ(1254, info.NextNodeLabel("any"));
  EXPECT_EQ(541, info.NextElementLabel("any"));
  EXPECT_EQ(546, info.ReserveElementLabels("other", 5));
}

TEST_F(aif_ModelInfoTest, FlatWithoutLabelsKeepsTheEnvironmentOffsets) {
  hst_ModelBuilder b;
  b.AddPart("Empty", std::make_shared<bme_Mesh>());
  b.AddPart("Bare", nullptr);
  b.AddInstance("Empty-1", "Empty");
  b.AddInstance("Bare-1", "Bare", {.attachmentPoints = 3});
  SetFlat(1);
  setenv(kNodeOffset, "100abc", 1);
  setenv(kElementOffset, "200", 1);
  {
    Write write(b);
    EXPECT_EQ("Empty-1 100/200 Bare-1 100/0", Offsets(write.info, {"Empty-1", "Bare-1"}));
    EXPECT_EQ(104, write.info.NextNodeLabel("Bare-1"));
    EXPECT_EQ(201, write.info.NextElementLabel("Bare-1"));
  }

  // The offsets of "Empty-1" with `variable` set to `value`, or the error.
  auto offsets = [&](const char* variable, const char* value) -> std::string {
    setenv(variable, value, 1);
    try {
      return Offsets(Write(b).info, {"Empty-1"});
    } catch (const aif_Exception& e) {
      return e.Message().Str();
    }
  };
  EXPECT_EQ("Empty-1 0/200", offsets(kNodeOffset, "none"));
  EXPECT_EQ("Empty-1 1073741823/200", offsets(kNodeOffset, "1073741823"));
  EXPECT_EQ("The label offset TVN_AIF_NODEOFFSET=-5 is out of range (0 to 1073741823).",
            offsets(kNodeOffset, "-5"));
  EXPECT_EQ("The label offset TVN_AIF_NODEOFFSET=1073741824 is out of range (0 to 1073741823).",
            offsets(kNodeOffset, "1073741824"));
  unsetenv(kNodeOffset);
  EXPECT_EQ(
      "The label offset TVN_AIF_ELEMENTOFFSET=99999999999999999999 is out of range (0 to "
      "1073741823).",
      offsets(kElementOffset, "99999999999999999999"));

  // Without an assembly nothing is numbered, whatever the variables say.
  b.WithoutAssembly();
  setenv(kElementOffset, "100", 1);
  Write bare(b);
  EXPECT_EQ(nullptr, bare.info.Assembly());
  EXPECT_EQ("Empty-1 0/0", Offsets(bare.info, {"Empty-1"}));
  EXPECT_EQ(nullptr, bare.info.LabelTable());
}

TEST_F(aif_ModelInfoTest, FlatConflictNumbersInstancesOneAfterTheOther) {
  hst_ModelBuilder b;
  b.AddPart("Strip", hst_GridMesh(4, 1, 0));  // 10 nodes, no elements
  b.AddPart("Brick", hst_GridMesh(1, 1, 1));  // 8 nodes, 1 element
  b.AddPart("Bare", nullptr);
  const unsigned strip =
      b.AddInstance("Strip-1", "Strip", {.attachmentPoints = 1, .attachmentLines = 1});
  b.AddInstance("Strip-2", "Strip");
  b.AddInstance("Brick-1", "Brick");
  b.AddInstance("Brick-2", "Brick");
  b.AddInstance("Bare-1", "Bare");
  SetFlat(1);
  Write write(b);
  aif_ModelInfo& info = write.info;

  EXPECT_FALSE(info.NodeLabelsUsable() || info.ElementLabelsUsable());
  const asoK_AttachmentTree *points = nullptr, *lines = nullptr;
  ASSERT_TRUE(info.AttachmentNodeNumbers(strip, points, lines));
  EXPECT_EQ(11, points->Find(0)->label);
  EXPECT_EQ(12, lines->Find(0)->label);

  EXPECT_EQ("Strip-1 1/1 Strip-2 13/1 Brick-1 23/1 Brick-2 31/2 Bare-1 39/3",
            Offsets(info, {"Strip-1", "Strip-2", "Brick-1", "Brick-2", "Bare-1"}));
  EXPECT_EQ(39, info.NextNodeLabel("Bare-1"));
  EXPECT_EQ(3, info.NextElementLabel("Bare-1"));  // the instance without a mesh took none
}

TEST_F(aif_ModelInfoTest, PartBasedNumbersPerInstance) {
  hst_ModelBuilder b;
  b.AddPart("Brick", hst_GridMesh(1, 1, 1), ptoK_DEFORMABLE, ptoK_SPACE_3D, 1);
  b.AddPart("Labelled", LabelledBrick(50, 70));
  b.AddInstance("Brick-1", "Brick", {.attachmentPoints = 1, .attachmentLines = 1});
  b.AddInstance("Brick-2", "Brick");
  b.AddInstance("Labelled-1", "Labelled");
  b.AddAssemblyNodes(hst_GridMesh(1, 0, 0), 2);  // 2 nodes
  Write write(b);
  aif_ModelInfo& info = write.info;

  ASSERT_TRUE(info.IsPartBased());
  EXPECT_TRUE(info.NodeLabelsUsable());  // the two Brick instances share labels
  EXPECT_EQ(nullptr, info.LabelTable());
  EXPECT_EQ("Brick-1 0/0 Brick-2 0/0 Labelled-1 0/0 Assembly 0/0 Nowhere-1 0/0",
            Offsets(info, {"Brick-1", "Brick-2", "Labelled-1", "Assembly", "Nowhere-1"}));

  EXPECT_EQ(12, info.NextNodeLabel("Brick-1"));  // 8 nodes, 1 reference point, 2 attachments
  EXPECT_EQ(10, info.NextNodeLabel("Brick-2"));
  EXPECT_EQ(2, info.NextElementLabel("Brick-2"));
  EXPECT_EQ(51, info.NextNodeLabel("Labelled-1"));
  EXPECT_EQ(75, info.ReserveElementLabels("Labelled-1", 5));
  EXPECT_EQ(76, info.NextElementLabel("Labelled-1"));
  EXPECT_EQ(5, info.NextNodeLabel("Assembly"));  // own mesh and reference points
  EXPECT_EQ(1, info.NextNodeLabel("Nowhere-1"));
}

TEST_F(aif_ModelInfoTest, KernelLookupsAreCachedUntilReleased) {
  hst_ModelBuilder b;
  b.AddPart("Brick", hst_GridMesh(1, 1, 1));
  const unsigned brick = b.AddInstance("Brick-1", "Brick", {.attachmentPoints = 2});
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

  // The release empties the caches and the label table; the wire labels,
  // each half under its own sign, survive it.
  info.WireElementLabels().Modify().Set(-3, 41);
  info.WireElementLabels().Modify().Set(3, 42);
  info.ReleaseAttachmentNodes();
  EXPECT_EQ(nullptr, info.LabelTable());
  EXPECT_FALSE(info.VertexSurfaceName(5, features, "Unknown", cached));
  ASSERT_TRUE(info.AttachmentNodeNumbers(brick, points, lines));
  EXPECT_EQ(9, points->Find(0)->label);
  EXPECT_EQ(before + 4, asoK_AttachmentQueries());
  EXPECT_EQ(41, *info.WireElementLabels()->Find(-3));
  EXPECT_EQ(42, *info.WireElementLabels()->Find(3));
}

TEST_F(aif_ModelInfoTest, NamesOfFeaturesAndDatumSystems) {
  Write write(BlockModel());
  const aif_ModelInfo& info = write.info;
  EXPECT_EQ("Block-1", info.FeatureName(1).Str());
  EXPECT_EQ("", info.FeatureName(99).Str());
  const dtmC_DatumRef csys{{"Part-1"}, "Datum csys-1"};
  EXPECT_EQ("\"Part-1-Datum csys-1\"", info.DatumCsysName(csys, 1, "").Str());
  EXPECT_EQ("\"Part-1-Datum csys-1\"", info.DatumCsysName(csys, 0, "text").Str());
  EXPECT_EQ("\"Part-1-Datum csys-1_text_\"", info.DatumCsysName(csys, 2, "text").Str());
  EXPECT_EQ("Part-1-Csys_a_", info.DatumCsysName({{"Part-1"}, "Csys"}, 0.5, "a").Str());
}

}  // namespace
