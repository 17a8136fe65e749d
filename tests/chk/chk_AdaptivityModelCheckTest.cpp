#include "chk/impl/chk_AdaptivityModelCheck.h"

#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "PyUtils/pyo_MorvexEnvFile.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"

namespace {

constexpr char kAdaptivityNoPartsKey[] = "cae_no_parts_input_file";
constexpr char kAdaptivityFlatError[] =
    "Adaptivity processes cannot be run on input files without parts\nand assemblies. Please "
    "remove the environment variable or change\nthe setting of cae_no_parts_input_file on the "
    "model to run an\nadaptivity process on this model.";

// One model of the table: the environment key (-1 absent), the version tag,
// whether the root assembly asks for a flat file (or is missing), and the
// steps.
struct AdaptivityModelRow {
  const char* what;
  int key;
  const char* versionTag;
  bool flatAssembly;
  bool noAssembly;
  enum Steps { kStatic, kSubstructure, kSuppressedSubstructure, kSubstructureInitial } steps;
  bool partBased;
};

hst_ModelBuilder AdaptivityModel(const AdaptivityModelRow& row) {
  hst_ModelBuilder b("Adaptivity-Model");
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  b.MutableModel().SetVersionTag(row.versionTag);
  if (row.flatAssembly) b.Assembly().SetRequiresFlatInputFile(true);
  if (row.noAssembly) b.WithoutAssembly();
  switch (row.steps) {
    case AdaptivityModelRow::kStatic:
      b.AddStep("Step-1", kprC_StaticStep());
      break;
    case AdaptivityModelRow::kSubstructure:
      b.AddStep("Step-1", kprC_StaticStep());
      b.AddStep("Generate", kprC_SubstructureGenerateStep());
      b.AddStep("Step-3", kprC_StaticStep());
      break;
    case AdaptivityModelRow::kSuppressedSubstructure:
      b.AddStep("Generate", hst_ModelBuilder::MakeStep<kprC_SubstructureGenerateStep>(true));
      b.AddStep("Step-2", kprC_StaticStep());
      break;
    case AdaptivityModelRow::kSubstructureInitial:
      b.MutableModel().SetExtension(bas_NewModel::stepCmd, std::make_shared<kprC_StepContainer>());
      b.Steps().Append("Initial", kprC_SubstructureGenerateStep());
      b.AddStep("Step-1", kprC_StaticStep());
      break;
  }
  return b;
}

std::vector<std::string> AdaptivityErrors(const kut_Check& check) {
  std::vector<std::string> texts = chk_test::Texts(check.Errors());
  EXPECT_TRUE(check.Warnings().IsEmpty());
  return texts;
}

class chk_AdaptivityModelCheckTest : public ::testing::Test {
 protected:
  void SetUp() override { pyo_MorvexEnvFile::Instance().Remove(kAdaptivityNoPartsKey); }
  void TearDown() override { pyo_MorvexEnvFile::Instance().Remove(kAdaptivityNoPartsKey); }
};

}  // namespace

// The check and the writer's model information take the same decision on
// every model; the check reports a flat model with its one error.
TEST_F(chk_AdaptivityModelCheckTest, AgreesWithTheWriterOnEveryModel) {
  using Row = AdaptivityModelRow;
  const Row rows[] = {
      {"plain model", -1, "", false, false, Row::kStatic, true},
      {"version tag v5", -1, "v5", false, false, Row::kStatic, false},
      {"version tag V5 differs in case", -1, "V5", false, false, Row::kStatic, true},
      {"key 0 ignores the v5 tag", 0, "v5", false, false, Row::kStatic, true},
      {"key 0, the assembly decides", 0, "v5", true, false, Row::kStatic, false},
      {"key 0, the steps decide", 0, "", false, false, Row::kSubstructure, false},
      {"key 1 wins over everything", 1, "", false, false, Row::kStatic, false},
      {"assembly asks for a flat file", -1, "", true, false, Row::kStatic, false},
      {"no root assembly", -1, "", false, true, Row::kStatic, true},
      {"substructure generation", -1, "", false, false, Row::kSubstructure, false},
      {"suppressed substructure generation", -1, "", false, false, Row::kSuppressedSubstructure,
       true},
      {"initial step never examined", -1, "", false, false, Row::kSubstructureInitial, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    if (row.key >= 0)
      pyo_MorvexEnvFile::Instance().Set(kAdaptivityNoPartsKey, row.key);
    else
      pyo_MorvexEnvFile::Instance().Remove(kAdaptivityNoPartsKey);
    const hst_ModelBuilder b = AdaptivityModel(row);
    const bas_NewModel model = b.Model();

    chk_AdaptivityModelCheck check(model, "Adaptivity-Model");
    check.Run();
    const std::vector<std::string> expected =
        row.partBased ? std::vector<std::string>{} : std::vector<std::string>{kAdaptivityFlatError};
    EXPECT_EQ(expected, AdaptivityErrors(check));

    const aif_Job job("Job-1", b.Job(), model);
    EXPECT_EQ(row.partBased, aif_ModelInfo(job).IsPartBased());
  }
}

// A clone carries the error its source found; a later step that is no
// analysis step fails its type test out of Run.
TEST_F(chk_AdaptivityModelCheckTest, CloneAndTypeTest) {
  hst_ModelBuilder flat("Adaptivity-Model");
  flat.MutableModel().SetVersionTag("v5");
  chk_AdaptivityModelCheck check(flat.Model(), "Adaptivity-Model");
  check.Run();
  std::unique_ptr<kut_Check> clone(check.Clone());
  EXPECT_EQ((std::vector<std::string>{kAdaptivityFlatError}), AdaptivityErrors(*clone));

  hst_ModelBuilder odd("Adaptivity-Model");
  odd.AddStep("Odd", kprC_InitialStep());
  chk_AdaptivityModelCheck oddCheck(odd.Model(), "Adaptivity-Model");
  std::string text;
  try {
    oddCheck.Run();
  } catch (const nex_TextException& e) {
    text = e.Text().Str();
  }
  EXPECT_TRUE(text.starts_with("Type test failed: the object is not a kprC_AnalysisStep")) << text;
  EXPECT_TRUE(oddCheck.Errors().IsEmpty());
}
