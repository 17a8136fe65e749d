#include "aif/impl/materials/aif_RateRuns.h"

#include <cstddef>

#include "OdbAttrEO/kmaC_MaterialOption.h"
#include "aif/impl/core/aif_DataLineTable.h"

namespace {

void aif_RateRunsSwapColumns(kmaC_MaterialTable& table, std::size_t a, std::size_t b) {
  if (a == b) return;
  for (std::size_t r = 0; r < table.Rows(); ++r) {
    const double value = table(r, a);
    table.Modify(r, a) = table(r, b);
    table.Modify(r, b) = value;
  }
}

}  // namespace

void aif_ForEachRateRow(const kmaC_MaterialOption& option, int rateColumn,
                        const aif_RateRowVisitor& visit) {
  const std::size_t rows = option.table.Rows();
  const std::size_t columns = option.table.Columns();
  if (rows == 0 || rateColumn < 0 || static_cast<std::size_t>(rateColumn) >= columns) return;
  const std::size_t rate = static_cast<std::size_t>(rateColumn);

  kmaC_MaterialTable sorted = option.table;
  aif_RateRunsSwapColumns(sorted, rate, columns - 1);
  sorted.Sort(1);
  aif_RateRunsSwapColumns(sorted, rate, columns - 1);

  const int dependencies = option.dependencies;
  const bool blankTemperature = !option.temperatureDependency && dependencies > 0;
  double previous = 0.0;
  for (std::size_t r = 0; r < rows; ++r) {
    const double value = sorted(r, rate);
    const bool opens = r == 0 || value != previous;
    if (opens) previous = value;
    kmaC_MaterialTable row(1, columns - 1);
    for (std::size_t c = 0, k = 0; c < columns; ++c)
      if (c != rate) row.Modify(0, k++) = sorted(r, c);
    aif_DataLineTable lines(row, 0, 0);
    if (blankTemperature) lines.InsertColumn(static_cast<int>(columns) - 1 - dependencies);
    visit(value, opens, lines);
  }
}
