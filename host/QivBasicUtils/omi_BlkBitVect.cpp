#include "QivBasicUtils/omi_BlkBitVect.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int kPageLabels = 1 << 12;

// The bits of word `word` (0 to 63 labels) from `from` to `to` within it.
std::uint64_t Bits(int from, int to) {
  std::uint64_t high = to == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (to + 1)) - 1;
  return high & ~((std::uint64_t{1} << from) - 1);
}

// Calls `visit(page, first, last)` for the part of [first, last] in each page.
template <class Visit>
bool ForPages(int first, int last, Visit&& visit) {
  for (int start = first; start <= last;) {
    int page = start / kPageLabels;
    // In 64 bits: the last page ends at 2147483647, past which int overflows.
    int end = static_cast<int>(
        std::min<long long>(last, (static_cast<long long>(page) + 1) * kPageLabels - 1));
    if (visit(page, start % kPageLabels, end % kPageLabels)) return true;
    if (end == last) break;
    start = end + 1;
  }
  return false;
}

}  // namespace

omi_BlkBitVect::Page& omi_BlkBitVect::PageOf(int key) {
  if (!lastPage_ || key != lastKey_) {
    lastPage_ = &pages_[key];  // a new page starts with every bit clear
    lastKey_ = key;
  }
  return *lastPage_;
}

void omi_BlkBitVect::Set(int label) {
  if (label < 0) return;
  std::uint64_t& word = PageOf(label >> kPageShift)[(label % kPageLabels) >> 6];
  const std::uint64_t bit = std::uint64_t{1} << (label & 63);
  if (word & bit) return;
  word |= bit;
  ++count_;
  max_ = std::max(max_, label);
}

bool omi_BlkBitVect::Test(int label) const {
  if (label < 0 || label > max_) return false;
  auto it = pages_.find(label >> kPageShift);
  return it != pages_.end() && (it->second[(label % kPageLabels) >> 6] >> (label & 63)) & 1;
}

void omi_BlkBitVect::SetRange(int first, int last) {
  first = std::max(first, 0);
  if (last < first) return;
  ForPages(first, last, [&](int page, int from, int to) {
    Page& bits = PageOf(page);
    for (int w = from >> 6; w <= to >> 6; ++w) {
      const std::uint64_t add = Bits(w == from >> 6 ? from & 63 : 0, w == to >> 6 ? to & 63 : 63);
      count_ += static_cast<std::size_t>(std::popcount(add & ~bits[w]));
      bits[w] |= add;
    }
    return false;
  });
  max_ = std::max(max_, last);
}

bool omi_BlkBitVect::AnyInRange(int first, int last) const {
  first = std::max(first, 0);
  last = std::min(last, max_);
  if (last < first) return false;
  return ForPages(first, last, [&](int page, int from, int to) {
    auto it = pages_.find(page);
    if (it == pages_.end()) return false;
    for (int w = from >> 6; w <= to >> 6; ++w)
      if (it->second[w] & Bits(w == from >> 6 ? from & 63 : 0, w == to >> 6 ? to & 63 : 63))
        return true;
    return false;
  });
}

void omi_BlkBitVect::Merge(const omi_BlkBitVect& other) {
  if (&other == this) return;
  for (const auto& [page, bits] : other.pages_) {
    Page& mine = PageOf(page);
    for (std::size_t w = 0; w < mine.size(); ++w) {
      count_ += static_cast<std::size_t>(std::popcount(bits[w] & ~mine[w]));
      mine[w] |= bits[w];
    }
  }
  max_ = std::max(max_, other.max_);
}

std::size_t omi_BlkBitVect::Recount() {
  count_ = 0;
  for (const auto& [page, bits] : pages_)
    for (std::uint64_t word : bits)
      count_ += static_cast<std::size_t>(std::popcount(word));
  return count_;
}

omi_BlkBitVectTrav::omi_BlkBitVectTrav(const omi_BlkBitVect& bits) {
  pages_.reserve(bits.pages_.size());
  for (const auto& [key, page] : bits.pages_)
    pages_.emplace_back(key, &page);
  std::sort(pages_.begin(), pages_.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
}

bool omi_BlkBitVectTrav::First(int& label) {
  page_ = 0;
  word_ = 0;
  bits_ = pages_.empty() ? 0 : (*pages_[0].second)[0];
  return Scan(label);
}

bool omi_BlkBitVectTrav::Next(int& label) {
  return Scan(label);
}

bool omi_BlkBitVectTrav::Scan(int& label) {
  while (bits_ == 0) {
    if (page_ >= pages_.size()) return false;
    if (++word_ == pages_[page_].second->size()) {
      word_ = 0;
      if (++page_ == pages_.size()) return false;
    }
    bits_ = (*pages_[page_].second)[word_];
  }
  const int bit = std::countr_zero(bits_);
  bits_ &= bits_ - 1;
  label = (pages_[page_].first << 12) + static_cast<int>(word_ * 64) + bit;
  return true;
}

bool omi_BlkBitVectTrav::Last(int& label) {
  for (std::size_t p = pages_.size(); p-- > 0;) {
    const auto& page = *pages_[p].second;
    for (std::size_t w = page.size(); w-- > 0;) {
      if (page[w] == 0) continue;
      label = (pages_[p].first << 12) + static_cast<int>(w * 64) + 63 - std::countl_zero(page[w]);
      page_ = pages_.size();
      bits_ = 0;
      return true;
    }
  }
  return false;
}
