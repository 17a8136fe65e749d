// Per-step ", op=NEW" bookkeeping, through a subclass that knows two kernel
// types, as the boundary-condition builder's does.

#include "aif/impl/core/aif_OpStatus.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "BasMem/mem_Allocator.h"
#include "BasShared/cow_Error.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr unsigned kDisplacementBc = 0x23C0010;
constexpr unsigned kTemperatureBc = 0x23C0011;
constexpr unsigned kUnknownBc = 0x23C0099;

int g_destroyed = 0;

class TestOpStatus : public aif_OpStatus {
 public:
  TestOpStatus() = default;
  TestOpStatus(const TestOpStatus&) = default;
  ~TestOpStatus() override { ++g_destroyed; }

  int StatusKey(unsigned typeId, bool& /*flag*/) const override {
    if (typeId == kDisplacementBc) return 0;
    if (typeId == kTemperatureBc) return 1;
    throw aif_Exception("Unimplemented bc->statusKey conversion");
  }
};

// The flags of both categories in every step, as "dt" letters per step
// ("d" displacement, "t" temperature, "-" neither), steps separated by blanks.
std::string Flags(const aif_OpStatus& status) {
  std::string text;
  for (const cow_String& step : status.Steps()) {
    if (!text.empty()) text += ' ';
    text += status.NeedsNewOp(kDisplacementBc, step) ? 'd' : '-';
    text += status.NeedsNewOp(kTemperatureBc, step) ? 't' : '-';
  }
  return text;
}

TEST(aif_OpStatusTest, StepsStartClearedAndMarkingSetsEveryCategory) {
  TestOpStatus status;
  EXPECT_EQ("", Flags(status));
  status.InitializeSteps({"Initial", "Step-1", "Step-2"}, 2);
  EXPECT_EQ(3u, status.Steps().Length());
  EXPECT_EQ("-- -- --", Flags(status));

  // Indices past the steps change nothing.
  status.MarkStepForAllCategories(3);
  status.MarkStepForAllCategories(-1);
  status.MarkStepForAllCategories(100);
  EXPECT_EQ("-- -- --", Flags(status));

  status.MarkStepForAllCategories(1);
  EXPECT_EQ("-- dt --", Flags(status));
  status.MarkStepForAllCategories(1);
  status.MarkStepForAllCategories(2);
  EXPECT_EQ("-- dt dt", Flags(status));
}

TEST(aif_OpStatusTest, LaterStepsAreAppendedAndCategoriesStartAfresh) {
  TestOpStatus status;
  status.InitializeSteps({"Initial", "Step-1"}, 2);
  status.MarkStepForAllCategories(1);
  status.InitializeSteps({"Step-2"}, 2);
  EXPECT_EQ(cow_String("Step-2"), status.Steps()[2]);
  // Each category got a new cleared list as long as all three steps.
  EXPECT_EQ("-- -- --", Flags(status));
  status.MarkStepForAllCategories(2);
  EXPECT_EQ("-- -- dt", Flags(status));
}

TEST(aif_OpStatusTest, UnknownTypeStepOrCategoryIsAnError) {
  TestOpStatus status;
  status.InitializeSteps({"Initial", "Step-1"}, 2);
  try {
    status.NeedsNewOp(kUnknownBc, "Step-1");
    FAIL() << "no exception for an unknown type";
  } catch (const aif_Exception& e) {
    EXPECT_EQ(cow_String("Unimplemented bc->statusKey conversion"), e.Message());
  }
  EXPECT_THROW(status.NeedsNewOp(kDisplacementBc, "Step-9"), cow_OutOfRange);
  // Step names are matched exactly.
  EXPECT_THROW(status.NeedsNewOp(kDisplacementBc, "step-1"), cow_OutOfRange);

  // A category that was never entered.
  TestOpStatus oneCategory;
  oneCategory.InitializeSteps({"Initial"}, 1);
  EXPECT_FALSE(oneCategory.NeedsNewOp(kDisplacementBc, "Initial"));
  EXPECT_THROW(oneCategory.NeedsNewOp(kTemperatureBc, "Initial"), cow_OutOfRange);
}

TEST(aif_OpStatusTest, CopySharesUntilEitherSideChanges) {
  TestOpStatus original;
  original.InitializeSteps({"Initial", "Step-1", "Step-2"}, 2);
  original.MarkStepForAllCategories(0);

  TestOpStatus copy(original);
  EXPECT_TRUE(copy.Steps().SharesWith(original.Steps()));
  EXPECT_EQ("dt -- --", Flags(copy));

  copy.MarkStepForAllCategories(2);
  EXPECT_EQ("dt -- dt", Flags(copy));
  EXPECT_EQ("dt -- --", Flags(original));

  original.MarkStepForAllCategories(1);
  EXPECT_EQ("dt dt --", Flags(original));
  EXPECT_EQ("dt -- dt", Flags(copy));

  copy.InitializeSteps({"Step-3"}, 2);
  EXPECT_FALSE(copy.Steps().SharesWith(original.Steps()));
  EXPECT_EQ(3u, original.Steps().Length());
  EXPECT_EQ("dt dt --", Flags(original));
}

TEST(aif_OpStatusTest, SubclassIsDestroyedThroughTheBase) {
  g_destroyed = 0;
  long allocations = mem_AllocationCount();
  std::unique_ptr<aif_OpStatus> status(new TestOpStatus());
  // Allocated through the host allocator.
  EXPECT_EQ(allocations + 1, mem_AllocationCount());
  status->InitializeSteps({"Initial"}, 1);
  status.reset();
  EXPECT_EQ(1, g_destroyed);
}

}  // namespace
