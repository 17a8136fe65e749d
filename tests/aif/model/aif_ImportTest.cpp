#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "BasShared/atr_String.h"
#include "BasShared/cow_Error.h"
#include "OdbAttrEO/kpfC_InitialState.h"
#include "OdbAttrEO/kprC_Procedure.h"
#include "OdbCore/ddb_DdbContainer.h"
#include "OdbCore/ddr_Root.h"
#include "OdbCore/rds_RfmFile.h"
#include "aif/impl/core/aif_OutputFile.h"
#include "aif/impl/model/aif_Import.h"
#include "aif_MeshTestSupport.h"

namespace {

namespace fs = std::filesystem;

// Results of the earlier job "Old": the initial step, a static step and a
// direct cyclic step.
class ImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("aif_import_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    std::ofstream(dir_ / "Old.odb") << "results";
    Results(0);
  }
  void TearDown() override {
    ddb_DdbContainer::ClearResults();
    fs::remove_all(dir_);
  }
  void Results(int product, const char* model = "Default Model") {
    ddb_DdbContainer::ClearResults();
    ddb_DdbContainer::AddResultsModel(
        Odb(), ddb_Model(model)
                   .SetAnalysisProduct(product)
                   .AddStep("Initial", ddb_Step(0, kprC_STATIC_PROCEDURE).SetIsAnalysisStep(false))
                   .AddStep("Step-1", ddb_Step(1, kprC_STATIC_PROCEDURE))
                   .AddStep("Cycles", ddb_Step(2, kprC_DIRECT_CYCLIC_PROCEDURE)));
  }
  std::string Job(const char* name = "Old") const { return (dir_ / name).string(); }
  std::string Odb() const { return Job() + ".odb"; }

  // The "*Import" line of an initial-state field whose state at the initial
  // step is `state`, the field taken from the model's field repository.
  static std::string Import(const kpfC_InitialStateState& state, bool update = false,
                            const char* stateStep = "Initial") {
    kpfC_InitialState field;
    field.SetState(stateStep, state);
    field.SetUpdate(update);
    return ImportOf(field);
  }
  static std::string ImportOf(const kpfC_Field& field) {
    hst_ModelBuilder b;
    b.AddField("Field-1", field);
    const aif_test::MeshContext c(b, false);
    const aif_Model& adapter = c.info->ModelAdapter();
    return aif_test::KeywordText(aif_Import(adapter, adapter.Fields().ConstGet("Field-1")));
  }

  fs::path dir_;
};

TEST_F(ImportTest, StepAndIncrementUnsetLeaveTheResultsUnread) {
  const ddr_Root& root = ddr_Root::Get();
  const int opened = root.OpenCount();
  // "Gone" has no results file: none is looked for.
  EXPECT_EQ(Import({Job("Gone"), -1, -1}, true), "*Import, state=yes, update=yes\n");
  EXPECT_EQ(Import({Job("Gone"), 3, -1}), "*Import, step=3, state=yes, update=no\n");
  // A field with no state at the initial step.
  EXPECT_EQ(Import({Job(), 1, 4}, true, "Step-1"), "*Import, state=yes, update=yes\n");
  EXPECT_EQ(root.OpenCount(), opened);
}

TEST_F(ImportTest, IncrementOptionFollowsTheResults) {
  const ddr_Root& root = ddr_Root::Get();
  const int opened = root.OpenCount(), closed = root.CloseCount();
  const std::string backslashed = dir_.string() + "\\Old";
  const struct {
    int product;
    std::string job;
    int step;
    const char* line;
  } cases[] = {
      // Steps count analysis steps only: step 2 is "Cycles".
      {0, Job(), 1, "*Import, step=1, increment=7, state=yes, update=no\n"},
      {0, Job(), 2, "*Import, step=2, iteration=7, state=yes, update=no\n"},
      {0, backslashed, 2, "*Import, step=2, iteration=7, state=yes, update=no\n"},
      {0, Job(), -1, "*Import, increment=7, state=yes, update=no\n"},
      {1, Job(), 2, "*Import, step=2, interval=7, state=yes, update=no\n"},
      {2, Job(), 2, "*Import, step=2, state=yes, update=no\n"},
  };
  for (const auto& c : cases) {
    Results(c.product);
    EXPECT_EQ(Import({c.job, c.step, 7}), c.line) << c.product << " " << c.job;
  }
  EXPECT_EQ(root.OpenCount() - opened, root.CloseCount() - closed);
  EXPECT_GT(root.OpenCount(), opened);
  EXPECT_EQ(root.FindDdb(Odb()), nullptr);

  // Results the thread holds open already are read and left open.
  Results(1);
  ddb_DdbContainer& held = ddb_DdbContainer::OpenDdb(rds_RfmFile::Open(Odb(), 0, true), "");
  const int heldOpens = root.OpenCount(), heldCloses = root.CloseCount();
  EXPECT_EQ(Import({Job(), 1, 3}), "*Import, step=1, interval=3, state=yes, update=no\n");
  EXPECT_EQ(root.FindDdb(Odb()), &held);
  EXPECT_EQ(root.OpenCount(), heldOpens);
  EXPECT_EQ(root.CloseCount(), heldCloses);
  held.CloseDdb();
}

TEST_F(ImportTest, Failures) {
  const atr_Translator before =
      atr_SetTranslator([](const cow_String& t) { return "<" + t + ">"; });
  const ddr_Root& root = ddr_Root::Get();
  const int opened = root.OpenCount(), closed = root.CloseCount();
  const struct {
    std::string job;
    int step;
    std::string message;
  } cases[] = {
      {Job("Gone"), 1, "<Missing .odb file " + Job("Gone") + ".odb>"},
      // Two analysis steps; the initial step does not count.
      {Job(), 3, "<Missing step 3 in .odb file " + Odb() + ">"},
      {Job(), 0, "<Missing step 0 in .odb file " + Odb() + ">"},
  };
  for (const auto& c : cases) {
    try {
      Import({c.job, c.step, 2});
      ADD_FAILURE() << "no error for " << c.message;
    } catch (const aif_Exception& e) {
      EXPECT_EQ(e.Message(), c.message);
      EXPECT_STREQ(e.File(), "module/aif/impl/aif_Import");
    }
  }
  atr_SetTranslator(before);

  // Results without the model that is read: the database's error, and the
  // results are closed all the same (as after the missing steps).
  Results(0, "Other Model");
  EXPECT_THROW(Import({Job(), 1, 2}), cow_OutOfRange);
  EXPECT_EQ(root.OpenCount() - opened, 3);
  EXPECT_EQ(root.CloseCount() - closed, 3);
  EXPECT_EQ(root.FindDdb(Odb()), nullptr);

  // A field of another kind.
  EXPECT_THROW(ImportOf(kpfC_Field()), nex_TextException);

  // Written to a file, the failure leaves no file behind.
  const std::string deck = (dir_ / "deck.inp").string();
  kpfC_InitialState field;
  field.SetState("Initial", {Job("Gone"), 1, 2});
  const aif_test::MeshContext c(hst_ModelBuilder(), false);
  {
    aif_OutputFile file;
    ASSERT_TRUE(file.Open(deck));
    file.Stream() << "*Heading";
    file.Stream().LineBreak();
    EXPECT_THROW(aif_Import(c.info->ModelAdapter(), field).Write(file.Stream()), aif_Exception);
  }
  EXPECT_FALSE(fs::exists(deck));
}

}  // namespace
