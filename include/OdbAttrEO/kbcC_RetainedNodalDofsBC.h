// A boundary condition that names the degrees of freedom a substructure
// generation step retains on a region, with its state per step. Least form:
// only what the retained-DOF writer reads (the kind and the six switches of
// each step's state).
#pragma once

#include <array>
#include <utility>

#include "BasShared/cow_COW.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kbcC_BC.h"

// The retained degrees of freedom in one step: switch i (0 to 5) retains
// degree of freedom i + 1. All off by default.
class kbcC_RetainedNodalDofsBCState : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x3030003;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kbcC_RetainedNodalDofsBCState* Clone() const override {
    return new kbcC_RetainedNodalDofsBCState(*this);
  }
  CLS_REGISTER(kbcC_RetainedNodalDofsBCState, kern_Object)

  kbcC_RetainedNodalDofsBCState() = default;
  explicit kbcC_RetainedNodalDofsBCState(const std::array<bool, 6>& switches)
      : switches_(switches) {}

  const std::array<bool, 6>& Switches() const { return switches_; }
  void SetSwitches(const std::array<bool, 6>& switches) { switches_ = switches; }

 private:
  std::array<bool, 6> switches_{};
};

class kbcC_RetainedNodalDofsBC : public kbcC_BC {
 public:
  static constexpr unsigned kTypeId = 0x2980042;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kbcC_RetainedNodalDofsBC* Clone() const override { return new kbcC_RetainedNodalDofsBC(*this); }
  CLS_REGISTER(kbcC_RetainedNodalDofsBC, kbcC_BC)

  // The state in `step`: the one set for it (any kernel object a test
  // stores), else a state with every switch off.
  const kern_Object& ConstGetStateQuad(const cow_String& step) const {
    static const kbcC_RetainedNodalDofsBCState kNone;
    const kern_Object* state = FindState(step);
    return state ? *state : kNone;
  }
  void SetState(const cow_String& step, const kern_Object& state) {
    kprC_PropagatingObject::SetState(step, StepStatus(step), state);
  }
};
