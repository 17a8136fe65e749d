// Data-line tables: exact values and aligned columns, eight values a line,
// trailing commas, and the adjustments keywords make before writing.
#include <limits>
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
  // "10." sets the width of every column but the first.
  EXPECT_EQ(Text(Counting(10)), " 1.,  2.,  3.,  4.,  5.,  6.,  7.,  8.\n  9., 10.\n");
  EXPECT_EQ(Text(Counting(16)),
            " 1.,  2.,  3.,  4.,  5.,  6.,  7.,  8.\n  9., 10., 11., 12., 13., 14., 15., 16.\n");
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

TEST(aif_DataLineTable, ColumnsAlignWithTheDecimalPointCounted) {
  // The width is that of the longest text with its decimal point, plus one:
  // "100." beside "1.5" gives 5 in both the first and the other columns.
  EXPECT_EQ(Text(Values{{1.5, 1.5}, {100, 100}}),
            "  1.5,  1.5\n"
            " 100., 100.\n");
  // First column: "20." gives 4. The others share one width: "123.456" gives 8.
  EXPECT_EQ(Text(Values{{1, 0.5, 1000}, {20, 123.456, -2}}),
            "  1.,     0.5,   1000.\n"
            " 20., 123.456,     -2.\n");
}

TEST(aif_DataLineTable, EveryValueKeepsAllItsDigits) {
  // Values that differ in their seventh digit or later stay distinct.
  EXPECT_EQ(Text(Values{{1234.5678, 293.15}, {1234.5679, 293.1500001}}),
            " 1234.5678,      293.15\n"
            " 1234.5679, 293.1500001\n");
  EXPECT_EQ(Text(Values{{1.25}, {1.2500001}}), "      1.25,\n 1.2500001,\n");
  EXPECT_EQ(Text(Values{{1.0 / 3, 0.123456789, 123456789}}),
            " 0.3333333333333333, 0.123456789,  123456789.\n");
  // What is written is the double itself, noise of binary fractions included.
  EXPECT_EQ(Text(Values{{0.1 + 0.2, 0.3}}), " 0.30000000000000004, 0.3\n");
}

TEST(aif_DataLineTable, RealForms) {
  // Exponents keep the digits they need and get a decimal point; a negative
  // zero is a zero; the shorter of the plain and the exponent form is taken
  // (the plain one when both are as long).
  EXPECT_EQ(Text(Values{{1e100, 1e-5, -0.0, -2.5e-300, -7.25}}),
            " 1.e+100,    1.e-05,        0., -2.5e-300,     -7.25\n");
  EXPECT_EQ(Text(Values{{100000, 10000, 123456, 1e15, 1234567890123.0}}),
            " 1.e+05,         10000.,        123456.,         1.e+15, 1234567890123.\n");
  EXPECT_EQ(Text(Values{{std::numeric_limits<double>::max()}, {-5e-324}}),
            " 1.7976931348623157e+308,\n                -5.e-324,\n");
}

TEST(aif_DataLineTable, SkippedColumnsAreNotCounted) {
  aif_DataLineTable ten(Counting(10), 0, 0);
  // Out-of-range and repeated indices do not change the count.
  ten.SetSkippedColumns({1, 1, -1, 10, 42});
  EXPECT_EQ(Text(ten), " 1.,  3.,  4.,  5.,  6.,  7.,  8.,  9.\n 10.,\n");
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

TEST(aif_DataLineTable, ReplaceValueComparesTheCellsValues) {
  aif_DataLineTable table(Values{{0, 1, 0}, {2, 0, 3}}, 0, 0);
  table.ReplaceValue(3, 0.0, cow_String("x"));
  table.ReplaceValue(-1, 0.0, cow_String("x"));
  table.ReplaceValue(1, 5.0, cow_String("x"));
  EXPECT_EQ(Text(table), " 0., 1., 0.\n 2., 0., 3.\n");
  table.ReplaceValue(1, 0.0, cow_String(" "));
  EXPECT_EQ(Text(table), " 0., 1., 0.\n 2., , 3.\n");

  // Whole doubles are compared: the largest double (an unset value) is found,
  // and values that agree in their first six digits are not confused.
  const double unset = std::numeric_limits<double>::max();
  aif_DataLineTable exact(Values{{1, unset, 1234.5678}, {2, 1.0 / 3, 1234.5679}}, 0, 0);
  exact.ReplaceValue(1, unset, cow_String(" "));
  exact.ReplaceValue(1, 0.333333, cow_String(" x"));
  exact.ReplaceValue(2, 1234.5679, cow_String(" y"));
  EXPECT_EQ(Text(exact),
            " 1., ,               1234.5678\n"
            " 2.,      0.3333333333333333, y\n");

  // Values move with their cells: after an inserted column and a swap the
  // value is found in its new column; a text cell (inserted or replaced)
  // never matches, not even a zero.
  aif_DataLineTable moved(Values{{0, 7, 9}}, 0, 0);
  moved.InsertColumn(1);
  moved.SwapColumns(2, 3);
  moved.ReplaceValue(1, 0.0, cow_String("blank?"));
  moved.ReplaceValue(3, 7.0, cow_String(" seven"));
  moved.ReplaceValue(3, 7.0, cow_String(" again"));
  moved.ReplaceValue(2, 9.0, cow_String(" nine"));
  EXPECT_EQ(Text(moved), " 0., , nine, seven\n");
}

TEST(aif_DataLineTable, BlankLineAfterEveryRow) {
  aif_DataLineTable nine(Values{{1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 7, 8, 9}}, 0, 0);
  nine.SetBlankLineAfterRow(true);
  const std::string row = " 1., 2., 3., 4., 5., 6., 7., 8.\n 9.,\n\n";
  EXPECT_EQ(Text(nine), row + row);
}

TEST(aif_DataLineTable, MaterialTableAndStreamOperator) {
  const Values values{{210000, 0.3, 20}, {200000, 0.31, 100}};
  // 200000 is shorter with an exponent.
  const std::string expected =
      " 210000.,  0.3,  20.\n"
      "  2.e+05, 0.31, 100.\n";
  EXPECT_EQ(Text(aif_DataLineTable(kmaC_MaterialTable(values), 1, 2)), expected);
  aif_DataLineTable table(values, 1, 2);
  EXPECT_EQ(aif_test::WrittenText([&](utl_Stream& s) { s << "*Elastic\n"
                                                         << table << "**\n"; }),
            "*Elastic\n" + expected + "**\n");
}

}  // namespace
