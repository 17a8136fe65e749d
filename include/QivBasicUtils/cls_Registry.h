// The host's class registry: every kernel class has a numeric type id and a
// parent; the registry answers whether one type derives from another.
#pragma once

#include <string>

#include "BasMem/mem_Allocator.h"

// Base of the kernel's polymorphic classes: a static TypeId() per class and the
// dynamic type id of the object.
class cls_Object : public mem_AllocationOperators {
 public:
  static constexpr unsigned kTypeId = 0x0000001;
  static unsigned TypeId() { return kTypeId; }

  virtual ~cls_Object() = default;
  virtual unsigned DynTypeId() const { return kTypeId; }
};

// Registers the enclosing class (which defines kTypeId) with its parent class
// when the program starts.
#define CLS_REGISTER(Name, Base) \
  inline static const bool clsRegistered_ = cls_Registry::Register(kTypeId, Base::kTypeId, #Name);

namespace cls_Registry {

// Records a class; registering an id again replaces its entry. Returns true.
bool Register(unsigned id, unsigned parent, const char* name);
// Whether `type` is `base` or derives from it through registered parents.
bool IsDerived(unsigned type, unsigned base);
// The registered name, or "" for an unknown id.
std::string Name(unsigned id);

}  // namespace cls_Registry
