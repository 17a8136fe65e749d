// The per-write context: the part-based decision, label numbering, cached
// kernel lookups and the names it hands out.
#include "aif/impl/core/aif_ModelInfo.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kseC_PointSection.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "support/aif_TestSupport.h"

namespace {

constexpr char kNoPartsKey[] = "cae_no_parts_input_file";
constexpr char kNodeOffset[] = "TVN_AIF_NODEOFFSET";
constexpr char kElementOffset[] = "TVN_AIF_ELEMENTOFFSET";
constexpr const char* kVariables[] = {kNodeOffset, kElementOffset};

// A write of the builder's model; the job outlives the context.
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

// One brick labelled: nodes lastNode-7 to lastNode, element `element`.
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

// Each test starts without the no-parts key and the offset variables, and
// gives the variables back as it found them.
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

  // A later step that is no analysis step.
  hst_ModelBuilder b = BlockModel();
  b.AddStep("Odd", kprC_InitialStep());
  EXPECT_EQ(
      "Type test failed: the object is not a kprC_AnalysisStep (source file "
      "module/aif/impl/core/aif_PartBasedOutput.cpp, line N).",
      typeTestError([&] { Write write(b); }));
  SetFlat(1);  // a flat file never walks the steps
  EXPECT_FALSE(Write(b).info.IsPartBased());
}

TEST_F(aif_ModelInfoTest, OptimizationProcessIsFlatAndContextsReadTheirOwnCopies) {
  hst_ModelBuilder b = BlockModel();
  b.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  SetFlat(0);
  // Built from temporaries: the context reads its own copies.
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

  // Attachment nodes and fresh labels follow the highest label (250 + 1000).
  const asoK_AttachmentTree *points = nullptr, *lines = nullptr;
  ASSERT_TRUE(info.AttachmentNodeNumbers(high, points, lines));
  EXPECT_EQ(1251, points->Find(0)->end1.label);
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
  const std::string range = " is out of range (0 to 1073741823).";
  EXPECT_EQ("Empty-1 0/200", offsets(kNodeOffset, "none"));
  EXPECT_EQ("Empty-1 1073741823/200", offsets(kNodeOffset, "1073741823"));
  for (const char* value : {"-5", "1073741824"})
    EXPECT_EQ("The label offset TVN_AIF_NODEOFFSET=" + (value + range),
              offsets(kNodeOffset, value));
  unsetenv(kNodeOffset);
  EXPECT_EQ("The label offset TVN_AIF_ELEMENTOFFSET=99999999999999999999" + range,
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
  EXPECT_EQ(11, points->Find(0)->end1.label);
  EXPECT_EQ(12, lines->Find(0)->end1.label);

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

  // The release empties the caches and the label table, not the wire labels.
  info.WireElementLabels().Modify().Set(-3, 41);
  info.WireElementLabels().Modify().Set(3, 42);
  info.ReleaseAttachmentNodes();
  EXPECT_EQ(nullptr, info.LabelTable());
  EXPECT_FALSE(info.VertexSurfaceName(5, features, "Unknown", cached));
  ASSERT_TRUE(info.AttachmentNodeNumbers(brick, points, lines));
  EXPECT_EQ(9, points->Find(0)->end1.label);
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

kseC_PointSection Mass(double mass) {
  kseC_PointSection section;
  section.SetMass(mass);
  return section;
}

// The deck of the builder's model, or "error: " and the message (and no file).
std::string Deck(const hst_ModelBuilder& b) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("aif_ModelInfoTest." + std::to_string(getpid()) + ".inp"))
                               .string();
  try {
    Write write(b);
    aif_Builder builder(write.info);
    EXPECT_TRUE(builder.WriteInputFile(path, false, true));
  } catch (const aif_Exception& e) {
    EXPECT_FALSE(std::filesystem::exists(path)) << "a failed write left its file";
    return "error: " + e.Message().Str();
  }
  std::string text = aif_test::ReadFile(path);
  std::filesystem::remove(path);
  return text;
}

// The node labels of a deck, blank-separated, in order.
std::string NodeLabels(const std::string& deck) {
  std::istringstream in(deck);
  std::string line, labels;
  bool inNodes = false;
  while (std::getline(in, line)) {
    if (line[0] == '*') {
      inNodes = line.rfind("*Node", 0) == 0;
    } else if (inNodes) {
      const std::size_t first = line.find_first_not_of(' ');
      labels += (labels.empty() ? "" : " ") + line.substr(first, line.find(',') - first);
    }
  }
  return labels;
}

TEST_F(aif_ModelInfoTest, FlatLabelsOfReferencePointsDisplayMeshesAndAttachmentsNeverRepeat) {
  SetFlat(1);
  // Reference node 9 after the mesh, then the attachment node.
  hst_ModelBuilder one;
  one.AddPart("A", hst_GridMesh(1, 1, 1), ptoK_DEFORMABLE, ptoK_SPACE_3D, 1);
  one.AddInstance("A-1", "A", {.attachmentPoints = 1});
  EXPECT_EQ("1 2 3 4 5 6 7 8 9 10", NodeLabels(Deck(one)));

  // A part labelled 9 to 16 collides with the reference node: the instances
  // are numbered one after the other.
  hst_ModelBuilder two = one;
  two.AddPart("B", LabelledBrick(16, 2));
  two.AddInstance("B-1", "B");
  const std::string deck = Deck(two);
  EXPECT_EQ("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18", NodeLabels(deck));
  for (const char* lines :
       {"\n*Node\n      9,           0.,           0.,           0.\n*Nset, nset=A-1-RefPt_\n9, \n"
        "*Node\n     10,           0.,           0.,           0.\n",
        "\n*Element, type=C3D8\n2, 11, 12, 13, 14, 15, 16, 17, 18\n"})
    EXPECT_NE(std::string::npos, deck.find(lines)) << deck;

  // A display body's mesh takes labels too, but carries no reference point
  // nor a point mass naming it.
  auto shown = std::make_shared<bme_Mesh>();
  shown->SetDisplayMesh(hst_GridMesh(1, 1, 1));
  hst_ModelBuilder display;
  display.AddPart("Body", shown);
  display.AddPointSection("Body", {{0, 0, 0}}, Mass(2.5));
  display.AddPart("Brick", hst_GridMesh(1, 1, 1));
  display.AddInstance("Body-1", "Body");
  display.AddInstance("Brick-1", "Brick");
  const std::string displayDeck = Deck(display);
  EXPECT_EQ("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16", NodeLabels(displayDeck));
  for (const char* lines : {"\n*Element, type=C3D8\n1, 1, 2, 4, 3, 5, 6, 8, 7\n",
                            "\n*Element, type=C3D8\n2,  9, 10, 12, 11, 13, 14, 16, 15\n"})
    EXPECT_NE(std::string::npos, displayDeck.find(lines)) << displayDeck;
  EXPECT_EQ(std::string::npos, displayDeck.find("MASS")) << displayDeck;
}

TEST_F(aif_ModelInfoTest, ConflictingLabelsWriteEveryReferenceNodeTheirElementsName) {
  // Colliding instances with a point mass on each one's ninth node.
  hst_ModelBuilder b;
  b.AddPart("Block", LabelledBrick(8, 1));
  b.AddPointSection("Block", {{0.5, 0.5, 2.0}}, Mass(2.5));
  b.AddInstance("Block-1", "Block");
  b.AddInstance("Block-2", "Block");
  SetFlat(1);
  const std::string deck = Deck(b);
  EXPECT_EQ("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18", NodeLabels(deck));
  EXPECT_NE(std::string::npos, deck.find("\n3, 9\n")) << deck;
  EXPECT_NE(std::string::npos, deck.find("\n4, 18\n")) << deck;
  EXPECT_NE(std::string::npos,
            deck.find("*Node\n     18,          0.5,          0.5,           2.\n"))
      << deck;
}

TEST_F(aif_ModelInfoTest, LabelsPastTheIntegerRangeStopTheWrite) {
  const std::string error =
      "error: The node labels run past 2147483647, the largest label the "
      "input file can hold.";
  // User labels 1 and 2147483647 leave no label for an attachment node.
  auto edges = std::make_shared<bme_Mesh>();
  edges->MutableNodeData().MutableCoordinates().resize(6);
  edges->MutableNodeData().MutableUserNodeLabels() = {1, 2147483647};
  hst_ModelBuilder top;
  top.AddPart("Top", edges);
  top.AddInstance("Top-1", "Top", {.attachmentPoints = 1});
  for (int flat : {1, 0}) {
    SetFlat(flat);
    EXPECT_EQ(
        "error: The node labels of instance Top-1 run past 2147483647, the largest label "
        "the input file can hold.",
        Deck(top));
  }

  // Labels of 2000000000 shifted by the largest offset.
  hst_ModelBuilder high;
  high.AddPart("High", LabelledBrick(2000000000, 1));
  high.AddInstance("High-1", "High");
  SetFlat(1);
  setenv(kNodeOffset, "1073741823", 1);
  EXPECT_EQ(error, Deck(high));
  setenv(kNodeOffset, "147483647", 1);  // the highest label is exactly the largest
  EXPECT_NE(std::string::npos, Deck(high).find("\n2147483647,")) << Deck(high);
  unsetenv(kNodeOffset);

  // An element labelled 2147483647 leaves no label for a point mass.
  hst_ModelBuilder mass;
  mass.AddPart("Block", LabelledBrick(8, 2147483647));
  mass.AddPointSection("Block", {{0, 0, 0}}, Mass(1.0));
  mass.AddInstance("Block-1", "Block");
  for (int flat : {0, 1}) {
    SetFlat(flat);
    EXPECT_EQ(
        "error: The element labels of instance Block-1 run past 2147483647, the largest "
        "label the input file can hold.",
        Deck(mass));
  }
}

TEST_F(aif_ModelInfoTest, PartWithLightweightAndOrdinaryInstancesWritesEachMeshInItsInstance) {
  // The node count of the part's block and of each instance's ("-": none).
  auto counts = [](const std::string& deck) {
    std::string text;
    for (const char* keyword : {"*Part, name=Block\n", "*Instance, name=Block-1,",
                                "*Instance, name=Block-2,", "*Instance, name=Block-3,"}) {
      const std::size_t at = deck.find(keyword);
      const std::string labels =
          at == std::string::npos ? "-" : NodeLabels(deck.substr(at, deck.find("*End", at) - at));
      const auto count = labels.empty() ? 0 : std::count(labels.begin(), labels.end(), ' ') + 1;
      text += (text.empty() ? "" : " ") + (labels == "-" ? labels : std::to_string(count));
    }
    return text;
  };
  // Which of Block-1 and Block-2 are lightweight (Block-3 is locked); a part
  // with only lightweight instances holds the mesh once.
  const std::tuple<bool, bool, const char*> cases[] = {
      {false, true, "0 8 8 0"}, {true, false, "0 8 8 0"}, {true, true, "8 0 0 0"}};
  for (const auto& [first, second, expected] : cases) {
    hst_ModelBuilder b;
    b.AddPart("Block", hst_GridMesh(1, 1, 1));
    b.AddInstance("Block-1", "Block", {.lightweight = first});
    b.AddInstance("Block-2", "Block", {.lightweight = second});
    b.AddInstance("Block-3", "Block", {.locks = ftr_LOCK_MESH});
    const std::string deck = Deck(b);
    EXPECT_EQ(expected, counts(deck)) << deck;
    EXPECT_EQ(first && second ? "1 2 3 4 5 6 7 8" : "1 2 3 4 5 6 7 8 1 2 3 4 5 6 7 8",
              NodeLabels(deck));
  }
}

}  // namespace
