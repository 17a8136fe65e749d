// A set of non-negative integer labels kept as a bitmap in pages of 4096
// labels, created as labels arrive: memory follows the labels set, not the
// largest label, and ranges of consecutive labels are set a word at a time.
// omi_BlkBitVectTrav walks the labels in ascending order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

class omi_BlkBitVect {
 public:
  omi_BlkBitVect() = default;
  omi_BlkBitVect(const omi_BlkBitVect& other)
      : pages_(other.pages_), max_(other.max_), count_(other.count_) {}
  omi_BlkBitVect& operator=(const omi_BlkBitVect& other) {
    pages_ = other.pages_;
    max_ = other.max_;
    count_ = other.count_;
    lastPage_ = nullptr;
    return *this;
  }

  // A negative label is not kept.
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
  // The number of labels set. Kept up to date by every change; Recount works
  // it out again from the bits and returns it.
  std::size_t Count() const { return count_; }
  std::size_t Recount();
  void Clear() {
    pages_.clear();
    lastPage_ = nullptr;
    max_ = -1;
    count_ = 0;
  }
  // Bytes held by the pages (for memory checks): one bitmap of 512 bytes per
  // page of 4096 labels that holds a label.
  std::size_t PageBytes() const { return pages_.size() * sizeof(Page); }

 private:
  friend class omi_BlkBitVectTrav;
  static constexpr int kPageShift = 12;
  using Page = std::array<std::uint64_t, (1 << kPageShift) / 64>;

  Page& PageOf(int key);

  std::unordered_map<int, Page> pages_;
  int max_ = -1;
  std::size_t count_ = 0;
  // The page Set touched last: consecutive labels mostly share a page, so the
  // hash lookup is skipped. Element pointers of the map survive rehashing.
  int lastKey_ = -1;
  Page* lastPage_ = nullptr;
};

// Ascending traversal of the labels of a bit vector, which must outlive the
// traversal and stay unchanged while it runs:
//
//   omi_BlkBitVectTrav trav(bits);
//   for (int label; trav.First(label) ...; trav.Next(label)) ...
//
// Each call returns false, leaving `label` unchanged, when there is no such
// label. Starting costs one sort of the page keys (one int per page).
class omi_BlkBitVectTrav {
 public:
  explicit omi_BlkBitVectTrav(const omi_BlkBitVect& bits);

  // The smallest label; restarts the traversal.
  bool First(int& label);
  // The label after the one returned last.
  bool Next(int& label);
  // The largest label; the traversal then ends.
  bool Last(int& label);

 private:
  bool Scan(int& label);

  std::vector<std::pair<int, const omi_BlkBitVect::Page*>> pages_;
  std::size_t page_ = 0;
  std::size_t word_ = 0;
  std::uint64_t bits_ = 0;  // the bits of the current word not yet returned
};
