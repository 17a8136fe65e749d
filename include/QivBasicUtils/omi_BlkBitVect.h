// A set of non-negative integer labels stored in blocks of 64, so that memory
// follows the number of labels set rather than the largest label.
#pragma once

#include <cstdint>
#include <iterator>
#include <map>

class omi_BlkBitVect {
 public:
  void Set(int label) {
    if (label < 0) return;
    blocks_[label >> 6] |= std::uint64_t{1} << (label & 63);
  }
  bool Test(int label) const {
    if (label < 0) return false;
    auto it = blocks_.find(label >> 6);
    return it != blocks_.end() && (it->second >> (label & 63)) & 1;
  }
  bool IsEmpty() const { return blocks_.empty(); }
  // The largest label set; -1 when empty.
  int Max() const {
    if (blocks_.empty()) return -1;
    auto last = std::prev(blocks_.end());
    return (last->first << 6) + 63 - __builtin_clzll(last->second);
  }
  void Clear() { blocks_.clear(); }

 private:
  std::map<int, std::uint64_t> blocks_;
};
