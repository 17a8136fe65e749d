// The kernel's objects that are defined in one step and carried over to the
// later ones (loads, boundary conditions, adaptive mesh constraints): a name,
// a suppression flag, and per step a propagation status, whether the step
// modified the object, and the object's state there.
#pragma once

#include "BasShared/cow_COW.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_Object.h"

// An object's state in a step as the kernel hands it out: the state (null
// when the object has none there) and the type id of the step's procedure
// (0 when there is no step object).
struct kprC_PropagatingState {
  const kern_Object* state = nullptr;
  unsigned procedureType = 0;
};

class kprC_PropagatingObject : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x23C0110;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kprC_PropagatingObject, kern_Object)

  const cow_String& Name() const { return name_; }
  void SetName(const cow_String& name) { name_ = name; }
  bool Suppressed() const { return suppressed_; }
  void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }

  // The propagation status in `step`; 0 for a step the object does not have.
  int StepStatus(const cow_String& step) const {
    const int* status = statuses_.Find(step);
    return status ? *status : 0;
  }
  void SetStatus(const cow_String& step, int status) { statuses_.Set(step, status); }
  // Whether a status 3 or 10 in `step` really modifies the object.
  bool StepModified(const cow_String& step) const {
    const bool* modified = modified_.Find(step);
    return modified && *modified;
  }
  void SetModified(const cow_String& step, bool modified) { modified_.Set(step, modified); }

  // The state stored for `step` (any kernel object a test stores); null when
  // the object has none there.
  const kern_Object* FindState(const cow_String& step) const {
    const cow_COW<kern_Object>* state = states_.Find(step);
    return state ? &**state : nullptr;
  }
  // The state in `step` (null for a step without one) and the type id of
  // the step's procedure (0 when no procedure type was given for `step`).
  kprC_PropagatingState ConstGetStateQuad(const cow_String& step) const {
    kprC_PropagatingState quad;
    quad.state = FindState(step);
    quad.procedureType = ProcedureType(step);
    return quad;
  }
  // The type id of `step`'s procedure as given (0: none given).
  unsigned ProcedureType(const cow_String& step) const {
    const unsigned* type = procedures_.Find(step);
    return type ? *type : 0;
  }
  void SetProcedureType(const cow_String& step, unsigned procedureType) {
    procedures_.Set(step, procedureType);
  }

  // Gives the object `status` and `state` in `step`.
  void SetState(const cow_String& step, int status, const kern_Object& state) {
    statuses_.Set(step, status);
    states_.Set(step, cow_COW<kern_Object>(state));
  }

 private:
  cow_String name_;
  bool suppressed_ = false;
  cow_Map<cow_String, int> statuses_;
  cow_Map<cow_String, bool> modified_;
  cow_Map<cow_String, cow_COW<kern_Object>> states_;
  cow_Map<cow_String, unsigned> procedures_;
};
