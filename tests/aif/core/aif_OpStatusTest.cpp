// Per-step ", op=NEW" bookkeeping, through a subclass that knows two kernel
// types, as the boundary-condition builder's does.

#include "aif/impl/core/aif_OpStatus.h"

#include <gtest/gtest.h>

#include <string>

#include "BasShared/cow_Error.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr unsigned kDisplacementBc = 0x23C0010;
constexpr unsigned kTemperatureBc = 0x23C0011;
constexpr unsigned kUnknownBc = 0x23C0099;

class TestOpStatus : public aif_OpStatus {
 public:
  int StatusKey(unsigned typeId, bool& /*flag*/) const override {
    if (typeId == kDisplacementBc) return 0;
    if (typeId == kTemperatureBc) return 1;
    throw aif_Exception("Unimplemented bc->statusKey conversion");
  }
  using aif_OpStatus::MarkCategory;
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

TEST(aif_OpStatusTest, MarkingSetsEveryCategoryOfOneStep) {
  TestOpStatus status;
  status.InitializeSteps({"Initial", "Step-1", "Step-2"}, 2);
  EXPECT_EQ("-- -- --", Flags(status));
  // Indices past the steps change nothing.
  status.MarkStepForAllCategories(3);
  status.MarkStepForAllCategories(-1);
  EXPECT_EQ("-- -- --", Flags(status));
  status.MarkStepForAllCategories(1);
  EXPECT_EQ("-- dt --", Flags(status));

  // Later steps are appended, and each category gets a new cleared list as
  // long as all the steps.
  status.InitializeSteps({"Step-3"}, 2);
  EXPECT_EQ("-- -- -- --", Flags(status));
  status.MarkStepForAllCategories(3);
  EXPECT_EQ("-- -- -- dt", Flags(status));
}

TEST(aif_OpStatusTest, MarkingOneCategoryOfOneStep) {
  TestOpStatus status;
  status.InitializeSteps({"Initial", "Step-1", "Step-2"}, 2);
  status.MarkCategory(1, 2);
  EXPECT_EQ("-- -- -t", Flags(status));
  EXPECT_TRUE(status.CategoryNeedsNewOp(1, "Step-2"));
  EXPECT_FALSE(status.CategoryNeedsNewOp(0, "Step-2"));
  status.MarkCategory(0, 1);
  EXPECT_EQ("-- d- -t", Flags(status));
  // Indices past the steps change nothing; a category never entered is an
  // error, whatever the step.
  status.MarkCategory(0, 3);
  status.MarkCategory(1, -1);
  EXPECT_EQ("-- d- -t", Flags(status));
  EXPECT_THROW(status.MarkCategory(2, 1), cow_OutOfRange);
  EXPECT_THROW(status.MarkCategory(2, 7), cow_OutOfRange);
  EXPECT_THROW(status.CategoryNeedsNewOp(2, "Step-1"), cow_OutOfRange);
  EXPECT_THROW(status.CategoryNeedsNewOp(0, "Step-3"), cow_OutOfRange);
  EXPECT_EQ("-- d- -t", Flags(status));
}

TEST(aif_OpStatusTest, UnknownTypeStepOrCategoryIsAnError) {
  TestOpStatus status;
  status.InitializeSteps({"Initial", "Step-1"}, 1);
  try {
    status.NeedsNewOp(kUnknownBc, "Step-1");
    FAIL() << "no exception for an unknown type";
  } catch (const aif_Exception& e) {
    EXPECT_EQ(cow_String("Unimplemented bc->statusKey conversion"), e.Message());
  }
  EXPECT_FALSE(status.NeedsNewOp(kDisplacementBc, "Step-1"));
  // Step names are matched exactly; the second category was never entered.
  EXPECT_THROW(status.NeedsNewOp(kDisplacementBc, "step-1"), cow_OutOfRange);
  EXPECT_THROW(status.NeedsNewOp(kTemperatureBc, "Step-1"), cow_OutOfRange);
}

}  // namespace
