#include "QivBasicUtils/omi_BlkBitVect.h"

#include <algorithm>

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
    int end = std::min(last, (page + 1) * kPageLabels - 1);
    if (visit(page, start % kPageLabels, end % kPageLabels)) return true;
    if (end == last) break;
    start = end + 1;
  }
  return false;
}

}  // namespace

void omi_BlkBitVect::Set(int label) {
  if (label < 0) return;
  pages_[label >> kPageShift][(label % kPageLabels) >> 6] |= std::uint64_t{1} << (label & 63);
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
    Page& bits = pages_[page];
    for (int w = from >> 6; w <= to >> 6; ++w)
      bits[w] |= Bits(w == from >> 6 ? from & 63 : 0, w == to >> 6 ? to & 63 : 63);
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
  for (const auto& [page, bits] : other.pages_) {
    Page& mine = pages_[page];
    for (std::size_t w = 0; w < mine.size(); ++w)
      mine[w] |= bits[w];
  }
  max_ = std::max(max_, other.max_);
}
