#include "OdbAttrEO/kfdC_DiscreteField.h"

#include <algorithm>
#include <numeric>
#include <vector>

void kfdC_DataTable::AddDomainValue(int label, const double* values) {
  const long long position = static_cast<long long>(labels_.Length());
  labels_.Append(label);
  for (int i = 0; i < componentCount_; ++i)
    values_.Append(values[i]);
  // Copies of this table share the index: they do not see this row.
  if (index_ && index_.use_count() == 1)
    index_->emplace(label, position);
  else
    index_.reset();
}

void kfdC_DataTable::SetDomain(cow_List<int> labels, cow_List<double> values) {
  labels_ = std::move(labels);
  values_ = std::move(values);
  index_.reset();
}

long long kfdC_DataTable::GetDomainPos(int label) const {
  if (!index_) {
    auto index = std::make_shared<Index>();
    index->reserve(labels_.Length());
    long long position = 0;
    for (int held : labels_)
      index->emplace(held, position++);
    index_ = std::move(index);
  }
  const auto found = index_->find(label);
  return found == index_->end() ? -1 : found->second;
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
  index_.reset();
}
