#include "OdbAttrEO/kfdC_DiscreteField.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// A dense index holds a slot per label of its range: used while that range
// is at most this many slots per row (plus a fixed allowance).
constexpr long long kDataTableSlotsPerRow = 8;
constexpr long long kDataTableSlotAllowance = 1024;

bool kfdC_DenseEnough(long long range, std::size_t rows) {
  return range <= kDataTableSlotsPerRow * static_cast<long long>(rows) + kDataTableSlotAllowance;
}

}  // namespace

void kfdC_DataTable::AddDomainValue(int label, const double* values) {
  const long long row = static_cast<long long>(labels_.Length());
  if (row > 0 && label < labels_[static_cast<std::size_t>(row - 1)]) rising_ = false;
  labels_.Append(label);
  for (int i = 0; i < componentCount_; ++i)
    values_.Append(values[i]);
  // Copies of this table share the index: they do not see this row.
  if (!index_) return;
  if (index_.use_count() != 1 || !KeepIndex(label, row)) index_.reset();
}

// Adds row `row` of `label` to the index (held by this table alone); false
// when the index is to be built again instead.
bool kfdC_DataTable::KeepIndex(int label, long long row) {
  Index& index = *index_;
  if (index.slots.empty()) {
    // Rows of one label stay in row order: the new row goes after them.
    const auto at =
        std::upper_bound(index.order.begin(), index.order.end(), label,
                         [this](int value, std::uint32_t r) { return value < labels_.begin()[r]; });
    index.order.insert(at, static_cast<std::uint32_t>(row));
    return true;
  }
  const long long size = static_cast<long long>(index.slots.size());
  long long low = index.base, high = index.base + size;  // [low, high)
  if (label < low || label >= high) {
    // Grow by at least the present range on the side the label lies, so that
    // labels met in falling or rising order cost linear time in all.
    if (label < low) low = std::min<long long>(label, low - size);
    if (label >= high) high = std::max<long long>(label + 1, high + size);
    if (!kfdC_DenseEnough(high - low, labels_.Length())) return false;
    std::vector<std::uint32_t> slots(static_cast<std::size_t>(high - low), 0);
    std::copy(index.slots.begin(), index.slots.end(),
              slots.begin() + static_cast<std::ptrdiff_t>(index.base - low));
    index.slots.swap(slots);
    index.base = low;
  }
  std::uint32_t& slot = index.slots[static_cast<std::size_t>(label - index.base)];
  if (slot == 0) slot = static_cast<std::uint32_t>(row + 1);
  return true;
}

std::shared_ptr<kfdC_DataTable::Index> kfdC_DataTable::BuildIndex() const {
  auto index = std::make_shared<Index>();
  const std::size_t rows = labels_.Length();
  if (rows == 0) return index;
  const auto [low, high] = std::minmax_element(labels_.begin(), labels_.end());
  const long long range = static_cast<long long>(*high) - *low + 1;
  if (kfdC_DenseEnough(range, rows)) {
    index->base = *low;
    index->slots.assign(static_cast<std::size_t>(range), 0);
    for (std::size_t row = 0; row < rows; ++row) {
      std::uint32_t& slot = index->slots[static_cast<std::size_t>(labels_[row] - *low)];
      if (slot == 0) slot = static_cast<std::uint32_t>(row + 1);
    }
    return index;
  }
  index->order.resize(rows);
  std::iota(index->order.begin(), index->order.end(), std::uint32_t{0});
  std::stable_sort(
      index->order.begin(), index->order.end(),
      [this](std::uint32_t a, std::uint32_t b) { return labels_.begin()[a] < labels_.begin()[b]; });
  return index;
}

void kfdC_DataTable::SetDomain(cow_List<int> labels, cow_List<double> values) {
  labels_ = std::move(labels);
  values_ = std::move(values);
  rising_ = std::is_sorted(labels_.begin(), labels_.end());
  index_.reset();
}

long long kfdC_DataTable::GetDomainPos(int label) const {
  if (rising_) {
    const auto at = std::lower_bound(labels_.begin(), labels_.end(), label);
    return at != labels_.end() && *at == label ? at - labels_.begin() : -1;
  }
  if (!index_) index_ = BuildIndex();
  const Index& index = *index_;
  if (!index.slots.empty()) {
    const long long at = static_cast<long long>(label) - index.base;
    if (at < 0 || at >= static_cast<long long>(index.slots.size())) return -1;
    return static_cast<long long>(index.slots[static_cast<std::size_t>(at)]) - 1;
  }
  const auto at =
      std::lower_bound(index.order.begin(), index.order.end(), label,
                       [this](std::uint32_t r, int value) { return labels_.begin()[r] < value; });
  return at != index.order.end() && labels_[*at] == label ? static_cast<long long>(*at) : -1;
}

void kfdC_DataTable::SortTables() {
  const std::size_t rows = labels_.Length();
  if (std::is_sorted(labels_.begin(), labels_.end())) return;
  std::vector<std::size_t> order(rows);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [this](std::size_t a, std::size_t b) { return labels_[a] < labels_[b]; });
  const std::size_t width = componentCount_ > 0 ? static_cast<std::size_t>(componentCount_) : 0;
  cow_List<int> labels;
  cow_List<double> values;
  labels.Reserve(rows);
  values.Reserve(values_.Length());
  for (std::size_t row : order) {
    labels.Append(labels_[row]);
    for (std::size_t c = 0; c < width && row * width + c < values_.Length(); ++c)
      values.Append(values_[row * width + c]);
  }
  labels_ = std::move(labels);
  values_ = std::move(values);
  rising_ = true;
  index_.reset();
}
