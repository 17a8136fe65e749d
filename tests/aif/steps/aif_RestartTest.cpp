#include <gtest/gtest.h>

#include "OdbAttrEO/kprC_Procedure.h"
#include "OdbAttrEO/kprC_StepRequests.h"
#include "aif/impl/steps/aif_Restart.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::ThrownText;

// Settings that claim the explicit kind without being explicit settings.
class RestartClaimingExplicit : public kprC_Restart {
 public:
  RestartClaimingExplicit* Clone() const override { return new RestartClaimingExplicit(*this); }
  bool IsExplicit() const override { return true; }
  bool Equals(const kprC_Restart& other) const override { return &other == this; }
};

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

TEST(RestartTest, WriteFormByKindOfSettings) {
  // Standard: a frequency unless a number of intervals is given.
  kprC_StandardRestart standard;
  standard.SetFrequency(10);
  EXPECT_EQ(KeywordText(aif_Restart(standard)), "*Restart, write, frequency=10\n");
  standard.SetOverlay(true);
  standard.SetNumberIntervals(4);
  EXPECT_EQ(KeywordText(aif_Restart(standard)),
            "*Restart, write, overlay, number interval=4, time marks=NO\n");
  standard.SetOverlay(false);
  standard.SetTimeMarks(true);
  EXPECT_EQ(KeywordText(aif_Restart(standard)),
            "*Restart, write, number interval=4, time marks=YES\n");

  // Explicit: always a number of intervals with its time marks.
  kprC_ExplicitRestart explicitRestart;
  EXPECT_EQ(KeywordText(aif_Restart(explicitRestart)),
            "*Restart, write, number interval=1, time marks=NO\n");
  explicitRestart.SetOverlay(true);
  explicitRestart.SetNumberIntervals(0);
  explicitRestart.SetTimeMarks(true);
  EXPECT_EQ(KeywordText(aif_Restart(explicitRestart)),
            "*Restart, write, overlay, number interval=0, time marks=YES\n");

  // Flow: no overlay and no time marks.
  kprC_FlowRestart flow;
  flow.SetFrequency(5);
  EXPECT_EQ(KeywordText(aif_Restart(flow)), "*Restart, write, frequency=5\n");
  flow.SetNumberIntervals(2);
  EXPECT_EQ(KeywordText(aif_Restart(flow)), "*Restart, write, number interval=2\n");

  // The write form keeps the read form's fixed values, and a copy writes the
  // same settings.
  const aif_Restart keyword(standard);
  EXPECT_EQ(keyword.Step(), 0);
  EXPECT_FALSE(keyword.Cycle());
  EXPECT_EQ(keyword.ProcedureType(), kprC_StaticStep::TypeId());
  std::unique_ptr<akw_Keyword> copy(keyword.Clone());
  EXPECT_EQ(KeywordText(*copy), "*Restart, write, number interval=4, time marks=YES\n");
}

TEST(RestartTest, SettingsOfAnotherClassFailTheTypeTestBeforeWriting) {
  // ThrownText also checks that nothing was written before the error.
  const std::string error = ThrownText(aif_Restart(RestartClaimingExplicit()));
  EXPECT_EQ(error.rfind("Type test failed: the object is not a kprC_ExplicitRestart "
                        "(source file module/aif/impl/steps/aif_Restart.cpp, line ",
                        0),
            0u)
      << error;
}

}  // namespace
