// Ordered maps of the host's base library (cow_Map, cow_Btree): keys in
// ascending order, storage shared between copies and detached on change.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <utility>

#include "cow_Error.h"

template <class K, class V>
class cow_Map {
 public:
  using const_iterator = typename std::map<K, V>::const_iterator;

  std::size_t Length() const { return rep_ ? rep_->size() : 0; }
  bool IsEmpty() const { return Length() == 0; }
  bool Contains(const K& key) const { return rep_ && rep_->count(key) != 0; }

  // The value under `key`; throws cow_OutOfRange when there is none.
  const V& Get(const K& key) const {
    if (rep_) {
      auto it = rep_->find(key);
      if (it != rep_->end()) return it->second;
    }
    cow_ThrowOutOfRange("cow_Map", -1, static_cast<long long>(Length()));
  }
  // The value under `key`, or nullptr.
  const V* Find(const K& key) const {
    if (!rep_) return nullptr;
    auto it = rep_->find(key);
    return it == rep_->end() ? nullptr : &it->second;
  }
  // Inserts or replaces; returns true when the key was new.
  bool Set(const K& key, V value) {
    auto [it, inserted] = Mutable().insert_or_assign(key, std::move(value));
    return inserted;
  }
  // Inserts only when the key is new; returns true when it was.
  bool Insert(const K& key, V value) { return Mutable().try_emplace(key, std::move(value)).second; }
  // Write access to the value under `key`, default-constructed when new.
  V& Modify(const K& key) { return Mutable()[key]; }
  bool Remove(const K& key) { return Contains(key) && Mutable().erase(key) != 0; }
  void Clear() { rep_.reset(); }

  const_iterator begin() const { return rep_ ? rep_->cbegin() : Empty().cbegin(); }
  const_iterator end() const { return rep_ ? rep_->cend() : Empty().cend(); }

  bool SharesWith(const cow_Map& other) const { return rep_ && rep_ == other.rep_; }

 private:
  static const std::map<K, V>& Empty() {
    static const std::map<K, V> empty;
    return empty;
  }
  std::map<K, V>& Mutable() {
    if (!rep_)
      rep_ = std::make_shared<std::map<K, V>>();
    else if (rep_.use_count() > 1)
      rep_ = std::make_shared<std::map<K, V>>(*rep_);
    return *rep_;
  }

  std::shared_ptr<std::map<K, V>> rep_;
};

// The host names its balanced-tree map separately; here it is the same map.
template <class K, class V>
using cow_Btree = cow_Map<K, V>;
