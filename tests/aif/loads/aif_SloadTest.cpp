// "*Sload": the keyword line, one line per substructure load case on the
// element written for the loaded instance, the load case's scale factor, and
// the keyword line alone wherever no substructure element is found.
#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kloC_Load.h"
#include "aif/impl/core/aif_ElementFileRecord.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/loads/aif_Sload.h"
#include "support/aif_TestSupport.h"

namespace {

constexpr char kSloadTestStep[] = "Step-1";

// Flat: "Sub-1" (id 1) and "Sub-3" (id 3) pass the instance test, "Plain-2"
// (id 2) does not. Part-based files keep no label table.
hst_ModelBuilder SloadTestModel(bool flat) {
  hst_ModelBuilder b;
  b.AddPart("Reduced", hst_GridMesh(1, 1, 1));
  hst_ModelBuilder::InstanceOptions substructure;
  substructure.theory.flag = true;
  substructure.theory.fileElements = true;
  substructure.substructure = true;
  b.AddInstance("Sub-1", "Reduced", substructure);
  b.AddInstance("Plain-2", "Reduced");
  b.AddInstance("Sub-3", "Reduced", substructure);
  b.Assembly().SetRequiresFlatInputFile(flat);
  return b;
}

// A substructure load on a set of the instances `ids` with magnitude 2.5,
// amplitude "Amp-1" and three load cases, `status` in the step.
kloC_SubstructureLoad SloadTestLoad(int status, cow_List<unsigned> ids = {1}) {
  rgnC_Region region("Set-1", {"Assembly"});
  region.SetKernelInstanceIds(std::move(ids));
  kloC_SubstructureLoad load;
  load.SetRegion(region);
  kloC_LoadState state(status, {2.5});
  state.SetAmplitude("Amp-1", status);
  state.SetLoadCaseNames({"Case-A", "Case-B", "Case C"});
  load.SetState(kSloadTestStep, status, state);
  return load;
}

class aif_SloadTest : public ::testing::Test {
 protected:
  explicit aif_SloadTest(bool flat = true) : b_(SloadTestModel(flat)) {
    if (!info_.LabelTable()) return;
    // Elements 7 and 9 written for instances 1 and 2; instance 3's record
    // carries another instance's key.
    Record(1, 1, 7);
    Record(2, 2, 9);
    Record(3, 4, 11);
  }

  void Record(int id, int key, int label) {
    auto record = std::make_unique<aif_ElementFileRecord>(key);
    record->SetFirstLabel(label);
    info_.LabelTable()->Set(id, std::move(record));
  }
  std::string Text(const kloC_Load& load, bool opFlag = true, double scale = 1.0) {
    return aif_test::KeywordText(aif_Sload(load, kSloadTestStep, opFlag, info_, scale));
  }

  hst_ModelBuilder b_;
  bas_NewModel model_{b_.Model()};
  aif_Job job_{"J", b_.Job(), model_};
  aif_ModelInfo info_{job_};
};

class aif_SloadPartBasedTest : public aif_SloadTest {
 protected:
  aif_SloadPartBasedTest() : aif_SloadTest(false) {}
};

TEST_F(aif_SloadTest, OneLinePerLoadCaseScaledByTheLoadCase) {
  const auto load = SloadTestLoad(1);
  EXPECT_EQ(Text(load),
            "*Sload, amplitude=Amp-1\n"
            "7, Case-A, 2.5\n"
            "7, Case-B, 2.5\n"
            "7, \"Case C\", 2.5\n");
  EXPECT_EQ(Text(load, false, 0.5),
            "*Sload, op=NEW, amplitude=Amp-1\n"
            "7, Case-A, 1.25\n"
            "7, Case-B, 1.25\n"
            "7, \"Case C\", 1.25\n");
  // The first instance of the region decides.
  EXPECT_EQ(Text(SloadTestLoad(3, {1, 2})),
            "*Sload, amplitude=Amp-1\n"
            "7, Case-A, 2.5\n"
            "7, Case-B, 2.5\n"
            "7, \"Case C\", 2.5\n");
}

TEST_F(aif_SloadTest, InactiveLoadsWriteTheirKeywordLineAlone) {
  for (int status : {4, 11}) {
    const auto load = SloadTestLoad(status);
    EXPECT_EQ(Text(load), "*Sload\n") << status;
    EXPECT_EQ(Text(load, false), "*Sload, op=NEW\n") << status;
  }
}

TEST_F(aif_SloadTest, KeywordLineAloneWithoutASubstructureElement) {
  // An instance that fails the instance test, though its record is there.
  EXPECT_EQ(Text(SloadTestLoad(1, {2, 1})), "*Sload, amplitude=Amp-1\n");
  // A record of another instance under the instance's id.
  EXPECT_EQ(Text(SloadTestLoad(1, {3})), "*Sload, amplitude=Amp-1\n");
  // No instance, or a region the kernel cannot resolve.
  EXPECT_EQ(Text(SloadTestLoad(1, {})), "*Sload, amplitude=Amp-1\n");
  auto invalid = SloadTestLoad(1);
  rgnC_Region region = invalid.Region();
  region.SetKernelValid(false);
  invalid.SetRegion(region);
  EXPECT_EQ(Text(invalid, false), "*Sload, op=NEW, amplitude=Amp-1\n");
  // No record for the instance.
  info_.LabelTable()->Set(1, nullptr);
  EXPECT_EQ(Text(SloadTestLoad(1)), "*Sload, amplitude=Amp-1\n");
}

TEST_F(aif_SloadPartBasedTest, NoLabelTableWritesTheKeywordLineAlone) {
  ASSERT_EQ(info_.LabelTable(), nullptr);
  EXPECT_EQ(Text(SloadTestLoad(1)), "*Sload, amplitude=Amp-1\n");
}

}  // namespace
