// Data-line tables: cell widths and precision, eight values a line, trailing
// commas, and the adjustments keywords make before writing.
#include <string>

#include "OdbAttrEO/kmaC_MaterialTable.h"
#include "aif/impl/core/aif_DataLineTable.h"
#include "support/aif_TestSupport.h"

namespace {

using Values = cow_2DArray<double>;

std::string Text(const aif_DataLineTable& table) {
  return aif_test::WrittenText([&](utl_Stream& s) { aif_DataLineTableWrite(s, table); });
}

std::string Text(const Values& values) {
  return Text(aif_DataLineTable(values, 0, 0));
}

// One row holding 1, 2, ..., count.
Values Counting(int count) {
  Values values(1, static_cast<std::size_t>(count));
  for (int c = 0; c < count; ++c)
    values.Modify(0, static_cast<std::size_t>(c)) = c + 1;
  return values;
}

TEST(aif_DataLineTable, EightValuesALine) {
  // One column: every value is a line of its own ending in ",".
  EXPECT_EQ(Text(Values{{1}, {2.5}, {-3}}), "  1.,\n 2.5,\n -3.,\n");
  EXPECT_EQ(Text(Counting(8)), " 1., 2., 3., 4., 5., 6., 7., 8.\n");
  EXPECT_EQ(Text(Counting(10)), " 1., 2., 3., 4., 5., 6., 7., 8.\n 9., 10.\n");
  EXPECT_EQ(Text(Counting(16)),
            " 1., 2., 3., 4., 5., 6., 7., 8.\n 9., 10., 11., 12., 13., 14., 15., 16.\n");
  // A lone value on the last line of a row takes a comma; every row starts a
  // new line.
  EXPECT_EQ(Text(Values{{1, 2, 3, 4, 5, 6, 7, 8, 9}, {9, 8, 7, 6, 5, 4, 3, 2, 1}}),
            " 1., 2., 3., 4., 5., 6., 7., 8.\n 9.,\n"
            " 9., 8., 7., 6., 5., 4., 3., 2.\n 1.,\n");
  // A table without rows or columns writes nothing.
  EXPECT_EQ(Text(Values()), "");
  aif_DataLineTable noRows(Values(0, 3), 0, 0);
  noRows.SetBlankLineAfterRow(true);
  EXPECT_EQ(Text(noRows), "");
}

TEST(aif_DataLineTable, FirstColumnAndTheOthersHaveTheirOwnWidth) {
  // First column: "20" gives 3. The others: "123.456" gives 8 for all of them.
  EXPECT_EQ(Text(Values{{1, 0.5, 1000}, {20, 123.456, -2}}),
            " 1.,     0.5,   1000.\n"
            " 20., 123.456,     -2.\n");
  // Measured and written with six significant digits once a column is that wide.
  EXPECT_EQ(Text(Values{{1.0 / 3, 2.0 / 3, 123456789}}), " 0.333333,    0.666667, 1.23457e+08\n");
}

TEST(aif_DataLineTable, NarrowColumnsKeepFifteenSignificantDigits) {
  // Measured as "1.25" (width 5): written with up to 15 digits, wider than the
  // column; measured as "1.125" (width 6): written with 6.
  EXPECT_EQ(Text(Values{{1.25}, {1.2500001}}), " 1.25,\n1.2500001,\n");
  EXPECT_EQ(Text(Values{{1.125}, {1.1250001}}), " 1.125,\n 1.125,\n");
  // The same value in a narrow first column and in wide other columns.
  EXPECT_EQ(Text(Values{{1.0000001, 1.0000001, 123.456}}), "1.0000001,      1., 123.456\n");
  // Fifteen digits still hide the noise of binary fractions.
  EXPECT_EQ(Text(Values{{0.1 + 0.2, 0.1 + 0.2}}), " 0.3, 0.3\n");
}

TEST(aif_DataLineTable, ExponentsGetADecimalPoint) {
  EXPECT_EQ(Text(Values{{1e100, 1e-5, 1e20}}), " 1.e+100, 1.e-05, 1.e+20\n");
  // "1e+100" keeps its three exponent digits when measured: the column is 7 wide.
  EXPECT_EQ(Text(Values{{1e100}, {1}}), " 1.e+100,\n     1.,\n");
  EXPECT_EQ(Text(Values{{1}, {-2.5e-300}}), "        1.,\n -2.5e-300,\n");
}

TEST(aif_DataLineTable, SkippedColumnsAreNotCounted) {
  aif_DataLineTable ten(Counting(10), 0, 0);
  // Out-of-range and repeated indices do not change the count.
  ten.SetSkippedColumns({1, 1, -1, 10, 42});
  EXPECT_EQ(Text(ten), " 1., 3., 4., 5., 6., 7., 8., 9.\n 10.,\n");
  aif_DataLineTable nine(Counting(9), 0, 0);
  nine.SetSkippedColumns({8});
  EXPECT_EQ(Text(nine), " 1., 2., 3., 4., 5., 6., 7., 8.\n");

  aif_DataLineTable two(Values{{1, 2}, {3, 4}}, 0, 0);
  two.SetSkippedColumns({0});
  EXPECT_EQ(Text(two), " 2.,\n 4.,\n");
  // With every column skipped a row would be an empty data line: nothing.
  two.SetSkippedColumns({0, 1});
  EXPECT_EQ(Text(two), "");
}

TEST(aif_DataLineTable, InsertColumnAddsABlankColumnBeforeAnIndex) {
  aif_DataLineTable table(Values{{1, 2, 3, 4}, {5, 6, 7, 8}}, 0, 0);
  table.InsertColumn(-1);
  table.InsertColumn(4);
  EXPECT_EQ(Text(table), " 1., 2., 3., 4.\n 5., 6., 7., 8.\n");
  table.InsertColumn(2);
  EXPECT_EQ(Text(table), " 1., 2., , 3., 4.\n 5., 6., , 7., 8.\n");

  // Eight values and an inserted column make a row of nine.
  aif_DataLineTable eight(Counting(8), 0, 0);
  eight.InsertColumn(7);
  EXPECT_EQ(Text(eight), " 1., 2., 3., 4., 5., 6., 7., \n 8.,\n");
}

TEST(aif_DataLineTable, SwapColumnsExchangesTheWrittenCells) {
  aif_DataLineTable table(Values{{1, 2.5}, {3, 4}}, 0, 0);
  table.SwapColumns(1, 1);
  table.SwapColumns(0, 2);
  table.SwapColumns(-1, 0);
  EXPECT_EQ(Text(table), " 1., 2.5\n 3.,  4.\n");
  // Cells keep the width of the column they were formatted in.
  table.SwapColumns(0, 1);
  EXPECT_EQ(Text(table), " 2.5, 1.\n  4., 3.\n");
}

TEST(aif_DataLineTable, ReplaceValueInOneColumn) {
  aif_DataLineTable table(Values{{0, 1, 0}, {2, 0, 3}}, 0, 0);
  table.ReplaceValue(3, 0.0, cow_String("x"));
  table.ReplaceValue(-1, 0.0, cow_String("x"));
  table.ReplaceValue(1, 5.0, cow_String("x"));
  EXPECT_EQ(Text(table), " 0., 1., 0.\n 2., 0., 3.\n");
  table.ReplaceValue(1, 0.0, cow_String(" "));
  EXPECT_EQ(Text(table), " 0., 1., 0.\n 2., , 3.\n");

  // The cell's written text is what is compared.
  aif_DataLineTable third(Values{{1, 1.0 / 3}}, 0, 0);
  third.ReplaceValue(1, 1.0 / 3, cow_String(" x"));
  EXPECT_EQ(Text(third), " 1., 0.333333\n");
  third.ReplaceValue(1, 0.333333, cow_String(" x"));
  EXPECT_EQ(Text(third), " 1., x\n");
}

TEST(aif_DataLineTable, BlankLineAfterEveryRow) {
  aif_DataLineTable nine(Values{{1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 7, 8, 9}}, 0, 0);
  nine.SetBlankLineAfterRow(true);
  const std::string row = " 1., 2., 3., 4., 5., 6., 7., 8.\n 9.,\n\n";
  EXPECT_EQ(Text(nine), row + row);
}

TEST(aif_DataLineTable, MaterialTableAndStreamOperator) {
  const Values values{{210000, 0.3, 20}, {200000, 0.31, 100}};
  const std::string expected =
      " 210000.,  0.3,  20.\n"
      " 200000., 0.31, 100.\n";
  EXPECT_EQ(Text(aif_DataLineTable(kmaC_MaterialTable(values), 1, 2)), expected);
  aif_DataLineTable table(values, 1, 2);
  EXPECT_EQ(aif_test::WrittenText([&](utl_Stream& s) { s << "*Elastic\n"
                                                         << table << "**\n"; }),
            "*Elastic\n" + expected + "**\n");
}

}  // namespace
