// An interaction of the model (contact and the like), defined in a step and
// carried over to later ones. It may be suppressed, and may name node sets
// that contact treats as node-based surfaces.
#pragma once

#include <utility>

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"

class kinC_Interaction : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x3070004;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kinC_Interaction* Clone() const override { return new kinC_Interaction(*this); }
  CLS_REGISTER(kinC_Interaction, kern_Object)

  bool Suppressed() const { return suppressed_; }
  // The node sets the interaction names for contact, in order.
  const cow_List<rgnC_Region>& ConstGetContactNodeSets() const { return contactNodeSets_; }

  // Whether the interaction exists in `step` (created there or carried over).
  bool HasStep(const cow_String& step) const { return steps_.IsMember(step); }
  void AddStep(const cow_String& step) { steps_.AppendUnlessMember(step); }

  void SetSuppressed(bool suppressed) { suppressed_ = suppressed; }
  void SetContactNodeSets(cow_List<rgnC_Region> regions) { contactNodeSets_ = std::move(regions); }

 private:
  bool suppressed_ = false;
  cow_List<rgnC_Region> contactNodeSets_;
  cow_List<cow_String> steps_;
};

// The contact interactions output requests can name: surface-to-surface
// contact (two surfaces) and self contact (one), in the standard and the
// explicit solver.
#define KIN_CONTACT_CLASS(Name, Id)                                  \
  class Name : public kinC_Interaction {                             \
   public:                                                           \
    static constexpr unsigned kTypeId = Id;                          \
    static unsigned TypeId() { return kTypeId; }                     \
    unsigned DynTypeId() const override { return kTypeId; }          \
    Name* Clone() const override { return new Name(*this); }         \
    CLS_REGISTER(Name, kinC_Interaction)                             \
    const rgnC_Region& FirstSurface() const { return first_; }       \
    const rgnC_Region& SecondSurface() const { return second_; }     \
    void SetSurfaces(const rgnC_Region& first, const rgnC_Region& second = rgnC_Region()) { \
      first_ = first;                                                \
      second_ = second;                                              \
    }                                                                \
    /* The node set of the contact's initial clearance; empty unless set. */ \
    const rgnC_Region& NodeSetRegion() const { return nodeSet_; }   \
    void SetNodeSetRegion(const rgnC_Region& nodeSet) { nodeSet_ = nodeSet; } \
                                                                     \
   private:                                                          \
    rgnC_Region first_;                                              \
    rgnC_Region second_;                                             \
    rgnC_Region nodeSet_;                                            \
  };
KIN_CONTACT_CLASS(kinC_SurfaceToSurfaceContactStd, 0x3070011)
KIN_CONTACT_CLASS(kinC_SurfaceToSurfaceContactXpl, 0x3070012)
KIN_CONTACT_CLASS(kinC_SelfContactStd, 0x3070013)
KIN_CONTACT_CLASS(kinC_SelfContactXpl, 0x3070014)
#undef KIN_CONTACT_CLASS

// The state of a cyclic symmetry interaction in one step: the cyclic mode the
// step's loads act in.
class kinC_CyclicSymmetryState {
 public:
  int CyclicMode() const { return cyclicMode_; }
  void SetCyclicMode(int mode) { cyclicMode_ = mode; }

 private:
  int cyclicMode_ = 0;
};

// Cyclic symmetry of the model: a sector repeated about an axis.
class kinC_CyclicSymmetry : public kinC_Interaction {
 public:
  static constexpr unsigned kTypeId = 0x3070020;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kinC_CyclicSymmetry* Clone() const override { return new kinC_CyclicSymmetry(*this); }
  CLS_REGISTER(kinC_CyclicSymmetry, kinC_Interaction)

  // The state in `step`; a state of mode 0 for a step without one.
  const kinC_CyclicSymmetryState& ConstGetState(const cow_String& step) const {
    static const kinC_CyclicSymmetryState none;
    const kinC_CyclicSymmetryState* state = states_.Find(step);
    return state ? *state : none;
  }
  void SetCyclicMode(const cow_String& step, int mode) {
    kinC_CyclicSymmetryState state;
    state.SetCyclicMode(mode);
    states_.Set(step, state);
    AddStep(step);
  }

 private:
  cow_Map<cow_String, kinC_CyclicSymmetryState> states_;
};

// An actuator or sensor: a user element on a region with its solution-
// dependent variables (their count and initial values).
class kinC_ActuatorSensor : public kinC_Interaction {
 public:
  static constexpr unsigned kTypeId = 0x3070030;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kinC_ActuatorSensor* Clone() const override { return new kinC_ActuatorSensor(*this); }
  CLS_REGISTER(kinC_ActuatorSensor, kinC_Interaction)

  const rgnC_Region& Region() const { return region_; }
  void SetRegion(const rgnC_Region& region) { region_ = region; }
  int VariableCount() const { return variableCount_; }
  const cow_List<double>& InitialValues() const { return values_; }
  void SetVariables(int count, const cow_List<double>& initialValues) {
    variableCount_ = count;
    values_ = initialValues;
  }

 private:
  rgnC_Region region_;
  int variableCount_ = 0;
  cow_List<double> values_;
};
