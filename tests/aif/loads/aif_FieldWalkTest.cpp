// The field walk: a field's values at a region's nodes or element points,
// instance by instance, with each member's name as the deck writes it; and
// every way an evaluation fails (one checking message, no instance kept).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/loads/aif_FieldWalk.h"
#include "support/aif_TestSupport.h"

namespace {

// 1 + x + 10 y + 100 z.
kfdC_ExpressionField FieldWalkTestExpression() {
  kfdC_ExpressionField field;
  field.constant = 1.0;
  field.gradient = {1.0, 10.0, 100.0};
  return field;
}

// Two bricks of "Block" in instances Block-1 (id 1, in place) and Block-2
// (id 2, moved by 10 along x); the analytical fields "Expr" and "Mapped"
// (index i maps to 5 + i, with a note) and "Plain" (neither kind).
class aif_FieldWalkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ajbC_CheckingMessages::Instance().Messages().Clear();
    ajbC_CheckingMessages::Instance().Warnings().Clear();
    builder_.AddPart("Block", hst_GridMesh(2, 1, 1));
    builder_.AddInstance("Block-1", "Block");
    hst_ModelBuilder::InstanceOptions moved;
    moved.transform = gsl_Matrix::Translation(gsl_Vector(10.0, 0.0, 0.0));
    builder_.AddInstance("Block-2", "Block", moved);
    builder_.AddAnalyticalField("Expr", FieldWalkTestExpression());
    for (int index : {0, 1, 2, 7})
      mapped_.values.Set(index, 5.0 + index);
    mapped_.note = "Mapped from the nearest source points.";
    builder_.AddAnalyticalField("Plain", kfdC_AnalyticalField());
  }
  void TearDown() override {
    pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
    ajbC_CheckingMessages::Instance().Messages().Clear();
    ajbC_CheckingMessages::Instance().Warnings().Clear();
  }

  // Runs `walk` on the model as built (flat when asked) and returns what it
  // gives as lines "reference[, face], value"; `ok` is what it answered.
  template <class Walk>
  std::string Run(Walk&& walk, bool& ok, bool flat = false) {
    builder_.AddAnalyticalField("Mapped", mapped_);
    if (flat) pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
    const bas_NewModel model = builder_.Model();
    aif_Job job("Job-1", builder_.Job(), model);
    aif_ModelInfo info(job);
    aif_FieldWalk fieldWalk;
    ok = walk(fieldWalk, info);
    return aif_test::WrittenText([&](utl_Stream& s) {
      for (const aif_FieldWalk::Instance& instance : fieldWalk.Instances())
        for (std::size_t i = 0; i < instance.ids.Length(); ++i) {
          aif_FieldWalk::WriteReference(s, instance, i);
          if (!instance.faces.IsEmpty()) s << ", " << instance.faces[i];
          s << ", " << instance.values[i];
          s.LineBreak();
        }
    });
  }
  std::string Nodes(const rgnC_Region& region, const char* field, bool& ok, bool flat = false) {
    return Run(
        [&](aif_FieldWalk& walk, const aif_ModelInfo& info) {
          return walk.EvaluateNodes(info, region, field, subject_);
        },
        ok, flat);
  }
  std::string Elements(const rgnC_Region& region, const char* field, int category, bool& ok) {
    return Run(
        [&](aif_FieldWalk& walk, const aif_ModelInfo& info) {
          return walk.EvaluateElements(info, region, field, category, subject_);
        },
        ok);
  }
  static std::vector<std::string> Texts(const cow_List<atr_String>& list) {
    std::vector<std::string> texts;
    for (const atr_String& text : list)
      texts.push_back(text.Str());
    return texts;
  }
  static std::vector<std::string> Messages() {
    return Texts(ajbC_CheckingMessages::Instance().Messages());
  }
  static std::vector<std::string> Warnings() {
    return Texts(ajbC_CheckingMessages::Instance().Warnings());
  }

  hst_ModelBuilder builder_;
  kfdC_MappedField mapped_;
  aif_FieldSubject subject_{"body force", "Load-1", "load"};
};

// Nodes 1, 0, 1, 7 of Block-1 (7 is at (1, 0, 1)), node 0 of Block-2, and
// nodes of an id that is no instance.
rgnC_Region FieldWalkTestNodes() {
  rgnC_Region region("Set-1", {"Assembly"});
  region.SetKernelNodeIndices(1, {1, 0, 1, 7});
  region.SetKernelNodeIndices(2, {0});
  region.SetKernelNodeIndices(99, {0});
  return region;
}

// Elements 0 (face S3), 1 (SPOS) and 0 (no face) of Block-1 and element 1
// (face S4) of Block-2.
rgnC_Region FieldWalkTestElements() {
  rgnC_Region region("Surf-1", {"Assembly"});
  region.SetKernelElementIndices(1, {0, 1, 0}, {"S3", "SPOS", ""});
  region.SetKernelElementIndices(2, {1}, {"S4"});
  return region;
}

const char* const kFieldWalkTestMessage =
    "\nDue to the failure of evaluating the body force \"Load-1\"\nfrom analytical field "
    "\"%s\",\nthis load will be missing in the input file.";

std::string FieldWalkTestMessage(const std::string& field) {
  std::string text = kFieldWalkTestMessage;
  return text.replace(text.find("%s"), 2, field);
}

TEST_F(aif_FieldWalkTest, NodesOfAnExpressionFieldAreUniqueAndPlacedAndNamedPerFileKind) {
  bool ok = false;
  // Part based: "Block-1." and the mesh label; the instance without a mesh
  // is left out.
  EXPECT_EQ(Nodes(FieldWalkTestNodes(), "Expr", ok),
            "Block-1.2, 2.\n"
            "Block-1.1, 1.\n"
            "Block-1.8, 102.\n"
            "Block-2.1, 11.\n");
  EXPECT_TRUE(ok);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(aif_FieldWalkTest, TheAssemblysOwnNodesHaveNoInstancePrefix) {
  builder_.AddAssemblyNodes(hst_GridMesh(1, 1, 1, 2.0), 0);
  rgnC_Region region("Set-1", {"Assembly"});
  region.SetKernelNodeIndices(1000, {7});  // at (2, 2, 2)
  region.SetKernelNodeIndices(1, {0});
  bool ok = false;
  EXPECT_EQ(Nodes(region, "Expr", ok),
            "Block-1.1, 1.\n"
            "8, 223.\n");
  EXPECT_TRUE(ok);
}

// The reader splits "A.b.1" at its first dot: an instance name holding a
// dot is quoted, so that its members stay its own.
TEST_F(aif_FieldWalkTest, ADottedInstanceNameIsQuotedBeforeTheLabel) {
  builder_.AddInstance("A.b", "Block");  // id 3
  rgnC_Region region("Set-1", {"Assembly"});
  region.SetKernelNodeIndices(3, {1});
  region.SetKernelNodeIndices(1, {1});
  bool ok = false;
  EXPECT_EQ(Nodes(region, "Expr", ok),
            "Block-1.2, 2.\n"
            "\"A.b\".2, 2.\n");
  EXPECT_TRUE(ok);
}

TEST_F(aif_FieldWalkTest, FlatNodesAreBareLabelsShiftedByTheInstanceOffsets) {
  bool ok = false;
  // The two instances' labels collide: each numbered after the one before.
  EXPECT_EQ(Nodes(FieldWalkTestNodes(), "Expr", ok, true),
            "2, 2.\n"
            "1, 1.\n"
            "8, 102.\n"
            "13, 11.\n");
  EXPECT_TRUE(ok);
}

TEST_F(aif_FieldWalkTest, ElementEntriesTakeFaceCentroidsOrElementCentroidsByCategory) {
  bool ok = false;
  // S3 of element 1 is its y = 0 face; SPOS and no face take the element's
  // centroid; S4 of Block-2's element 2 is its x = 2 face, moved to x = 12.
  EXPECT_EQ(Elements(FieldWalkTestElements(), "Expr", 1002, ok),
            "Block-1.1, S3, 51.5\n"
            "Block-1.2, SPOS, 57.5\n"
            "Block-1.1, , 56.5\n"
            "Block-2.2, S4, 68.\n");
  EXPECT_TRUE(ok);
  EXPECT_EQ(Elements(FieldWalkTestElements(), "Expr", 1003, ok),
            "Block-1.1, S3, 56.5\n"
            "Block-1.2, SPOS, 57.5\n"
            "Block-1.1, , 56.5\n"
            "Block-2.2, S4, 67.5\n");
  EXPECT_TRUE(ok);
}

TEST_F(aif_FieldWalkTest, MappedValuesFollowTheMembersAndTheirNotesGoToTheWarnings) {
  bool ok = false;
  rgnC_Region nodes("Set-1", {"Assembly"});
  nodes.SetKernelNodeIndices(1, {2, 1, 2});
  nodes.SetKernelNodeIndices(2, {0});
  EXPECT_EQ(Nodes(nodes, "Mapped", ok),
            "Block-1.3, 7.\n"
            "Block-1.2, 6.\n"
            "Block-2.1, 5.\n");
  EXPECT_TRUE(ok);
  EXPECT_TRUE(Messages().empty());
  const std::string note = "Mapped from the nearest source points.";
  EXPECT_EQ(Warnings(), (std::vector<std::string>{note, note}));

  ajbC_CheckingMessages::Instance().Warnings().Clear();
  EXPECT_EQ(Elements(FieldWalkTestElements(), "Mapped", 1002, ok),
            "Block-1.1, S3, 5.\n"
            "Block-1.2, SPOS, 6.\n"
            "Block-1.1, , 5.\n"
            "Block-2.2, S4, 6.\n");
  EXPECT_TRUE(ok);
  EXPECT_EQ(Warnings(), (std::vector<std::string>{note, note}));

  // A region without mesh members: nothing to map onto, and no failure.
  ajbC_CheckingMessages::Instance().Warnings().Clear();
  EXPECT_EQ(Nodes(rgnC_Region("Set-2", {"Assembly"}), "Mapped", ok), "");
  EXPECT_TRUE(ok);
  EXPECT_EQ(Elements(rgnC_Region("Set-2", {"Assembly"}), "Mapped", 1002, ok), "");
  EXPECT_TRUE(ok);
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(Warnings().empty());
}

TEST_F(aif_FieldWalkTest, EachFailureLeavesOneMessageAndNoInstance) {
  bool ok = true;
  // A field the model lacks; a field of neither kind.
  EXPECT_EQ(Nodes(FieldWalkTestNodes(), "Nowhere", ok), "");
  EXPECT_FALSE(ok);
  EXPECT_EQ(Elements(FieldWalkTestElements(), "Plain", 1003, ok), "");
  EXPECT_FALSE(ok);
  EXPECT_EQ(Messages(), (std::vector<std::string>{FieldWalkTestMessage("Nowhere"),
                                                  FieldWalkTestMessage("Plain")}));

  // A mapping that fails for the second instance withholds the first's
  // values too; its notes still reach the warnings.
  ajbC_CheckingMessages::Instance().Messages().Clear();
  mapped_.instanceFailures.Set(2, "No source point near the target.");
  EXPECT_EQ(Nodes(FieldWalkTestNodes(), "Mapped", ok), "");
  EXPECT_FALSE(ok);
  EXPECT_EQ(Elements(FieldWalkTestElements(), "Mapped", 1002, ok), "");
  EXPECT_FALSE(ok);
  EXPECT_EQ(Messages(), (std::vector<std::string>{FieldWalkTestMessage("Mapped"),
                                                  FieldWalkTestMessage("Mapped")}));

  // A mapping that gives fewer values than members fails rather than read
  // past its end; so does one that fails for every instance.
  ajbC_CheckingMessages::Instance().Messages().Clear();
  mapped_.instanceFailures.Clear();
  mapped_.shortInstances = {2};
  EXPECT_EQ(Elements(FieldWalkTestElements(), "Mapped", 1002, ok), "");
  EXPECT_FALSE(ok);
  mapped_.shortInstances = {};
  mapped_.failure = "The source data is empty.";
  EXPECT_EQ(Nodes(FieldWalkTestNodes(), "Mapped", ok), "");
  EXPECT_FALSE(ok);
  EXPECT_EQ(Messages(), (std::vector<std::string>{FieldWalkTestMessage("Mapped"),
                                                  FieldWalkTestMessage("Mapped")}));
}

TEST_F(aif_FieldWalkTest, APredefinedFieldSaysThatItWillBeMissing) {
  bool ok = true;
  subject_ = {"temperature", "Field-1", "predefined field"};
  EXPECT_EQ(Nodes(FieldWalkTestNodes(), "Nowhere", ok), "");
  EXPECT_FALSE(ok);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "\nDue to the failure of evaluating the temperature \"Field-1\"\n"
                            "from analytical field \"Nowhere\",\nthis predefined field will be "
                            "missing in the input file."}));
}

}  // namespace
