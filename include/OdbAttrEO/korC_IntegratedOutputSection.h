// An integrated output section of the model: a surface over which output is
// integrated.
#pragma once

#include "OdbAttrEO/kern_Object.h"

class korC_IntegratedOutputSection : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x30A0003;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  korC_IntegratedOutputSection* Clone() const override {
    return new korC_IntegratedOutputSection(*this);
  }
  CLS_REGISTER(korC_IntegratedOutputSection, kern_Object)
};
