#include <gtest/gtest.h>

#include "OdbAttrEO/kprC_Procedure.h"
#include "aif/impl/steps/aif_Restart.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(RestartTest, ReadForm) {
  // Without an increment the step stands alone, even with end step set.
  EXPECT_EQ(
      KeywordText(aif_Restart(2, aif_Restart::kNoIncrement, true, kprC_STATIC_PROCEDURE, false)),
      "*Restart, read, step=2\n");
  // The increment is named as the procedure counts it.
  EXPECT_EQ(KeywordText(aif_Restart(1, 5, true, kprC_DIRECT_CYCLIC_PROCEDURE, false)),
            "*Restart, read, step=1, iteration=5, end step\n");
  EXPECT_EQ(KeywordText(aif_Restart(1, 5, false, kprC_EXPLICIT_DYNAMICS_PROCEDURE, false)),
            "*Restart, read, step=1, interval=5\n");
  EXPECT_EQ(KeywordText(aif_Restart(3, 0, false, kprC_STATIC_PROCEDURE, false)),
            "*Restart, read, step=3, inc=0\n");
  EXPECT_EQ(KeywordText(aif_Restart(-1, 7, true, ~0u, false)),
            "*Restart, read, step=-1, inc=7, end step\n");
  // A cycle count wins over the procedure's own count.
  EXPECT_EQ(KeywordText(aif_Restart(4, 2, true, kprC_DIRECT_CYCLIC_PROCEDURE, true)),
            "*Restart, read, step=4, cycle=2, end step\n");
}

}  // namespace
