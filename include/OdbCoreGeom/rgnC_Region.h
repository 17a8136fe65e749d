// A region as the model's attribute objects refer to it: a set or surface
// named by its own name and the names of the objects it belongs to (none; the
// part or the assembly; the assembly and the instance), with a flag word of
// kind bits that the region kernel defines.
//
// The stand-in also carries what the region kernel (rgnK_Region) answers for
// the region, since it has no geometry to work it out from: whether the
// region is valid (true unless a test says otherwise), whether it contains an
// analytical rigid surface, and the ids of the instances it names.
#pragma once

#include <utility>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_Object.h"

class rgnC_Region : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x0A00001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(rgnC_Region, kern_Object)
  rgnC_Region* Clone() const override { return new rgnC_Region(*this); }

  rgnC_Region() = default;
  rgnC_Region(cow_String name, cow_List<cow_String> ownerNames, int flags = 0)
      : name_(std::move(name)), ownerNames_(std::move(ownerNames)), flags_(flags) {}

  const cow_String& Name() const { return name_; }
  // Outermost owner first.
  const cow_List<cow_String>& OwnerNames() const { return ownerNames_; }
  int Flags() const { return flags_; }
  // A region picked in the viewport rather than a named set or surface.
  bool IsPicked() const { return picked_; }
  void SetPicked(bool picked) { picked_ = picked; }

  // The region kernel's answers (read by rgnK_Region).
  bool KernelValid() const { return valid_; }
  bool KernelContainsAnalRigidSurf() const { return analRigidSurf_; }
  const cow_List<unsigned>& KernelInstanceIds() const { return instanceIds_; }
  void SetKernelValid(bool valid) { valid_ = valid; }
  void SetKernelContainsAnalRigidSurf(bool contains) { analRigidSurf_ = contains; }
  void SetKernelInstanceIds(cow_List<unsigned> ids) { instanceIds_ = std::move(ids); }

 private:
  cow_String name_;
  cow_List<cow_String> ownerNames_;
  int flags_ = 0;
  bool picked_ = false;
  bool valid_ = true;
  bool analRigidSurf_ = false;
  cow_List<unsigned> instanceIds_;
};
