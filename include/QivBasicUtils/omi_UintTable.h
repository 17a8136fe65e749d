// A table keyed by an unsigned integer. Keys that come densely from 0 (as
// element labels and positions do) live in an array of values with a
// presence bit each; a key far above the others goes to a hash table, so a
// few huge keys cost no more than a few small ones.
#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

template <class T>
class omi_UintTable {
 public:
  // Stores `value` under `key`, replacing what was there.
  void Set(unsigned key, T value) {
    if (key < dense_.size() || Dense(key)) {
      if (key >= dense_.size()) {
        dense_.resize(static_cast<std::size_t>(key) + 1);
        present_.resize(static_cast<std::size_t>(key) + 1);
      }
      if (!present_[key]) ++count_;
      dense_[key] = std::move(value);
      present_[key] = true;
      return;
    }
    auto [it, added] = sparse_.insert_or_assign(key, std::move(value));
    (void)it;
    if (added) ++count_;
  }
  // The value under `key`, or null.
  const T* Find(unsigned key) const {
    if (key < dense_.size()) return present_[key] ? &dense_[key] : nullptr;
    auto it = sparse_.find(key);
    return it == sparse_.end() ? nullptr : &it->second;
  }
  T* Find(unsigned key) {
    return const_cast<T*>(static_cast<const omi_UintTable&>(*this).Find(key));
  }
  bool IsEmpty() const { return count_ == 0; }
  std::size_t Size() const { return count_; }
  void Clear() {
    dense_.clear();
    dense_.shrink_to_fit();
    present_.clear();
    present_.shrink_to_fit();
    sparse_.clear();
    count_ = 0;
  }
  // Room for keys below `count` in the array part.
  void Reserve(std::size_t count) {
    dense_.reserve(count);
    present_.reserve(count);
  }
  // A new copy, owned by the caller (for copy-on-write handles).
  omi_UintTable* Clone() const { return new omi_UintTable(*this); }

 private:
  // A key joins the array when the array stays at most about twice as long
  // as the number of keys it holds.
  bool Dense(unsigned key) const { return key <= 2 * count_ + 1024; }

  std::vector<T> dense_;
  std::vector<bool> present_;
  std::unordered_map<unsigned, T> sparse_;
  std::size_t count_ = 0;
};
