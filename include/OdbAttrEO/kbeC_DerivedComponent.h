// A connector derived component: a list of terms that together define a
// scalar measure from the connector's components.
#pragma once

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kbeC_CDCTerm.h"
#include "OdbAttrEO/kern_Object.h"

class kbeC_DerivedComponent : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x2700010;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kbeC_DerivedComponent* Clone() const override { return new kbeC_DerivedComponent(*this); }
  CLS_REGISTER(kbeC_DerivedComponent, kern_Object)

  cow_List<kbeC_CDCTerm> terms;
};
