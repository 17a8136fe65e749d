#include "aif/impl/sections/aif_ElementProperties.h"

#include <algorithm>
#include <climits>

void aif_ElementProperties::Reset(const bme_Mesh* mesh, bool usableLabels) {
  Release();
  mesh_ = mesh;
  usable_ = usableLabels;
  count_ = mesh ? mesh->NumElements() : 0;
}

void aif_ElementProperties::Release() {
  for (std::vector<int>& column : columns_)
    std::vector<int>().swap(column);
  ReleaseLookup();
}

void aif_ElementProperties::ReleaseLookup() {
  std::vector<int>().swap(dense_);
  std::unordered_map<int, int>().swap(sparse_);
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
  // Close labels (the span at most about twice the count) take an array.
  const unsigned long long span = static_cast<unsigned long long>(high - low) + 1;
  if (span <= 2 * static_cast<unsigned long long>(count_) + 1024) {
    low_ = low;
    dense_.assign(static_cast<std::size_t>(span), -1);
    ForEachLabel([&](std::size_t position, int label) {
      dense_[static_cast<std::size_t>(label - low)] = static_cast<int>(position);
    });
    return;
  }
  sparse_.reserve(count_);
  ForEachLabel([&](std::size_t position, int label) {
    sparse_.insert_or_assign(label, static_cast<int>(position));
  });
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
  const auto it = sparse_.find(label);
  return it == sparse_.end() ? -1 : it->second;
}

void aif_ElementProperties::Set(Column column, std::size_t position, int index) {
  std::vector<int>& values = columns_[column];
  if (values.empty()) {
    if (index < 0) return;
    values.assign(count_, -1);
  }
  values[position] = index;
}

std::size_t aif_ElementProperties::Bytes() const {
  std::size_t bytes = dense_.capacity() * sizeof(int);
  for (const std::vector<int>& column : columns_)
    bytes += column.capacity() * sizeof(int);
  // A hash node: the link, the pair and the allocator's rounding.
  if (!sparse_.empty() || sparse_.bucket_count() > 1)
    bytes += sparse_.bucket_count() * sizeof(void*) + sparse_.size() * 32;
  return bytes;
}
