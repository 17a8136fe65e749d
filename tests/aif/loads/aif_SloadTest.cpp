// "*Sload": one line per substructure load case on the element written for
// the loaded instance, scaled by the load case; the keyword line alone
// wherever no substructure element is found.
#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kloC_Load.h"
#include "aif/impl/core/aif_ElementFileRecord.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/loads/aif_Sload.h"
#include "support/aif_TestSupport.h"

namespace {

// A flat model: "Sub-1" (id 1) and "Sub-3" (id 3) pass the instance test,
// "Plain-2" (id 2) does not.
hst_ModelBuilder SloadTestModel() {
  hst_ModelBuilder b;
  b.AddPart("Reduced", hst_GridMesh(1, 1, 1));
  hst_ModelBuilder::InstanceOptions substructure;
  substructure.theory.flag = true;
  b.AddInstance("Sub-1", "Reduced", substructure);
  b.AddInstance("Plain-2", "Reduced");
  b.AddInstance("Sub-3", "Reduced", substructure);
  b.Assembly().SetRequiresFlatInputFile(true);
  return b;
}

// A load on the instances `ids`: magnitude 2.5, three load cases.
kloC_SubstructureLoad SloadTestLoad(int status, cow_List<unsigned> ids = {1}, bool valid = true) {
  rgnC_Region region("Set-1", {"Assembly"});
  region.SetKernelInstanceIds(std::move(ids));
  region.SetKernelValid(valid);
  kloC_SubstructureLoad load;
  load.SetRegion(region);
  kloC_LoadState state(status, {2.5});
  state.SetAmplitude("Amp-1", status);
  state.SetLoadCaseNames({"Case-A", "Case-B", "Case C"});
  load.SetState("Step-1", status, state);
  return load;
}

class aif_SloadTest : public ::testing::Test {
 protected:
  aif_SloadTest() {
    // Elements 7 and 9 written for instances 1 and 2; instance 3's record
    // carries another instance's key.
    for (auto [id, key, label] : {std::array{1, 1, 7}, {2, 2, 9}, {3, 4, 11}}) {
      auto record = std::make_unique<aif_ElementFileRecord>(key);
      record->SetFirstLabel(label);
      info_.LabelTable()->Set(id, std::move(record));
    }
  }
  std::string Text(const kloC_Load& load, bool opFlag = true, double scale = 1.0) {
    return aif_test::KeywordText(aif_Sload(load, "Step-1", opFlag, info_, scale));
  }

  hst_ModelBuilder b_ = SloadTestModel();
  bas_NewModel model_{b_.Model()};
  aif_Job job_{"J", b_.Job(), model_};
  aif_ModelInfo info_{job_};
};

TEST_F(aif_SloadTest, OneLinePerLoadCaseScaledByTheLoadCase) {
  EXPECT_EQ(Text(SloadTestLoad(1)),
            "*Sload, amplitude=Amp-1\n7, Case-A, 2.5\n7, Case-B, 2.5\n7, \"Case C\", 2.5\n");
  EXPECT_EQ(Text(SloadTestLoad(3), false, 0.5),
            "*Sload, op=NEW, amplitude=Amp-1\n7, Case-A, 1.25\n7, Case-B, 1.25\n"
            "7, \"Case C\", 1.25\n");
  for (int status : {4, 11}) {
    EXPECT_EQ(Text(SloadTestLoad(status)), "*Sload\n") << status;
    EXPECT_EQ(Text(SloadTestLoad(status), false), "*Sload, op=NEW\n") << status;
  }
}

TEST_F(aif_SloadTest, KeywordLineAloneWithoutASubstructureElement) {
  const std::string alone = "*Sload, amplitude=Amp-1\n";
  // The first instance fails the instance test, though its record is there.
  EXPECT_EQ(Text(SloadTestLoad(1, {2, 1})), alone);
  // A record of another instance under the instance's id.
  EXPECT_EQ(Text(SloadTestLoad(1, {3})), alone);
  // No instance, or a region the kernel cannot resolve.
  EXPECT_EQ(Text(SloadTestLoad(1, {})), alone);
  EXPECT_EQ(Text(SloadTestLoad(1, {1}, false)), alone);
  // No record, or no label table at all.
  info_.LabelTable()->Set(3, nullptr);
  EXPECT_EQ(Text(SloadTestLoad(1, {3})), alone);
  info_.ReleaseAttachmentNodes();
  EXPECT_EQ(Text(SloadTestLoad(1)), alone);
}

}  // namespace
