// One attribute of a step state: its value, its propagation status in the
// step (1 set in the step, 2 carried over) and whether the step modified it.
#pragma once

#include <utility>

template <class T>
class mdl_PropAttr {
 public:
  mdl_PropAttr() = default;
  mdl_PropAttr(T value, int status, bool modified = false)
      : value_(std::move(value)), status_(status), modified_(modified) {}

  const T& Value() const { return value_; }
  int Status() const { return status_; }
  bool IsModified() const { return modified_; }
  // Whether the attribute holds a value in the step: set there or carried
  // over (status 1 or 2).
  bool IsActive() const { return status_ == 1 || status_ == 2; }

  void Set(T value, int status, bool modified = false) {
    value_ = std::move(value);
    status_ = status;
    modified_ = modified;
  }

 private:
  T value_{};
  int status_ = 0;
  bool modified_ = false;
};
