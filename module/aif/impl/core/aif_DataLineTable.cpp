#include "aif/impl/core/aif_DataLineTable.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "MSVCR90/rt_Runtime.h"
#include "OdbAttrEO/kmaC_MaterialTable.h"
#include "QivBasicUtils/utl_Number.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr std::size_t kValuesPerLine = 8;

// The length of "%lg" of `value`, a three-digit exponent with a leading zero
// counted without that zero.
std::size_t MeasuredLength(double value) {
  char text[kRealBufferSize];
  std::size_t n = utl_FormatGeneral(text, value, 6);
  const char* e = static_cast<const char*>(std::memchr(text, 'e', n));
  if (n >= 4 && e) {
    std::size_t digits = static_cast<std::size_t>(e - text) + 2;  // past "e" and the sign
    if (n - digits == 3 && text[digits] == '0') --n;
  }
  return n;
}

// The table's number routine: general format with `precision` significant
// digits (6 once the field is 6 wide or more), right-aligned in `width`, then
// normalised so that the solver reads a real.
cow_String FormatCell(double value, int width, int precision) {
  int digits = width > 0 && width >= 6 ? 6 : precision;
  char text[kRealBufferSize * 2 + 2];
  std::size_t n = utl_FormatGeneral(text, value, digits > 0 ? digits : 6);
  std::size_t field = std::max<std::size_t>(n, width > 0 ? static_cast<std::size_t>(width) : 0);
  std::memmove(text + field - n, text, n);
  std::memset(text, ' ', field - n);
  text[field] = '\0';
  utl_Stream::FixNumericString(text, width);
  return cow_String(text);
}

}  // namespace

aif_DataLineTable::aif_DataLineTable(const kmaC_MaterialTable& table, int first, int second)
    : aif_DataLineTable(table.Values(), first, second) {}

aif_DataLineTable::aif_DataLineTable(const cow_2DArray<double>& values, int first, int second)
    : values_(values), first_(first), second_(second) {
  FormatValues();
}

void aif_DataLineTable::FormatValues() {
  const std::size_t rows = values_.Rows();
  const std::size_t columns = values_.Columns();
  cells_ = cow_2DArray<cow_String>(rows, columns);
  if (rows == 0 || columns == 0) return;
  std::size_t firstWidth = 0;
  std::size_t otherWidth = 0;
  for (std::size_t r = 0; r < rows; ++r)
    for (std::size_t c = 0; c < columns; ++c) {
      std::size_t& width = c == 0 ? firstWidth : otherWidth;
      width = std::max(width, MeasuredLength(values_(r, c)) + 1);
    }
  for (std::size_t r = 0; r < rows; ++r)
    for (std::size_t c = 0; c < columns; ++c)
      cells_.Modify(r, c) =
          FormatCell(values_(r, c), static_cast<int>(c == 0 ? firstWidth : otherWidth), 15);
}

void aif_DataLineTable::InsertColumn(int column) {
  const std::size_t rows = cells_.Rows();
  const std::size_t columns = cells_.Columns();
  if (column < 0 || static_cast<std::size_t>(column) >= columns) return;
  cow_2DArray<cow_String> cells(rows, columns + 1);
  for (std::size_t r = 0; r < rows; ++r)
    for (std::size_t c = 0; c <= columns; ++c) {
      std::size_t at = static_cast<std::size_t>(column);
      cells.Modify(r, c) = c < at ? cells_(r, c) : (c == at ? cow_String(" ") : cells_(r, c - 1));
    }
  cells_ = cells;
}

void aif_DataLineTable::SwapColumns(int a, int b) {
  const std::size_t columns = cells_.Columns();
  if (a == b || a < 0 || b < 0 || static_cast<std::size_t>(a) >= columns ||
      static_cast<std::size_t>(b) >= columns)
    return;
  for (std::size_t r = 0; r < cells_.Rows(); ++r)
    std::swap(cells_.Modify(r, static_cast<std::size_t>(a)),
              cells_.Modify(r, static_cast<std::size_t>(b)));
}

void aif_DataLineTable::ReplaceValue(int column, double value, const cow_String& text) {
  if (column < 0 || static_cast<std::size_t>(column) >= cells_.Columns()) return;
  const std::size_t c = static_cast<std::size_t>(column);
  for (std::size_t r = 0; r < cells_.Rows(); ++r)
    if (rt_atof(cells_(r, c).CStr()) == value) cells_.Modify(r, c) = text;
}

void aif_DataLineTable::Write(utl_Stream& stream) const {
  const std::size_t columns = cells_.Columns();
  std::vector<bool> written(columns, true);
  for (int c : skipped_)
    if (c >= 0 && static_cast<std::size_t>(c) < columns)
      written[static_cast<std::size_t>(c)] = false;
  const std::size_t n = static_cast<std::size_t>(std::count(written.begin(), written.end(), true));
  if (n == 0) return;  // a row with no value would be an empty data line

  for (std::size_t r = 0; r < cells_.Rows(); ++r) {
    std::size_t k = 0;
    for (std::size_t c = 0; c < columns; ++c) {
      if (!written[c]) continue;
      if (k > 0 && k % kValuesPerLine == 0) stream.LineBreak();
      stream << cells_(r, c);
      ++k;
      if (k < n && k % kValuesPerLine != 0) stream.Write(",", 1);
    }
    if (n % kValuesPerLine == 1) stream.Write(",", 1);
    stream.LineBreak();
    if (blankLineAfterRow_) stream.LineBreak();
  }
}

utl_Stream& aif_DataLineTableWrite(utl_Stream& stream, const aif_DataLineTable& table) {
  table.Write(stream);
  return stream;
}
