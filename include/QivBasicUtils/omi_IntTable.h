// A table keyed by a signed integer: keys of 0 and above are kept in one half,
// negative keys in a second half under their magnitude.
#pragma once

#include <cstdlib>
#include <unordered_map>
#include <utility>

template <class T>
class omi_IntTable {
 public:
  // Stores `value` under `key`, replacing what was there.
  void Set(int key, T value) { Half(key)[Magnitude(key)] = std::move(value); }
  bool Holds(int key) const { return Half(key).count(Magnitude(key)) != 0; }
  // The value under `key`, or null.
  const T* Find(int key) const {
    const auto& half = Half(key);
    auto it = half.find(Magnitude(key));
    return it == half.end() ? nullptr : &it->second;
  }
  bool IsEmpty() const { return positive_.empty() && negative_.empty(); }
  std::size_t Size() const { return positive_.size() + negative_.size(); }
  std::size_t NegativeSize() const { return negative_.size(); }
  // A new copy, owned by the caller (for copy-on-write handles).
  omi_IntTable* Clone() const { return new omi_IntTable(*this); }

 private:
  static unsigned Magnitude(int key) {
    return key < 0 ? 0u - static_cast<unsigned>(key) : static_cast<unsigned>(key);
  }
  std::unordered_map<unsigned, T>& Half(int key) { return key < 0 ? negative_ : positive_; }
  const std::unordered_map<unsigned, T>& Half(int key) const {
    return key < 0 ? negative_ : positive_;
  }

  std::unordered_map<unsigned, T> positive_;
  std::unordered_map<unsigned, T> negative_;
};
