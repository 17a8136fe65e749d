// A kernel table of numbers (a material option's data): rows x columns of
// doubles. Copies share the values until one of them is changed.
#pragma once

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "BasShared/cow_2DArray.h"

class kmaC_MaterialTable {
 public:
  kmaC_MaterialTable() = default;
  // A table of `rows` x `columns` zeros.
  kmaC_MaterialTable(std::size_t rows, std::size_t columns) : values_(rows, columns, 0.0) {}
  explicit kmaC_MaterialTable(cow_2DArray<double> values) : values_(std::move(values)) {}

  const cow_2DArray<double>& Values() const { return values_; }
  std::size_t Rows() const { return values_.Rows(); }
  std::size_t Columns() const { return values_.Columns(); }
  double operator()(std::size_t row, std::size_t column) const { return values_(row, column); }
  // The value at (row, column), writable; the table stops sharing first.
  double& Modify(std::size_t row, std::size_t column) { return values_.Modify(row, column); }

  // Orders the rows by their last value, ascending; rows of equal last value
  // keep their order, and values that do not compare (NaN) go last. The
  // kernel's callers pass 1; the argument does not change the order.
  void Sort(int /*kind*/) {
    const std::size_t rows = Rows(), columns = Columns();
    if (rows < 2 || columns == 0) return;
    std::vector<std::size_t> order(rows);
    std::iota(order.begin(), order.end(), std::size_t{0});
    auto key = [&](std::size_t row) { return values_(row, columns - 1); };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      const double ka = key(a), kb = key(b);
      if (std::isnan(ka)) return false;
      return std::isnan(kb) || ka < kb;
    });
    cow_2DArray<double> sorted(rows, columns);
    for (std::size_t r = 0; r < rows; ++r)
      for (std::size_t c = 0; c < columns; ++c) sorted.Modify(r, c) = values_(order[r], c);
    values_ = std::move(sorted);
  }

 private:
  cow_2DArray<double> values_;
};
