// Datums of the model: a datum reference names a datum through the names of
// its owners (an instance, a part) and its own name.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

class ftr_PrimaryObject;

struct dtmC_DatumRef {
  cow_List<cow_String> owners;  // outermost first
  cow_String name;
};

class dtmK_Datum {
 public:
  dtmK_Datum(const ftr_PrimaryObject* assembly, const cow_String& modelName,
             const dtmC_DatumRef& reference)
      : reference_(reference) {
    (void)assembly;
    (void)modelName;
  }
  // The owners' names and the datum's name joined by `separator`.
  cow_String GetFullName(const cow_String& separator) const;

 private:
  dtmC_DatumRef reference_;
};
