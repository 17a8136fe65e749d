// "*Buckle" by eigensolver, with blank fields for what is not given.
#include "aif/impl/steps/aif_Buckle.h"

#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(aif_BuckleTest, LanczosAndSubspace) {
  kprC_BuckleStep step;
  EXPECT_EQ(KeywordText(aif_Buckle(step)), "*Buckle\n1, , 18, 30\n");
  step.SetNumEigen(4);
  step.SetMaxEigen(250.0);
  step.SetMinEigen(-1.5);  // the subspace line has no minimum
  step.SetNumVectors(kprC_NOT_GIVEN);
  EXPECT_EQ(KeywordText(aif_Buckle(step)), "*Buckle\n4, 250., , 30\n");

  step.SetEigensolver(1);
  EXPECT_EQ(KeywordText(aif_Buckle(step)), "*Buckle, eigensolver=lanczos\n4, -1.5, 250., , \n");
  step.SetBlockSize(3);
  step.SetMaxBlocks(9);
  step.SetMinEigen(kprC_UNSET);
  step.SetMaxEigen(kprC_UNSET);
  step.SetNumEigen(kprC_NOT_GIVEN);
  EXPECT_EQ(KeywordText(aif_Buckle(step)), "*Buckle, eigensolver=lanczos\n, , , 3, 9\n");
}

}  // namespace
