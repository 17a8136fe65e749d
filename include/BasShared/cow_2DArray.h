// Rows x columns array of the host's base library, values in row order.
// Copies share storage; the first change through a shared copy detaches it.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "cow_Error.h"

template <class T>
class cow_2DArray {
 public:
  cow_2DArray() = default;
  cow_2DArray(std::size_t rows, std::size_t columns, const T& fill = T())
      : rows_(rows),
        columns_(columns),
        rep_(std::make_shared<std::vector<T>>(rows * columns, fill)) {}
  // From rows of equal length; throws cow_OutOfRange for a ragged row.
  cow_2DArray(std::initializer_list<std::initializer_list<T>> rows);

  std::size_t Rows() const { return rows_; }
  std::size_t Columns() const { return columns_; }

  const T& operator()(std::size_t row, std::size_t column) const {
    Check(row, column);
    return (*rep_)[row * columns_ + column];
  }
  T& Modify(std::size_t row, std::size_t column) {
    Check(row, column);
    if (rep_.use_count() > 1) rep_ = std::make_shared<std::vector<T>>(*rep_);
    return (*rep_)[row * columns_ + column];
  }
  // Row-ordered values; null for an empty array.
  const T* Data() const { return rep_ ? rep_->data() : nullptr; }

  bool SharesWith(const cow_2DArray& other) const { return rep_ && rep_ == other.rep_; }

 private:
  void Check(std::size_t row, std::size_t column) const {
    if (row >= rows_) cow_ThrowOutOfRange("cow_2DArray row", static_cast<long long>(row), rows_);
    if (column >= columns_)
      cow_ThrowOutOfRange("cow_2DArray column", static_cast<long long>(column), columns_);
  }

  std::size_t rows_ = 0;
  std::size_t columns_ = 0;
  std::shared_ptr<std::vector<T>> rep_;
};

template <class T>
cow_2DArray<T>::cow_2DArray(std::initializer_list<std::initializer_list<T>> rows)
    : rows_(rows.size()),
      columns_(rows.size() ? rows.begin()->size() : 0),
      rep_(std::make_shared<std::vector<T>>()) {
  rep_->reserve(rows_ * columns_);
  for (const auto& row : rows) {
    if (row.size() != columns_)
      cow_ThrowOutOfRange("cow_2DArray row length", static_cast<long long>(row.size()), columns_);
    rep_->insert(rep_->end(), row.begin(), row.end());
  }
}
