// Base of the kernel's attribute objects (steps, loads, materials, ...): a
// type id per class and a Clone, so that repositories can hold copies.
#pragma once

#include "QivBasicUtils/cls_Registry.h"

class kern_Object : public cls_Object {
 public:
  static constexpr unsigned kTypeId = 0x0300001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kern_Object, cls_Object)
  // A new copy, owned by the caller.
  virtual kern_Object* Clone() const = 0;
};

// The head of a kernel class body: its type id, the dynamic type query, Clone
// and the registry entry. Ends in the public section.
#define KERN_CLASS_HEAD(Name, Base, Id)   \
 public:                                  \
  static constexpr unsigned kTypeId = Id; \
  static unsigned TypeId() {              \
    return kTypeId;                       \
  }                                       \
  unsigned DynTypeId() const override {   \
    return kTypeId;                       \
  }                                       \
  Name* Clone() const override {          \
    return new Name(*this);               \
  }                                       \
  CLS_REGISTER(Name, Base)

// Declares a kernel class with its type id and nothing else; a class that the
// writer reads in detail gets a header of its own instead.
#define KERN_CLASS(Name, Base, Id)                           \
  class Name : public Base {                                 \
   public:                                                   \
    static constexpr unsigned kTypeId = Id;                  \
    static unsigned TypeId() { return kTypeId; }             \
    unsigned DynTypeId() const override { return kTypeId; }  \
    Name* Clone() const override { return new Name(*this); } \
    CLS_REGISTER(Name, Base)                                 \
  };

// A plain attribute of a kernel object: its accessor, its setter and the
// member with its default. Leaves the class body in its private section.
#define KERN_ATTR(Type, Name, Default) \
 public:                               \
  const Type& Name() const {           \
    return Name##_;                    \
  }                                    \
  void Set##Name(const Type& value) {  \
    Name##_ = value;                   \
  }                                    \
                                       \
 private:                              \
  Type Name##_ = Default;
