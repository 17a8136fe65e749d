// A set of non-negative integer labels kept as a bitmap in pages of 4096
// labels, created as labels arrive: memory follows the labels set, not the
// largest label, and ranges of consecutive labels are set a word at a time.
#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>

class omi_BlkBitVect {
 public:
  void Set(int label);
  bool Test(int label) const;
  // Sets every label from `first` to `last` (inclusive).
  void SetRange(int first, int last);
  // Whether any label from `first` to `last` is set.
  bool AnyInRange(int first, int last) const;
  // Adds every label of `other`.
  void Merge(const omi_BlkBitVect& other);
  bool IsEmpty() const { return max_ < 0; }
  // The largest label set; -1 when empty.
  int Max() const { return max_; }
  void Clear() {
    pages_.clear();
    max_ = -1;
  }

 private:
  static constexpr int kPageShift = 12;
  using Page = std::array<std::uint64_t, (1 << kPageShift) / 64>;

  std::unordered_map<int, Page> pages_;
  int max_ = -1;
};
