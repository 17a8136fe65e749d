// The discrete-fields builder: which keywords each recorded use of a field
// becomes and where they are filed; and its place in the deck.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "PyUtils/pyo_MorvexEnvFile.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/sections/aif_DiscreteFieldsBuilder.h"
#include "aif_DistributionTest.h"
#include "aif_SectionTestSupport.h"
#include "support/aif_DeckTestSupport.h"

namespace {

namespace fs = std::filesystem;
using aif_distribution_test::Record;
using aif_distribution_test::ScalarField;
using aif_distribution_test::Table;
using aif_section_test::Lines;

constexpr int kPart = akw_DiscreteField::kPart;
constexpr int kInstance = akw_DiscreteField::kInstance;
constexpr int kAssembly = akw_DiscreteField::kAssembly;
constexpr int kModel = akw_DiscreteField::kModel;

// A use of a shell thickness.
akw_DiscreteField Thickness(const char* name, int scope, std::initializer_list<cow_String> users,
                            const char* owner = "P") {
  akw_DiscreteField record = Record(name, scope, users, owner);
  record.components = {"length"};
  return record;
}

std::string Text(const akw_KeywordList& keywords) {
  return aif_test::WrittenText([&](utl_Stream& s) { akw_WriteKeywords(s, keywords); });
}

kfdC_DiscreteField NodeField(int components) {
  kfdC_DiscreteField field;
  field.SetLocation(kfdC_DiscreteField::kNodes);
  field.SetComponentCount(components);
  field.SetDefaultValues({1.0, 1.0});
  field.AddDataTable(Table("", {5}, {0.5, 0.25}));
  return field;
}

// The model of part "P" with instances A and B, its repository holding the
// fields F (elements), T (one value at nodes), N (two values at nodes) and
// O (orientations at elements, one table per instance).
class Fixture : public ::testing::Test {
 protected:
  void TearDown() override { pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file"); }
  void Make(bool flat) {
    if (flat) pyo_MorvexEnvFile::Instance().Set("cae_no_parts_input_file", 1);
    builder_.AddPart("P", hst_GridMesh(2, 1, 1));
    builder_.AddInstance("A", "P");
    builder_.AddInstance("B", "P");
    kfdC_DiscreteField orientations;
    orientations.SetDataKind(kfdC_DiscreteField::kOrientations);
    orientations.SetDefaultValues({1.0});
    orientations.AddDataTable(Table("A", {2}, {3.0}));
    builder_.AddDiscreteField("F", ScalarField())
        .AddDiscreteField("T", NodeField(1))
        .AddDiscreteField("N", NodeField(2))
        .AddDiscreteField("O", orientations);
    orientations.AddDataTable(Table("B", {1}, {4.0}));
    builder_.AddDiscreteField("O.d", orientations);
    model_ = builder_.Model();
    job_ = std::make_unique<aif_Job>("Job-1", builder_.Job(), model_);
    info_ = std::make_unique<aif_ModelInfo>(*job_);
    pyo_MorvexEnvFile::Instance().Remove("cae_no_parts_input_file");
  }
  aif_DiscreteFieldsBuilder Built(std::initializer_list<akw_DiscreteField> records) {
    for (const akw_DiscreteField& record : records)
      info_->DiscreteFieldUses().Append(record);
    aif_DiscreteFieldsBuilder builder(*info_);
    builder.Build();
    return builder;
  }

  hst_ModelBuilder builder_;
  bas_NewModel model_;
  std::unique_ptr<aif_Job> job_;
  std::unique_ptr<aif_ModelInfo> info_;
  aif_test::TempDeck deck_{"aif_DiscreteFieldsBuilderTest"};
  const std::string& path_ = deck_.Path();
};

// Inside this namespace the suite name finds the fixture; the builder is
// ::aif_DiscreteFieldsBuilder.
using aif_DiscreteFieldsBuilder = Fixture;

TEST_F(aif_DiscreteFieldsBuilder, PartBasedFilingByScopeAndKind) {
  Make(false);
  const ::aif_DiscreteFieldsBuilder b =
      Built({Record("Missing", kInstance, {"A"}), Record("F", kInstance, {"A"}, "A"),
             Record("F", kInstance, {"B"}, "B"), Thickness("T", kPart, {"A"}),
             Thickness("T", kInstance, {"A", "B"}, "A"), Record("N", kPart, {"A"}),
             Record("O", kPart, {"A"})});
  // One table per field; the missing field writes nothing.
  EXPECT_EQ(Text(b.ModelDefinition()), Lines({"*Distribution Table, name=F_Table", "SCALAR",
                                              "*Distribution Table, name=N_Table", "SCALAR",
                                              "*Distribution Table, name=O_Table", "SCALAR"}));
  EXPECT_EQ(b.FiledTables().Length(), 3u);
  const std::string f = Lines({"*Distribution, name=F, location=ELEMENT, Table=F_Table",
                               "** Description: density", ",    1.5", "1,    2.5", "2,   3.25"});
  EXPECT_EQ(Text(b.InstanceDefinition("A")), f + Lines({"1, 7.", "*Nodal Thickness", "5, 0.5"}));
  EXPECT_EQ(Text(b.InstanceDefinition("B")), f + Lines({"2, 8.", "*Nodal Thickness", "5, 0.5"}));
  // A two-value node field is a distribution, not a thickness.
  EXPECT_EQ(
      Text(b.PartDefinition("P")),
      Lines({"*Nodal Thickness", "5, 0.5", "*Distribution, name=N, location=NODE, Table=N_Table",
             ",     1.,     1.", "5,    0.5,   0.25"}));
  // An orientation field of several tables goes to the assembly, whatever
  // its record's scope.
  EXPECT_EQ(Text(b.AssemblyDefinition()),
            Lines({"*Distribution, name=A.O, location=ELEMENT, Table=O_Table", ",           1.",
                   "A.2, 3."}));
}

// An orientation field whose name holds "." is not qualified in the
// assembly: the uses of two instances make one distribution holding both
// instances' rows (two would define one name twice).
TEST_F(aif_DiscreteFieldsBuilder, DottedOrientationFieldOfTwoInstancesIsOneDistribution) {
  Make(false);
  const ::aif_DiscreteFieldsBuilder b =
      Built({Record("O.d", kInstance, {"A"}, "A"), Record("O.d", kInstance, {"B"}, "B")});
  EXPECT_EQ(Text(b.AssemblyDefinition()),
            Lines({"*Distribution, name=O.d, location=ELEMENT, Table=O.d_Table",
                   ",           1.", "A.2, 3.", "B.1, 4."}));
  EXPECT_EQ(Text(b.ModelDefinition()), Lines({"*Distribution Table, name=O.d_Table", "SCALAR"}));
}

TEST_F(aif_DiscreteFieldsBuilder, FlatRecordsFileTheirOwnTablesUnderTheFirstInstance) {
  Make(true);
  const ::aif_DiscreteFieldsBuilder b =
      Built({Record("F", kInstance, {"A", "B"}, "A"), Record("F", kInstance, {"B"}, "B"),
             Record("F", kModel, {"A", "B"}), Record("F", kModel, {"A"})});
  EXPECT_EQ(Text(b.ModelDefinition()),
            Lines({"*Distribution Table, name=A_F_Table",
                   "SCALAR",
                   "*Distribution Table, name=B_F_Table",
                   "SCALAR",
                   "*Distribution Table, name=B_F_Table",
                   "SCALAR",
                   "*Distribution Table, name=F_Table",
                   "SCALAR",
                   "*Distribution, name=F, location=ELEMENT, Table=F_Table",
                   "** Description: density",
                   ",    1.5",
                   "1,    2.5",
                   "2,   3.25",
                   "1, 7.",
                   "4, 8.",
                   "*Distribution, name=F, location=ELEMENT, Table=F_Table",
                   "** Description: density",
                   ",    1.5",
                   "1,    2.5",
                   "2,   3.25",
                   "1, 7.",
                   "4, 8."}));
  // The first record writes both instances' distributions under A.
  const std::string a = Text(b.InstanceDefinition("A"));
  EXPECT_NE(a.find("*Distribution, name=A_F,"), std::string::npos);
  EXPECT_NE(
      a.find(Lines({"*Distribution, name=B_F, location=ELEMENT, Table=B_F_Table",
                    "** Description: density", ",    1.5", "3,    2.5", "4,   3.25", "4, 8."})),
      std::string::npos);
  EXPECT_EQ(Text(b.InstanceDefinition("B")),
            Lines({"*Distribution, name=B_F, location=ELEMENT, Table=B_F_Table",
                   "** Description: density", ",    1.5", "3,    2.5", "4,   3.25", "4, 8."}));

  info_->DiscreteFieldUses().Append(Record("F", kInstance, {}, "C"));
  ::aif_DiscreteFieldsBuilder failing(*info_);
  try {
    failing.Build();
    ADD_FAILURE() << "no error";
  } catch (const aif_Exception& e) {
    EXPECT_EQ(e.Message().Str(), "The discrete field F is used by no instance.");
  }
}

TEST_F(aif_DiscreteFieldsBuilder, InTheDeckAfterTheInstancesAndAFailureRemovesTheFile) {
  Make(false);
  info_->DiscreteFieldUses().Append(Record("F", kAssembly, {"B"}));
  aif_Builder driver(*info_);
  ASSERT_TRUE(driver.WriteInputFile(path_, false, true));
  const std::string deck = aif_test::ReadFile(path_);
  EXPECT_NE(
      deck.find(Lines({"*End Instance", "**  ",
                       "*Distribution, name=B.F, location=ELEMENT, Table=F_Table",
                       "** Description: density", ",    1.5", "B.1,    2.5", "B.2,   3.25",
                       "B.2, 8.", "*End Assembly", "*Distribution Table, name=F_Table", "SCALAR"})),
      std::string::npos)
      << deck;

  // A field whose table is short stops the write: no file is left.
  kfdC_DiscreteField broken = ScalarField();
  broken.AddDataTable(Table("B", {1, 2}, {1.0}));
  builder_.AddDiscreteField("F", broken);
  model_ = builder_.Model();
  aif_Job job("Job-1", builder_.Job(), model_);
  aif_ModelInfo info(job);
  info.DiscreteFieldUses().Append(Record("F", kAssembly, {"B"}));
  aif_Builder failing(info);
  EXPECT_THROW(failing.WriteInputFile(path_, false, true), aif_Exception);
  EXPECT_FALSE(fs::exists(path_));
}

TEST_F(aif_DiscreteFieldsBuilder, NodalThicknessWritesEachScopesOwnRowsAsItsMeshNumbersThem) {
  // NT: node 1 of A is 0.5, node 1 of B 0.7; the unnamed table stands for
  // any instance without a table of its own.
  kfdC_DiscreteField nt;
  nt.SetLocation(kfdC_DiscreteField::kNodes);
  nt.SetDefaultValues({1.0});
  nt.AddDataTable(Table("A", {1}, {0.5}));
  nt.AddDataTable(Table("B", {1}, {0.7}));
  builder_.AddDiscreteField("NT", nt);
  kfdC_DiscreteField shared;
  shared.SetLocation(kfdC_DiscreteField::kNodes);
  shared.SetDefaultValues({1.0});
  shared.AddDataTable(Table("", {2}, {0.9}));
  shared.AddDataTable(Table("A", {3}, {0.1}));
  builder_.AddDiscreteField("S", shared);
  // Flat: B's nodes are written from 13 on.
  Make(true);
  const ::aif_DiscreteFieldsBuilder flat =
      Built({Thickness("NT", kInstance, {"A", "B"}, "A"), Thickness("S", kInstance, {"B"}, "B")});
  EXPECT_EQ(Text(flat.InstanceDefinition("A")), Lines({"*Nodal Thickness", "1, 0.5"}));
  EXPECT_EQ(Text(flat.InstanceDefinition("B")),
            Lines({"*Nodal Thickness", "13, 0.7", "*Nodal Thickness", "14, 0.9"}));
  EXPECT_EQ(Text(flat.ModelDefinition()), "");
}

TEST_F(aif_DiscreteFieldsBuilder, NodalThicknessOfAPartTakesTheUnnamedTableOnce) {
  kfdC_DiscreteField nt;
  nt.SetLocation(kfdC_DiscreteField::kNodes);
  nt.SetDefaultValues({1.0});
  nt.AddDataTable(Table("A", {1}, {0.5}));
  nt.AddDataTable(Table("", {1}, {0.7}));
  builder_.AddDiscreteField("NT", nt);
  Make(false);
  const ::aif_DiscreteFieldsBuilder b = Built({Thickness("NT", kPart, {"A", "B"})});
  EXPECT_EQ(Text(b.PartDefinition("P")), Lines({"*Nodal Thickness", "1, 0.7"}));
  EXPECT_EQ(Text(b.InstanceDefinition("A")), "");
}

TEST_F(aif_DiscreteFieldsBuilder, NodeValuesForAnAngleOrAnOffsetStopTheWrite) {
  Make(false);
  for (const char* use : {"angle", "ratio", "DENSITY"}) {
    akw_DiscreteField record = Record("T", kInstance, {"A"}, "A");
    record.components = {use};
    info_->DiscreteFieldUses().Clear();
    info_->DiscreteFieldUses().Append(record);
    ::aif_DiscreteFieldsBuilder b(*info_);
    try {
      b.Build();
      ADD_FAILURE() << use;
    } catch (const aif_Exception& e) {
      EXPECT_EQ(e.Message().Str(), std::string("The discrete field T holds values at nodes, but "
                                               "its use (") +
                                       use + ") takes values per element.");
    }
  }
}

TEST_F(aif_DiscreteFieldsBuilder, OneFieldOfTwoUsesGivesTwoDistributions) {
  // F as a thickness and as an angle: two column types, two names; the
  // thickness use asked first and keeps the field's name.
  Make(false);
  akw_DiscreteField angle = Record("F", kInstance, {"A"}, "A");
  angle.components = {"angle"};
  const ::aif_DiscreteFieldsBuilder b = Built({Thickness("F", kInstance, {"A"}, "A"), angle});
  EXPECT_EQ(Text(b.ModelDefinition()), Lines({"*Distribution Table, name=F_Table", "length",
                                              "*Distribution Table, name=F-1_Table", "angle"}));
  const std::string rows =
      Lines({"** Description: density", ",    1.5", "1,    2.5", "2,   3.25", "1, 7."});
  EXPECT_EQ(Text(b.InstanceDefinition("A")),
            "*Distribution, name=F, location=ELEMENT, Table=F_Table\n" + rows +
                "*Distribution, name=F-1, location=ELEMENT, Table=F-1_Table\n" + rows);
}

}  // namespace
