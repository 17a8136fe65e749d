// A table of numbers held by a connector behaviour option: one row per data
// line, the columns as the option defines them. Copies share the values until
// one of them is changed.
#pragma once

#include "BasShared/cow_2DArray.h"

class mdl_PropertyTable {
 public:
  mdl_PropertyTable() = default;
  explicit mdl_PropertyTable(cow_2DArray<double> values) : values_(std::move(values)) {}

  const cow_2DArray<double>& Values() const { return values_; }
  std::size_t Rows() const { return values_.Rows(); }
  std::size_t Columns() const { return values_.Columns(); }

 private:
  cow_2DArray<double> values_;
};
