// Ordered list of the host's base library. Copies share their storage and the
// first change through a shared copy detaches it (copy on write), so a list of
// keyword handles is passed around by value without copying the keywords.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "cow_Error.h"

template <class T>
class cow_List {
 public:
  using const_iterator = typename std::vector<T>::const_iterator;
  // What a read gives: a reference to the element, but a copy for bool, whose
  // vector hands out proxies rather than references.
  using const_reference = std::conditional_t<std::is_same_v<T, bool>, bool, const T&>;

  cow_List() = default;
  cow_List(std::initializer_list<T> items) : rep_(std::make_shared<std::vector<T>>(items)) {}

  std::size_t Length() const { return rep_ ? rep_->size() : 0; }
  bool IsEmpty() const { return Length() == 0; }

  // Bounds-checked read; throws cow_OutOfRange.
  const_reference operator[](std::size_t index) const {
    if (index >= Length()) cow_ThrowOutOfRange("cow_List", static_cast<long long>(index), Length());
    return (*rep_)[index];
  }
  // Bounds-checked write access; detaches a shared list first.
  T& Modify(std::size_t index) {
    if (index >= Length()) cow_ThrowOutOfRange("cow_List", static_cast<long long>(index), Length());
    return Mutable()[index];
  }
  // Position of the first element equal to `value`, or -1.
  long long IndexOf(const T& value) const {
    for (std::size_t i = 0; i < Length(); ++i)
      if ((*rep_)[i] == value) return static_cast<long long>(i);
    return -1;
  }

  bool IsMember(const T& value) const { return IndexOf(value) >= 0; }
  // Appends `value` unless an equal element is held; true when appended.
  bool AppendUnlessMember(const T& value) {
    if (IsMember(value)) return false;
    Append(value);
    return true;
  }
  // Orders the elements by their operator<, equal elements keeping their
  // order.
  void Sort() {
    if (Length() > 1) std::stable_sort(Mutable().begin(), Mutable().end());
  }
  // Element by element; shorter first on a common prefix.
  friend bool operator==(const cow_List& a, const cow_List& b) {
    if (a.Length() != b.Length()) return false;
    for (std::size_t i = 0; i < a.Length(); ++i)
      if (!(a[i] == b[i])) return false;
    return true;
  }
  friend bool operator<(const cow_List& a, const cow_List& b) {
    for (std::size_t i = 0; i < a.Length() && i < b.Length(); ++i) {
      if (a[i] < b[i]) return true;
      if (b[i] < a[i]) return false;
    }
    return a.Length() < b.Length();
  }

  void Append(const T& value) { Mutable().push_back(value); }
  void Append(T&& value) { Mutable().push_back(std::move(value)); }
  void Append(const cow_List& other) {
    if (other.IsEmpty()) return;
    if (IsEmpty()) {
      rep_ = other.rep_;
      return;
    }
    // Holding the other storage makes a list appended to itself detach first,
    // so that elements are never inserted from the vector they go into.
    std::shared_ptr<const std::vector<T>> source = other.rep_;
    std::vector<T>& v = Mutable();
    v.insert(v.end(), source->begin(), source->end());
  }
  void Clear() { rep_.reset(); }
  void Reserve(std::size_t n) { Mutable().reserve(n); }

  const_iterator begin() const { return rep_ ? rep_->cbegin() : Empty().cbegin(); }
  const_iterator end() const { return rep_ ? rep_->cend() : Empty().cend(); }

  // True when both lists share one storage (for tests of the sharing rule).
  bool SharesWith(const cow_List& other) const { return rep_ && rep_ == other.rep_; }

 private:
  static const std::vector<T>& Empty() {
    static const std::vector<T> empty;
    return empty;
  }
  std::vector<T>& Mutable() {
    if (!rep_)
      rep_ = std::make_shared<std::vector<T>>();
    else if (rep_.use_count() > 1)
      rep_ = std::make_shared<std::vector<T>>(*rep_);
    return *rep_;
  }

  std::shared_ptr<std::vector<T>> rep_;
};
