// A kernel table of numbers (a material option's data): rows x columns of
// doubles. Copies share the values.
#pragma once

#include "BasShared/cow_2DArray.h"

class kmaC_MaterialTable {
 public:
  kmaC_MaterialTable() = default;
  explicit kmaC_MaterialTable(cow_2DArray<double> values) : values_(std::move(values)) {}

  const cow_2DArray<double>& Values() const { return values_; }
  std::size_t Rows() const { return values_.Rows(); }
  std::size_t Columns() const { return values_.Columns(); }

 private:
  cow_2DArray<double> values_;
};
