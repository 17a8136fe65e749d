// A table of numbers written as data lines: one row at a time, at most eight
// values a line, values joined by "," and padded to a common width per column
// so that the table reads as columns. Material, section, connector and
// interaction-property keywords build one on the stack, may adjust it, and
// write it with aif_DataLineTableWrite.
//
// Every value is written with the shortest text that reads back to the same
// double, made a real ("1.", "1.e+100", "-2.5e-05"; a negative zero is "0."),
// so no digit a value holds is lost. The first column is padded to its own
// width, all other columns to one shared width: the longest text of the
// column(s), real marker included, plus one leading blank.
#pragma once

#include "BasShared/cow_2DArray.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

class kmaC_MaterialTable;
class utl_Stream;

class aif_DataLineTable {
 public:
  // The values of a kernel table, with the two integers the caller keeps with
  // it (a material option's dependency count and temperature flag).
  aif_DataLineTable(const kmaC_MaterialTable& table, int first, int second);
  aif_DataLineTable(const cow_2DArray<double>& values, int first, int second);

  // Inserts a column of " " cells before `column` (0 to columns-1); any other
  // index leaves the table unchanged.
  void InsertColumn(int column);
  // Exchanges two columns; nothing when they are equal or either is out of range.
  void SwapColumns(int a, int b);
  // In `column`, every cell holding a number equal to `value` (compared as
  // doubles, not as texts) becomes `text`; cells that hold a text (inserted
  // or replaced) never match. A column out of range leaves the table
  // unchanged.
  void ReplaceValue(int column, double value, const cow_String& text);

  // Columns not written; indices out of range are ignored.
  void SetSkippedColumns(cow_List<int> columns) { skipped_ = std::move(columns); }
  const cow_List<int>& SkippedColumns() const { return skipped_; }
  // With the flag set an empty line follows every row.
  void SetBlankLineAfterRow(bool blank) { blankLineAfterRow_ = blank; }

  int First() const { return first_; }
  int Second() const { return second_; }
  const cow_2DArray<cow_String>& Cells() const { return cells_; }

  // Per row: the cells of the written columns, "," between them, a line break
  // after every eighth; a row whose last line holds a single value ends with
  // ","; then the line end. Nothing for a table without rows or columns.
  void Write(utl_Stream& stream) const;

 private:
  void FormatValues();

  cow_2DArray<double> values_;
  int first_;
  int second_;
  cow_2DArray<cow_String> cells_;
  // The number each cell holds, moved with its cell; NaN for a cell that
  // holds a text.
  cow_2DArray<double> cellValues_;
  cow_List<int> skipped_;
  bool blankLineAfterRow_ = false;
};

// Writes `table` to `stream` and returns the stream.
utl_Stream& aif_DataLineTableWrite(utl_Stream& stream, const aif_DataLineTable& table);
inline utl_Stream& operator<<(utl_Stream& stream, const aif_DataLineTable& table) {
  return aif_DataLineTableWrite(stream, table);
}

// One value outside a table, in the same form as a table cell: the shortest
// text that reads back to `value`, made a real, right-aligned in `width`
// characters (a longer text is written whole). A value below the stream's
// smallest-real threshold is written "0.". Throws nex_TextException for NaN
// and infinities, writing nothing.
utl_Stream& aif_WriteReal(utl_Stream& stream, double value, int width);
