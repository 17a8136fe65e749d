// An output filter of the model.
#pragma once

#include "OdbAttrEO/kern_Object.h"

class kflC_Filter : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x3060001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kflC_Filter* Clone() const override { return new kflC_Filter(*this); }
  CLS_REGISTER(kflC_Filter, kern_Object)
};
