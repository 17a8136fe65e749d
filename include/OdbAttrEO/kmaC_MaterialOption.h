// Base of the kernel's material options and sub-options: the dependency
// count (number of field-variable columns at the right of the table), the
// temperature flag (the table has a temperature column) and the table. The
// options are plain data read member by member; an unset optional double
// holds the largest double, an unset optional int 2147483647, and optional
// sub-objects are null handles.
#pragma once

#include <cfloat>
#include <climits>

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kmaC_MaterialTable.h"
#include "QivBasicUtils/omu_PrimEnum.h"

// Declares a material option class with its type id; the body follows.
#define KMAC_CLASS_HEAD(Name, Base, Id) KERN_CLASS_HEAD(Name, Base, Id)

class kmaC_MaterialOption : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x3090100;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kmaC_MaterialOption* Clone() const override = 0;
  CLS_REGISTER(kmaC_MaterialOption, kern_Object)

  int dependencies = 0;              // d
  bool temperatureDependency = false;  // T
  kmaC_MaterialTable table;
};
