// A named set of output times: a table of reals, one row per line of the
// definition. A single column lists times; three columns give start, end and
// increment of generated ranges.
#pragma once

#include <utility>

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kern_Object.h"

class kprC_TimePoint : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x23C0101;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kprC_TimePoint, kern_Object)
  kprC_TimePoint* Clone() const override { return new kprC_TimePoint(*this); }

  kprC_TimePoint() = default;
  explicit kprC_TimePoint(cow_List<cow_List<double>> rows) : rows_(std::move(rows)) {}

  std::size_t NumRows() const { return rows_.Length(); }
  // The column count of the first row; 0 for an empty table.
  std::size_t NumColumns() const { return rows_.IsEmpty() ? 0 : rows_[0].Length(); }
  const cow_List<cow_List<double>>& Rows() const { return rows_; }
  void SetRows(cow_List<cow_List<double>> rows) { rows_ = std::move(rows); }

 private:
  cow_List<cow_List<double>> rows_;
};
