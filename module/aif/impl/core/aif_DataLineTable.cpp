#include "aif/impl/core/aif_DataLineTable.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "OdbAttrEO/kmaC_MaterialTable.h"
#include "QivBasicUtils/utl_Number.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr std::size_t kValuesPerLine = 8;

// The shortest text that reads back to `value`, as a real: a decimal point
// always present, the exponent normalised as utl_Stream::FixNumericString
// does. `text` holds kRealBufferSize bytes; returns the length.
std::size_t RealText(char* text, double value) {
  char shortest[kRealBufferSize * 2 + 2];
  const std::size_t n = utl_FormatShortest(shortest, value);
  shortest[n] = '\0';
  utl_Stream::FixNumericString(shortest, 0);
  const std::size_t length = std::strlen(shortest);
  std::memcpy(text, shortest, length);
  return length;
}

// `text` right-aligned in `width` characters.
cow_String Padded(const char* text, std::size_t size, std::size_t width) {
  std::string cell(width > size ? width - size : 0, ' ');
  cell.append(text, size);
  return cow_String(std::move(cell));
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
  cellValues_ = values_;
  if (rows == 0 || columns == 0) return;
  // Each text is made once: first the widths, then the padded cells.
  std::vector<char> texts(rows * columns * kRealBufferSize);
  std::vector<unsigned char> lengths(rows * columns);
  std::size_t firstWidth = 0;
  std::size_t otherWidth = 0;
  for (std::size_t i = 0; i < rows * columns; ++i) {
    lengths[i] =
        static_cast<unsigned char>(RealText(&texts[i * kRealBufferSize], values_.Data()[i]));
    std::size_t& width = i % columns == 0 ? firstWidth : otherWidth;
    width = std::max<std::size_t>(width, lengths[i] + 1u);
  }
  for (std::size_t r = 0; r < rows; ++r)
    for (std::size_t c = 0; c < columns; ++c) {
      const std::size_t i = r * columns + c;
      cells_.Modify(r, c) =
          Padded(&texts[i * kRealBufferSize], lengths[i], c == 0 ? firstWidth : otherWidth);
    }
}

void aif_DataLineTable::InsertColumn(int column) {
  const std::size_t rows = cells_.Rows();
  const std::size_t columns = cells_.Columns();
  if (column < 0 || static_cast<std::size_t>(column) >= columns) return;
  const std::size_t at = static_cast<std::size_t>(column);
  const double noNumber = std::numeric_limits<double>::quiet_NaN();
  cow_2DArray<cow_String> cells(rows, columns + 1);
  cow_2DArray<double> values(rows, columns + 1);
  for (std::size_t r = 0; r < rows; ++r)
    for (std::size_t c = 0; c <= columns; ++c) {
      cells.Modify(r, c) = c < at ? cells_(r, c) : (c == at ? cow_String(" ") : cells_(r, c - 1));
      values.Modify(r, c) =
          c < at ? cellValues_(r, c) : (c == at ? noNumber : cellValues_(r, c - 1));
    }
  cells_ = cells;
  cellValues_ = values;
}

void aif_DataLineTable::SwapColumns(int a, int b) {
  const std::size_t columns = cells_.Columns();
  if (a == b || a < 0 || b < 0 || static_cast<std::size_t>(a) >= columns ||
      static_cast<std::size_t>(b) >= columns)
    return;
  for (std::size_t r = 0; r < cells_.Rows(); ++r) {
    std::swap(cells_.Modify(r, static_cast<std::size_t>(a)),
              cells_.Modify(r, static_cast<std::size_t>(b)));
    std::swap(cellValues_.Modify(r, static_cast<std::size_t>(a)),
              cellValues_.Modify(r, static_cast<std::size_t>(b)));
  }
}

void aif_DataLineTable::ReplaceValue(int column, double value, const cow_String& text) {
  if (column < 0 || static_cast<std::size_t>(column) >= cells_.Columns()) return;
  const std::size_t c = static_cast<std::size_t>(column);
  for (std::size_t r = 0; r < cells_.Rows(); ++r)
    if (cellValues_(r, c) == value) {
      cells_.Modify(r, c) = text;
      cellValues_.Modify(r, c) = std::numeric_limits<double>::quiet_NaN();
    }
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

utl_Stream& aif_WriteReal(utl_Stream& stream, double value, int width) {
  if (value < stream.SmallestReal() && -value < stream.SmallestReal()) value = 0.0;
  char text[kRealBufferSize];
  const std::size_t n = RealText(text, value);
  for (std::size_t pad = width > 0 ? static_cast<std::size_t>(width) : 0; pad > n; --pad)
    stream.Write(" ", 1);
  return stream.Write(text, n);
}

utl_Stream& aif_DataLineTableWrite(utl_Stream& stream, const aif_DataLineTable& table) {
  table.Write(stream);
  return stream;
}
