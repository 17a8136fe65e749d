// Datums of the model: a datum reference names a datum through the names of
// its owners (an instance, a part) and its own name; dtmK_Datum resolves it
// in a primary object (the assembly or a part).
#pragma once

#include <memory>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "QivGeom/gsl_BBox.h"

class ftr_PrimaryObject;

struct dtmC_DatumRef {
  cow_List<cow_String> owners;  // outermost first
  cow_String name;

  // A reference that names no datum (an object without a local system).
  bool IsNullRef() const { return name.IsEmpty(); }

  // The kernel can no longer name the datum (its feature is gone):
  // dtmK_Datum::GetFullName answers empty. No unless set.
  bool kernelUnnamed = false;
};

class dtmK_Datum {
 public:
  dtmK_Datum(const ftr_PrimaryObject* assembly, const cow_String& modelName,
             const dtmC_DatumRef& reference)
      : object_(assembly), reference_(reference) {
    (void)modelName;
  }
  // The owners' names and the datum's name joined by `separator`.
  cow_String GetFullName(const cow_String& separator) const;

  // A copy of the datum the reference names, owned by the caller, or null
  // when there is none. Stand-in rule: the datum feature of the primary
  // object with the reference's name; failing that, when the first owner
  // names a part instance of the primary object, the datum feature of that
  // instance's part with the name, moved by the instance's transform.
  std::unique_ptr<dtu_Datum> MakeDatum() const;
  // Whether the reference names a datum.
  bool IsValid() const { return MakeDatum() != nullptr; }

 private:
  const ftr_PrimaryObject* object_;
  dtmC_DatumRef reference_;
};

// The kernel's bounding box of all the features of `object` (null: empty).
// Stand-in rule: the box around the node coordinates of the part's own mesh
// and of every feature's mesh, each in its own coordinates.
gsl_BBox dtmK_FeaturesBox(const ftr_PrimaryObject* object);
