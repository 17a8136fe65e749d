// The region kernel: a region (rgnC_Region) resolved in a primary object (the
// assembly or a part) of a model. The stand-in resolves nothing; it answers
// what was stored on the region (rgnC_Region::SetKernel...).
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivBasicUtils/cls_Registry.h"

class ftr_PrimaryObject;

class rgnK_Region : public cls_Object {
 public:
  static constexpr unsigned kTypeId = 0x0A00002;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(rgnK_Region, cls_Object)

  // `object` may be null (a model without an assembly).
  rgnK_Region(const ftr_PrimaryObject* object, const cow_String& modelName,
              const rgnC_Region& region)
      : region_(region) {
    (void)object;
    (void)modelName;
  }

  // Whether the region resolves to entities of the model. `strict` is the
  // kernel's stricter check; the stand-in answers the same either way.
  bool IsValid(bool strict) const {
    (void)strict;
    return region_.KernelValid();
  }
  // How this region overlaps `other`: 0 when they are the same region (the
  // same name and owners), 2 when they share nothing. The stand-in knows no
  // partial overlaps (1).
  int Clash(const rgnK_Region& other) const {
    const rgnC_Region& a = region_;
    const rgnC_Region& b = other.region_;
    if (a.Name() != b.Name() || a.OwnerNames().Length() != b.OwnerNames().Length()) return 2;
    for (std::size_t i = 0; i < a.OwnerNames().Length(); ++i)
      if (a.OwnerNames()[i] != b.OwnerNames()[i]) return 2;
    return 0;
  }
  bool ContainsAnalRigidSurf() const { return region_.KernelContainsAnalRigidSurf(); }
  // The feature ids of the instances the region touches, in the kernel's
  // order. `activeOnly` limits them to active instances; ignored here.
  cow_List<unsigned> InstanceIds(bool activeOnly) const {
    (void)activeOnly;
    return region_.KernelInstanceIds();
  }

 private:
  rgnC_Region region_;
};
