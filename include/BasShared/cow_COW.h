// Copy-on-write handles to polymorphic objects. Copies of a handle share the
// object; the first change through a shared handle replaces it by a copy made
// with the object's own Clone (T must have `T* Clone() const`).
#pragma once

#include <memory>

#include "cow_Error.h"

template <class T>
class cow_COW {
 public:
  cow_COW() = default;
  // Holds a copy of `object` made through its Clone.
  explicit cow_COW(const T& object) : rep_(object.Clone()) {}
  // Takes ownership of `object` (may be null).
  explicit cow_COW(T* object) : rep_(object) {}

  bool IsNull() const { return !rep_; }
  // Read access; throws cow_OutOfRange through an empty handle.
  const T& operator*() const { return Checked(); }
  const T* operator->() const { return &Checked(); }
  const T* Get() const { return rep_.get(); }
  // Write access; a shared object is cloned first.
  T& Modify() {
    Checked();
    if (rep_.use_count() > 1) rep_.reset(rep_->Clone());
    return *rep_;
  }

  bool SharesWith(const cow_COW& other) const { return rep_ && rep_ == other.rep_; }

 private:
  const T& Checked() const {
    if (!rep_) cow_ThrowOutOfRange("cow_COW (empty handle)", 0, 0);
    return *rep_;
  }

  std::shared_ptr<T> rep_;
};

// The handle kind the host keeps in lists; it behaves exactly as cow_COW.
template <class T>
class cow_ArrayCOW : public cow_COW<T> {
 public:
  using cow_COW<T>::cow_COW;
  cow_ArrayCOW() = default;
  cow_ArrayCOW(const cow_COW<T>& handle) : cow_COW<T>(handle) {}  // NOLINT: shares
};
