// "*Select Eigenmodes" in its three forms; a selection by ranges without any
// range writes nothing.
#include "aif/impl/steps/aif_SelectEigenmodes.h"

#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(aif_SelectEigenmodesTest, Forms) {
  EXPECT_EQ(KeywordText(aif_SelectEigenmodes(12)), "*Select Eigenmodes, generate\n1, 12, 1\n");

  kprC_ModeRange low, high;
  low.SetFirst(1);
  low.SetLast(10);
  low.SetIncrement(1);
  high.SetFirst(20);
  high.SetLast(40);
  high.SetIncrement(5);
  EXPECT_EQ(KeywordText(aif_SelectEigenmodes(cow_List<kprC_ModeRange>{low, high})),
            "*Select Eigenmodes, generate\n1, 10, 1\n20, 40, 5\n");

  // The kernel holds the upper bound first: the line reads lower, upper.
  kprC_FrequencyRange band;
  band.SetLower(10.0);
  band.SetUpper(250.5);
  EXPECT_EQ(KeywordText(aif_SelectEigenmodes(cow_List<kprC_FrequencyRange>{band})),
            "*Select Eigenmodes, definition=FREQUENCY RANGE\n10., 250.5\n");
}

TEST(aif_SelectEigenmodesTest, EmptyRangesWriteNothing) {
  const aif_SelectEigenmodes modes{cow_List<kprC_ModeRange>()};
  const aif_SelectEigenmodes frequencies{cow_List<kprC_FrequencyRange>()};
  EXPECT_TRUE(modes.IsEmpty());
  EXPECT_TRUE(frequencies.IsEmpty());
  EXPECT_EQ(KeywordText(modes), "");
  EXPECT_EQ(KeywordText(frequencies), "");
  EXPECT_FALSE(aif_SelectEigenmodes(0).IsEmpty());
}

}  // namespace
