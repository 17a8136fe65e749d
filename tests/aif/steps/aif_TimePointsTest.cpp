// "*Time Points": listed values eight to a line, generated ranges from three
// columns, an empty table, and names that need quoting.
#include "aif/impl/steps/aif_TimePoints.h"

#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

TEST(aif_TimePointsTest, ListedValues) {
  cow_List<cow_List<double>> rows;
  for (int i = 1; i <= 20; ++i)
    rows.Append(cow_List<double>{i * 0.5});
  EXPECT_EQ(KeywordText(aif_TimePoints("TP-1", kprC_TimePoint(rows))),
            "*Time Points, name=TP-1\n"
            "0.5, 1., 1.5, 2., 2.5, 3., 3.5, 4.\n"
            "4.5, 5., 5.5, 6., 6.5, 7., 7.5, 8.\n"
            "8.5, 9., 9.5, 10.\n");

  // Exactly eight values: one full line and no empty one after it. Rows of
  // two columns list their first value.
  cow_List<cow_List<double>> eight;
  for (int i = 1; i <= 8; ++i)
    eight.Append(cow_List<double>{double(i), 99.0});
  EXPECT_EQ(KeywordText(aif_TimePoints("TP-1", kprC_TimePoint(eight))),
            "*Time Points, name=TP-1\n1., 2., 3., 4., 5., 6., 7., 8.\n");

  // No rows: the keyword line and an empty line.
  EXPECT_EQ(KeywordText(aif_TimePoints("TP-1", kprC_TimePoint())), "*Time Points, name=TP-1\n\n");
  // A name that needs quoting is quoted.
  EXPECT_EQ(KeywordText(aif_TimePoints("Output times", kprC_TimePoint({{0.25}}))),
            "*Time Points, name=\"Output times\"\n0.25\n");
}

TEST(aif_TimePointsTest, GeneratedRanges) {
  EXPECT_EQ(KeywordText(aif_TimePoints("Gen", kprC_TimePoint({{0.0, 1.0, 0.1}}))),
            "*Time Points, name=Gen, GENERATE\n0., 1., 0.1\n");
  EXPECT_EQ(KeywordText(aif_TimePoints(
                "Gen", kprC_TimePoint({{0.0, 1.0, 0.1}, {1.0, 10.0, 0.5}, {10.0, 20.0}}))),
            "*Time Points, name=Gen, GENERATE\n0., 1., 0.1\n1., 10., 0.5\n10., 20.\n");
}

}  // namespace
