#include "aif/impl/sections/aif_ElementProperties.h"

#include <algorithm>
#include <climits>

void aif_ElementProperties::Reset(const bme_Mesh* mesh, bool usableLabels) {
  Release();
  mesh_ = mesh;
  usable_ = usableLabels;
  count_ = mesh ? mesh->NumElements() : 0;
  peakBytes_ = 0;
}

void aif_ElementProperties::Release() {
  for (std::vector<int>& column : columns_)
    std::vector<int>().swap(column);
  ReleaseLookup();
}

void aif_ElementProperties::ReleaseLookup() {
  std::vector<int>().swap(dense_);
  std::vector<int>().swap(byLabel_);
  lookupBuilt_ = run_ = false;
}

void aif_ElementProperties::BuildLookup() {
  lookupBuilt_ = true;
  long long low = LLONG_MAX, high = LLONG_MIN;
  bool run = true;
  long long first = 0;
  ForEachLabel([&](std::size_t position, int label) {
    if (position == 0) first = label;
    run = run && label == first + static_cast<long long>(position);
    low = std::min<long long>(low, label);
    high = std::max<long long>(high, label);
  });
  run_ = run;
  first_ = first;
  if (run || count_ == 0) return;
  // Close labels take an array of at most one int per element (and 1024).
  const unsigned long long span = static_cast<unsigned long long>(high - low) + 1;
  if (span <= static_cast<unsigned long long>(count_) + 1024) {
    low_ = low;
    dense_.assign(static_cast<std::size_t>(span), -1);
    peakBytes_ = std::max(peakBytes_, Bytes());
    ForEachLabel([&](std::size_t position, int label) {
      dense_[static_cast<std::size_t>(label - low)] = static_cast<int>(position);
    });
    return;
  }
  // Far labels: the positions sorted by label, of equal labels the last.
  std::vector<std::pair<int, int>> pairs;
  pairs.reserve(count_);
  ForEachLabel([&](std::size_t position, int label) {
    pairs.emplace_back(label, static_cast<int>(position));
  });
  std::sort(pairs.begin(), pairs.end());
  byLabel_.reserve(count_);
  peakBytes_ = std::max(peakBytes_, Bytes() + pairs.capacity() * sizeof(pairs[0]));
  for (std::size_t i = 0; i < pairs.size(); ++i)
    if (i + 1 == pairs.size() || pairs[i + 1].first != pairs[i].first)
      byLabel_.push_back(pairs[i].second);
}

int aif_ElementProperties::LabelAt(std::size_t position) const {
  if (!usable_) return static_cast<int>(position);
  std::size_t start = 0;
  for (const bme_ElementClass& elementClass : mesh_->ElementClasses()) {
    const std::size_t n = elementClass.NumElements();
    if (position < start + n) {
      const std::size_t e = position - start;
      return elementClass.HasLabelTable()
                 ? elementClass.UserLabels()[e]
                 : static_cast<int>(elementClass.FirstElementIndex() + e + 1);
    }
    start += n;
  }
  return 0;  // not reached: positions are below the count
}

long long aif_ElementProperties::Position(int label) {
  if (!lookupBuilt_) BuildLookup();
  if (run_) {
    const long long position = label - first_;
    return position >= 0 && position < static_cast<long long>(count_) ? position : -1;
  }
  if (!dense_.empty()) {
    const long long slot = label - low_;
    return slot >= 0 && slot < static_cast<long long>(dense_.size())
               ? dense_[static_cast<std::size_t>(slot)]
               : -1;
  }
  const auto it =
      std::lower_bound(byLabel_.begin(), byLabel_.end(), label, [this](int position, int wanted) {
        return LabelAt(static_cast<std::size_t>(position)) < wanted;
      });
  return it != byLabel_.end() && LabelAt(static_cast<std::size_t>(*it)) == label ? *it : -1;
}

void aif_ElementProperties::Set(Column column, std::size_t position, int index) {
  std::vector<int>& values = columns_[column];
  if (values.empty()) {
    if (index < 0) return;
    values.assign(count_, -1);
    peakBytes_ = std::max(peakBytes_, Bytes());
  }
  values[position] = index;
}

std::size_t aif_ElementProperties::Bytes() const {
  std::size_t bytes = (dense_.capacity() + byLabel_.capacity()) * sizeof(int);
  for (const std::vector<int>& column : columns_)
    bytes += column.capacity() * sizeof(int);
  return bytes;
}
