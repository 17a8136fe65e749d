// "*Contact Initialization Data" and "*Contact Interference".
#include "aif/impl/interactions/aif_ContactInitialization.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/interactions/aif_ContactInterference.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(aif_ContactInitialization, SearchDistancesAndInterferenceFit) {
  kinC_StdInitialization init;
  EXPECT_EQ(KeywordText(aif_ContactInitialization(init, "CI-1")),
            "*Contact Initialization Data, name=CI-1\n");
  init.searchAbove = 0.5;
  init.searchBelow = 0.25;
  EXPECT_EQ(KeywordText(aif_ContactInitialization(init, "CI-1")),
            "*Contact Initialization Data, name=CI-1, SEARCH ABOVE=0.5, SEARCH BELOW=0.25\n");
  // An interference fit never writes the distance above, even when set.
  init.interferenceFit = true;
  EXPECT_EQ(KeywordText(aif_ContactInitialization(init, "CI-1")),
            "*Contact Initialization Data, name=CI-1, INTERFERENCE FIT, SEARCH BELOW=0.25\n");
  init.searchBelow = DBL_MAX;
  EXPECT_EQ(KeywordText(aif_ContactInitialization(init, "CI-1")),
            "*Contact Initialization Data, name=CI-1, INTERFERENCE FIT\n");
}

// A model with the instance "Ring-1"; the pair's first surface is the
// instance's "Inner", its second the assembly's "Shaft".
class aif_ContactInterferenceTest : public ::testing::Test {
 protected:
  aif_ContactInterferenceTest() {
    b_.AddPart("Ring");
    b_.AddInstance("Ring-1", "Ring");
    job_ = std::make_unique<aif_Job>("J", b_.Job(), b_.Model());
    info_ = std::make_unique<aif_ModelInfo>(*job_);
    kinC_SurfaceToSurfaceContactStd pair;
    pair.SetSurfaces(rgnC_Region("Inner", {"Assembly", "Ring-1"}),
                     rgnC_Region("Shaft", {"Assembly"}));
    pair_ = cow_COW<kinC_Interaction>(pair);
  }
  std::string InterferenceText(const kinC_InterferenceData& data) {
    const aif_ContactInterference keyword(pair_, "Step-1", *info_, data);
    return KeywordText(keyword);
  }

  hst_ModelBuilder b_;
  std::unique_ptr<aif_Job> job_;
  std::unique_ptr<aif_ModelInfo> info_;
  cow_COW<kinC_Interaction> pair_;
};

TEST_F(aif_ContactInterferenceTest, ShrinkValueAndDirection) {
  kinC_InterferenceData data;
  EXPECT_TRUE(aif_ContactInterference(pair_, "Step-1", *info_, data).IsEmpty());
  EXPECT_EQ(InterferenceText(data), "");

  // A shrink fit: the two surface names only, the second first.
  data.interferenceType.Set(1, 1);
  data.amplitude.Set("Ramp", 1);
  data.value.Set(0.5, 1);
  EXPECT_FALSE(aif_ContactInterference(pair_, "Step-1", *info_, data).IsEmpty());
  EXPECT_EQ(InterferenceText(data), "*Contact Interference, shrink\nShaft, Ring-1.Inner\n");

  // An interference by a value without a direction ends with ", ".
  data.interferenceType.Set(2, 1);
  data.amplitude.Set("", 1);
  EXPECT_EQ(InterferenceText(data), "*Contact Interference\nShaft, Ring-1.Inner, 0.5, \n");

  // With an amplitude (printable) and a direction.
  data.amplitude.Set("My ramp", 1);
  data.directionType.Set(1, 1);
  data.direction.Set(cow_List<float>({0.0f, 0.6f, 0.8f}), 1);
  EXPECT_EQ(
      InterferenceText(data),
      "*Contact Interference, amplitude=\"My ramp\"\nShaft, Ring-1.Inner, 0.5, 0., 0.6, 0.8\n");

  // Only type 2 follows an amplitude.
  data.interferenceType.Set(3, 1);
  EXPECT_EQ(InterferenceText(data),
            "*Contact Interference\nShaft, Ring-1.Inner, 0.5, 0., 0.6, 0.8\n");
}

TEST_F(aif_ContactInterferenceTest, OtherInteractionsWriteNothing) {
  kinC_InterferenceData data;
  const cow_COW<kinC_Interaction> self{kinC_SelfContactStd()};
  EXPECT_FALSE(aif_ContactInterference(self, "Step-1", *info_, data).IsEmpty());
  data.interferenceType.Set(1, 1);
  EXPECT_EQ(KeywordText(aif_ContactInterference(self, "Step-1", *info_, data)), "");
  const cow_COW<kinC_Interaction> xpl{kinC_SurfaceToSurfaceContactXpl()};
  EXPECT_EQ(KeywordText(aif_ContactInterference(xpl, "Step-1", *info_, data)), "");
}

}  // namespace
