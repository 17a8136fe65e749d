// The common base of the objects an optimization task holds in its
// name-ordered maps (design responses, objective functions, constraints,
// geometric restrictions, stop conditions): the kernel's suppression mark.
#pragma once

#include "OdbAttrEO/kern_Object.h"

class kopC_Object : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x3A40000;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kopC_Object, kern_Object)

  // A suppressed object is passed over by every walk of the task's maps.
  bool Suppressed() const { return suppressed_; }
  void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }

 private:
  bool suppressed_ = false;
};
