#include <gtest/gtest.h>

#include <memory>

#include "OdbAttrEO/kprC_StepRequests.h"
#include "aif/impl/steps/aif_Monitor.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::ThrownText;

// A monitor of neither the explicit nor the standard class.
class MonitorOfNoKnownKind : public kprC_Monitor {
 public:
  MonitorOfNoKnownKind* Clone() const override { return new MonitorOfNoKnownKind(*this); }
};

TEST(MonitorTest, DofNodeAndFrequencyByKind) {
  kprC_StandardMonitor standard;
  standard.SetDof(2);
  standard.SetFrequency(5);
  // The node name goes out as given, without quoting.
  const aif_Monitor keyword(standard, "Part-1-1.12");
  EXPECT_FALSE(keyword.IsEmpty());
  EXPECT_EQ(KeywordText(keyword), "*Monitor, dof=2, node=Part-1-1.12, frequency=5\n");
  std::unique_ptr<akw_Keyword> copy(keyword.Clone());
  EXPECT_EQ(KeywordText(*copy), "*Monitor, dof=2, node=Part-1-1.12, frequency=5\n");

  // An explicit monitor has no frequency.
  kprC_ExplicitMonitor explicitMonitor;
  explicitMonitor.SetDof(6);
  EXPECT_EQ(KeywordText(aif_Monitor(cow_COW<kprC_Monitor>(explicitMonitor), "Set 1")),
            "*Monitor, dof=6, node=Set 1\n");

  // No monitor: empty, nothing written.
  const aif_Monitor empty(cow_COW<kprC_Monitor>(), "N");
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_EQ(KeywordText(empty), "");
}

TEST(MonitorTest, MonitorOfNoKnownKindFailsTheTypeTestBeforeWriting) {
  const std::string error = ThrownText(aif_Monitor(MonitorOfNoKnownKind(), "N"));
  EXPECT_EQ(error.rfind("Type test failed: the object is not a kprC_StandardMonitor", 0), 0u)
      << error;
}

}  // namespace
