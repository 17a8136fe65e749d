// An interaction of the model (contact and the like), defined in a step and
// carried over to later ones: a step-dependent kernel object with a
// propagation status and a state per step. It may be suppressed, and may name
// node sets that contact treats as node-based surfaces.
//
// Propagation statuses as the interactions use them: 0 the step does not
// have the interaction, 1 created in the step, 2 carried over unchanged, 3
// modified, 4 deactivated, 5 built into the step by its procedure.
//
// Type ids 0x3070100 to 0x307011f (and 0x30701a1) are this header's.
#pragma once

#include <cfloat>
#include <memory>
#include <string>
#include <utility>

#include "BasShared/cow_Error.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "ModelDatabase/mdl_PropAttr.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kinC_ContactClearance.h"
#include "OdbAttrEO/kprC_PropagatingObject.h"
#include "OdbCoreGeom/rgnC_Region.h"

// The state of an interaction in one step. The deactivated mark is never set
// by the model: a writer sets it on a copy to remove a pair in a step.
class kinC_InteractionState : public kern_Object {
  KERN_CLASS_HEAD(kinC_InteractionState, kern_Object, 0x3070100)
  KERN_ATTR(bool, Deactivated, false)
};

class kinC_Interaction : public kprC_PropagatingObject {
 public:
  static constexpr unsigned kTypeId = 0x3070004;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kinC_Interaction* Clone() const override { return new kinC_Interaction(*this); }
  CLS_REGISTER(kinC_Interaction, kprC_PropagatingObject)

  // Whether a propagation status puts the interaction in the step: created,
  // carried over, modified or built in (1, 2, 3, 5).
  static bool IsActive(int status) { return (status >= 1 && status <= 3) || status == 5; }
  // Whether a status is the one of an interaction the step's procedure
  // builds in (5); such a state carries no setting of the user's.
  static bool IsBuiltIn(int status) { return status == 5; }

  // The propagation status in `step`; 0 for a step without one.
  int GetPropStatus(const cow_String& step) const { return StepStatus(step); }
  // Whether `step` changes the interaction's definition.
  bool IsModified(const cow_String& step) const { return StepModified(step); }

  // The name of the step that created the interaction.
  const cow_String& CreateStepName() const { return createStep_; }
  void SetCreateStepName(const cow_String& step) { createStep_ = step; }

  // The node sets the interaction names for contact, in order.
  const cow_List<rgnC_Region>& ConstGetContactNodeSets() const { return contactNodeSets_; }
  void SetContactNodeSets(cow_List<rgnC_Region> regions) { contactNodeSets_ = std::move(regions); }

  // Whether the interaction has a state in `step` (created there or carried
  // over).
  bool HasStep(const cow_String& step) const { return FindState(step) != nullptr; }
  // Gives the interaction a default state of its kind in `step` unless it
  // has one there; the status stays as it is.
  void AddStep(const cow_String& step) {
    if (HasStep(step)) return;
    const std::unique_ptr<kinC_InteractionState> state(NewState());
    Insert(step, *state);
  }
  // The state in `step`. Throws cow_OutOfRange for a step without a state.
  const kinC_InteractionState& ConstGetState(const cow_String& step) const {
    const auto* state = dynamic_cast<const kinC_InteractionState*>(FindState(step));
    if (!state)
      throw cow_OutOfRange("interaction state: no state in step " + std::string(step.Str()));
    return *state;
  }
  // Stores a copy of `state` as the state in `step`, replacing any; the
  // status in `step` stays as it is.
  void Insert(const cow_String& step, const kinC_InteractionState& state) {
    SetState(step, StepStatus(step), state);
  }

 protected:
  // A new default state of the interaction's kind, owned by the caller.
  virtual kinC_InteractionState* NewState() const { return new kinC_InteractionState; }

 private:
  cow_String createStep_;
  cow_List<rgnC_Region> contactNodeSets_;
};

// The state of a contact pair in one step: the interaction property and the
// contact controls it names, and whether the pair is switched on. Each text
// or switch carries its attribute state (1 set in the step, 2 carried over, 3
// removed in the step) and whether the step modified it.
class kinC_ContactPairState : public kinC_InteractionState {
  KERN_CLASS_HEAD(kinC_ContactPairState, kinC_InteractionState, 0x3070101)

  const mdl_PropAttr<cow_String>& InteractionProperty() const { return property_; }
  void SetInteractionProperty(const cow_String& name, int status = 1, bool modified = false) {
    property_.Set(name, status, modified);
  }
  const mdl_PropAttr<cow_String>& ContactControls() const { return controls_; }
  void SetContactControls(const cow_String& name, int status = 1, bool modified = false) {
    controls_.Set(name, status, modified);
  }
  const mdl_PropAttr<bool>& Active() const { return active_; }
  void SetActive(bool active, int status = 1, bool modified = false) {
    active_.Set(active, status, modified);
  }

 private:
  mdl_PropAttr<cow_String> property_;
  mdl_PropAttr<cow_String> controls_;
  mdl_PropAttr<bool> active_{true, 1};
};

#define KIN_PAIR_STATE(Name, Id)                     \
  class Name : public kinC_ContactPairState {        \
    KERN_CLASS_HEAD(Name, kinC_ContactPairState, Id) \
  };
KIN_PAIR_STATE(kinC_SurfaceToSurfaceContactXplState, 0x3070103)
KIN_PAIR_STATE(kinC_SelfContactStdState, 0x3070104)
KIN_PAIR_STATE(kinC_SelfContactXplState, 0x3070105)
#undef KIN_PAIR_STATE

// The state of a Standard surface-to-surface pair in one step, with the
// step's interference fit (type 0, none, unless set).
class kinC_SurfaceToSurfaceContactStdState : public kinC_ContactPairState {
  KERN_CLASS_HEAD(kinC_SurfaceToSurfaceContactStdState, kinC_ContactPairState, 0x3070102)
  KERN_ATTR(kinC_InterferenceData, Interference, kinC_InterferenceData())
};

// The base of the contact pairs: surface-to-surface contact (two surfaces)
// and self contact (one, in the first slot), in the standard and the
// explicit solver, with the formulation settings the pair keyword reads.
class kinC_ContactPairInteraction : public kinC_Interaction {
  KERN_CLASS_HEAD(kinC_ContactPairInteraction, kinC_Interaction, 0x3070106)

  const rgnC_Region& FirstSurface() const { return first_; }
  const rgnC_Region& SecondSurface() const { return second_; }
  void SetSurfaces(const rgnC_Region& first, const rgnC_Region& second = rgnC_Region()) {
    first_ = first;
    second_ = second;
  }
  // The node set of the contact's initial clearance (the slave node set of
  // a bolt clearance); empty unless set.
  const rgnC_Region& NodeSetRegion() const { return nodeSet_; }
  void SetNodeSetRegion(const rgnC_Region& nodeSet) { nodeSet_ = nodeSet; }

  // Standard formulation: discretization (1 surface to surface, otherwise
  // node to surface), thickness, smoothing, tracking (0 state, 1 path) and
  // supplementary constraints (0 selective, 1 no, 2 yes).
  KERN_ATTR(int, Discretization, 0)
  KERN_ATTR(bool, Thickness, true)
  KERN_ATTR(double, Smoothing, 0.2)
  KERN_ATTR(int, Tracking, 1)
  KERN_ATTR(int, SupplementaryConstraints, 0)
  // Explicit: the mechanical constraint (0 kinematic, 1 penalty).
  KERN_ATTR(int, MechanicalConstraint, 0)

 private:
  rgnC_Region first_;
  rgnC_Region second_;
  rgnC_Region nodeSet_;
};

// Surface-to-surface contact, standard or explicit: sliding, adjustment,
// tie, critical penetration, extension zone, weighting, initial clearance
// and bolt data, and the surface smoothing choice.
class kinC_SurfaceToSurfaceContact : public kinC_ContactPairInteraction {
  KERN_CLASS_HEAD(kinC_SurfaceToSurfaceContact, kinC_ContactPairInteraction, 0x3070107)

  // 0 small sliding, 1 finite sliding.
  KERN_ATTR(int, SlidingFormulation, 1)
  // 0 none, 1 overclosed only, 2 within the tolerance, 3 the adjust node set.
  KERN_ATTR(int, AdjustMethod, 0)
  KERN_ATTR(double, AdjustTolerance, 0.0)
  KERN_ATTR(rgnC_Region, AdjustRegion, rgnC_Region())
  KERN_ATTR(bool, Tied, false)
  // The critical penetration is written only when the default flag is clear.
  KERN_ATTR(bool, HcritDefault, true)
  KERN_ATTR(double, Hcrit, 0.0)
  KERN_ATTR(double, ExtensionZone, 0.1)
  // Explicit: the weight is used when weighting is 1.
  KERN_ATTR(int, Weighting, 0)
  KERN_ATTR(double, Weight, 0.5)

 public:
  // The initial clearance: none, a bolt's data or a single value.
  KERN_ATTR(kinC_ClearanceData, Clearance, kinC_ClearanceData())
  KERN_ATTR(dtmC_DatumRef, BoltAxis, dtmC_DatumRef())
  // 1 asks for geometric smoothing of the surfaces.
  KERN_ATTR(int, SurfaceSmoothing, 0)
};

#define KIN_CONTACT_CLASS(Name, Base, State, Id)                           \
  class Name : public Base {                                               \
    KERN_CLASS_HEAD(Name, Base, Id)                                        \
   protected:                                                              \
    kinC_InteractionState* NewState() const override { return new State; } \
  };
KIN_CONTACT_CLASS(kinC_SurfaceToSurfaceContactStd, kinC_SurfaceToSurfaceContact,
                  kinC_SurfaceToSurfaceContactStdState, 0x3070011)
KIN_CONTACT_CLASS(kinC_SurfaceToSurfaceContactXpl, kinC_SurfaceToSurfaceContact,
                  kinC_SurfaceToSurfaceContactXplState, 0x3070012)
KIN_CONTACT_CLASS(kinC_SelfContactStd, kinC_ContactPairInteraction, kinC_SelfContactStdState,
                  0x3070013)
KIN_CONTACT_CLASS(kinC_SelfContactXpl, kinC_ContactPairInteraction, kinC_SelfContactXplState,
                  0x3070014)
#undef KIN_CONTACT_CLASS

// The state of a model change in one step: whether elements are added
// (true) or removed, and whether added elements take their strain.
class kinC_ModelChangeState : public kinC_InteractionState {
  KERN_CLASS_HEAD(kinC_ModelChangeState, kinC_InteractionState, 0x3070108)

  const mdl_PropAttr<bool>& Add() const { return add_; }
  void SetAdd(bool add, int status = 1) { add_.Set(add, status); }
  const mdl_PropAttr<bool>& WithStrain() const { return strain_; }
  void SetWithStrain(bool strain, int status = 1) { strain_.Set(strain, status); }

 private:
  mdl_PropAttr<bool> add_;
  mdl_PropAttr<bool> strain_;
};

// Removes or adds the elements of a region in a step, or (the activation
// flag set) asks the solver to activate model changes.
class kinC_ModelChange : public kinC_Interaction {
  KERN_CLASS_HEAD(kinC_ModelChange, kinC_Interaction, 0x3070109)
  KERN_ATTR(bool, Activation, false)
  KERN_ATTR(rgnC_Region, Region, rgnC_Region())

 protected:
  kinC_InteractionState* NewState() const override { return new kinC_ModelChangeState; }
};

// The state of a crack growth in one step: whether the crack may grow.
class kinC_XFEMCrackGrowthState : public kinC_InteractionState {
  KERN_CLASS_HEAD(kinC_XFEMCrackGrowthState, kinC_InteractionState, 0x307010a)

  const mdl_PropAttr<bool>& Active() const { return active_; }
  void SetActive(bool active, int status = 1) { active_.Set(active, status); }

 private:
  mdl_PropAttr<bool> active_{true, 1};
};

// Switches the growth of an enriched crack on or off per step; the crack is
// named by its text.
class kinC_XFEMCrackGrowth : public kinC_Interaction {
  KERN_CLASS_HEAD(kinC_XFEMCrackGrowth, kinC_Interaction, 0x307010b)
  KERN_ATTR(cow_String, CrackName, cow_String())

 protected:
  kinC_InteractionState* NewState() const override { return new kinC_XFEMCrackGrowthState; }
};

// The state of an elastic foundation in one step: the foundation stiffness
// per area (0 unless set).
class kinC_ElasticFoundationState : public kinC_InteractionState {
  KERN_CLASS_HEAD(kinC_ElasticFoundationState, kinC_InteractionState, 0x30701a1)

  const mdl_PropAttr<double>& Stiffness() const { return stiffness_; }
  void SetStiffness(double stiffness, int status = 1) { stiffness_.Set(stiffness, status); }

 private:
  mdl_PropAttr<double> stiffness_{0.0, 1};
};

// An elastic foundation on the faces of a surface (its region), with a
// stiffness per step. A contact pair over one writes nothing.
class kinC_ElasticFoundation : public kinC_Interaction {
  KERN_CLASS_HEAD(kinC_ElasticFoundation, kinC_Interaction, 0x307010d)

  const rgnC_Region& Region() const { return region_; }
  void SetRegion(const rgnC_Region& region) { region_ = region; }

  // The state in `step`. Throws cow_OutOfRange for a step without one.
  const kinC_ElasticFoundationState& ConstGetState(const cow_String& step) const {
    const auto* state = dynamic_cast<const kinC_ElasticFoundationState*>(FindState(step));
    if (!state)
      throw cow_OutOfRange("elastic foundation state: no state in step " + std::string(step.Str()));
    return *state;
  }
  // Gives `step` the status `status` and a state of stiffness `stiffness`.
  void SetStepStiffness(const cow_String& step, int status, double stiffness) {
    kinC_ElasticFoundationState state;
    state.SetStiffness(stiffness);
    SetState(step, status, state);
  }

 protected:
  kinC_InteractionState* NewState() const override { return new kinC_ElasticFoundationState; }

 private:
  rgnC_Region region_;
};

// Which nodal diameters a frequency step extracts for a cyclic symmetry: all
// of them, or the range the step state gives.
enum kinC_NodalDiameterEnm { kinC_ALL_NODAL_DIAMETERS = 0, kinC_SPECIFIED_NODAL_DIAMETERS = 1 };

// The state of a cyclic symmetry interaction in one step: the cyclic mode the
// step's loads act in, and the nodal diameters a frequency step selects (all,
// unless a range is given).
class kinC_CyclicSymmetryState : public kinC_InteractionState {
  KERN_CLASS_HEAD(kinC_CyclicSymmetryState, kinC_InteractionState, 0x307010c)
  KERN_ATTR(int, CyclicMode, 0)

 public:
  const mdl_PropAttr<kinC_NodalDiameterEnm>& NodalDiameter() const { return nodalDiameter_; }
  const mdl_PropAttr<int>& LowestNodalDiameter() const { return lowest_; }
  const mdl_PropAttr<int>& HighestNodalDiameter() const { return highest_; }
  void SetNodalDiameters(kinC_NodalDiameterEnm selection, int lowest, int highest, int status = 1) {
    nodalDiameter_.Set(selection, status);
    lowest_.Set(lowest, status);
    highest_.Set(highest, status);
  }

 private:
  mdl_PropAttr<kinC_NodalDiameterEnm> nodalDiameter_{kinC_ALL_NODAL_DIAMETERS, 1};
  mdl_PropAttr<int> lowest_{0, 1};
  mdl_PropAttr<int> highest_{0, 1};
};

// Cyclic symmetry of the model: a sector repeated about an axis. The sector
// has a number of copies around the axis, two axis points (regions of one
// point each: a node, a reference point or a vertex) and two surfaces tied to
// each other, with the tie's adjust flag and position tolerance (used when
// the tolerance kind is 1).
class kinC_CyclicSymmetry : public kinC_Interaction {
 public:
  static constexpr unsigned kTypeId = 0x3070020;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kinC_CyclicSymmetry* Clone() const override { return new kinC_CyclicSymmetry(*this); }
  CLS_REGISTER(kinC_CyclicSymmetry, kinC_Interaction)

  int RepetitiveSectors() const { return sectors_; }
  void SetRepetitiveSectors(int sectors) { sectors_ = sectors; }
  const rgnC_Region& FirstAxisPoint() const { return firstAxisPoint_; }
  const rgnC_Region& SecondAxisPoint() const { return secondAxisPoint_; }
  void SetAxisPoints(const rgnC_Region& first, const rgnC_Region& second) {
    firstAxisPoint_ = first;
    secondAxisPoint_ = second;
  }
  const rgnC_Region& FirstSurface() const { return firstSurface_; }
  const rgnC_Region& SecondSurface() const { return secondSurface_; }
  void SetSurfaces(const rgnC_Region& first, const rgnC_Region& second) {
    firstSurface_ = first;
    secondSurface_ = second;
  }
  bool Adjust() const { return adjust_; }
  void SetAdjust(bool adjust) { adjust_ = adjust; }
  int PositionToleranceKind() const { return toleranceKind_; }
  double PositionTolerance() const { return tolerance_; }
  void SetPositionTolerance(int kind, double tolerance) {
    toleranceKind_ = kind;
    tolerance_ = tolerance;
  }
  // Gives `step` the status `status` and a state selecting `selection` with
  // the range `lowest` to `highest` (the cyclic mode of a state the step had
  // is kept).
  void SetStepNodalDiameters(const cow_String& step, int status, kinC_NodalDiameterEnm selection,
                             int lowest, int highest) {
    kinC_CyclicSymmetryState state = ConstGetState(step);
    state.SetNodalDiameters(selection, lowest, highest);
    SetState(step, status, state);
  }

  // The state in `step`; a state of mode 0 for a step without one.
  const kinC_CyclicSymmetryState& ConstGetState(const cow_String& step) const {
    static const kinC_CyclicSymmetryState none;
    const auto* state = dynamic_cast<const kinC_CyclicSymmetryState*>(FindState(step));
    return state ? *state : none;
  }
  void SetCyclicMode(const cow_String& step, int mode) {
    kinC_CyclicSymmetryState state;
    state.SetCyclicMode(mode);
    Insert(step, state);
  }

 protected:
  kinC_InteractionState* NewState() const override { return new kinC_CyclicSymmetryState; }

 private:
  int sectors_ = 2;
  rgnC_Region firstAxisPoint_;
  rgnC_Region secondAxisPoint_;
  rgnC_Region firstSurface_;
  rgnC_Region secondSurface_;
  bool adjust_ = true;
  int toleranceKind_ = 0;
  double tolerance_ = DBL_MAX;
};

// An actuator or sensor: a user element on a region with its solution-
// dependent variables (their count and initial values). Its user element
// has a type, a number of coordinates (0: none given), may be unsymmetric and
// carries a line of active degrees of freedom, written as it stands. The
// property it names is empty when it names none.
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
  const cow_String& PropertyName() const { return propertyName_; }
  void SetPropertyName(const cow_String& name) { propertyName_ = name; }
  const cow_String& ElementType() const { return elementType_; }
  void SetElementType(const cow_String& type) { elementType_ = type; }
  int CoordinateCount() const { return coordinateCount_; }
  void SetCoordinateCount(int count) { coordinateCount_ = count; }
  bool Unsymmetric() const { return unsymmetric_; }
  void SetUnsymmetric(bool unsymmetric) { unsymmetric_ = unsymmetric; }
  const cow_String& DofLine() const { return dofLine_; }
  void SetDofLine(const cow_String& line) { dofLine_ = line; }

 private:
  rgnC_Region region_;
  int variableCount_ = 0;
  cow_List<double> values_;
  cow_String propertyName_;
  cow_String elementType_;
  int coordinateCount_ = 0;
  bool unsymmetric_ = false;
  cow_String dofLine_;
};
