// General contact: one interaction for the whole model (or a list of surface
// pairs), with per-pair assignments of contact properties, surface
// properties (thickness, offset, feature edges), master-slave roles, and, in
// the standard solver, contact initializations and geometric smoothing.
// The assignment lists live on the interaction; which entries apply in a
// step, and with what value, lives in the step's state (kinC_ContactExpState).
// Surface smoothing data of the standard solver's contact pairs are here too.
#pragma once

#include <string>

#include "BasShared/cow_Error.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/mdl_PropAttr.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivBasicUtils/omu_PrimEnum.h"

// One entry of an assignment list: a first region, a second region, and a
// text that, when not empty, names the second member instead of the second
// region (such as "Inst.Surf" or a keyword the solver knows).
struct kinC_RegionPair {
  rgnC_Region first;
  rgnC_Region second;
  cow_String secondName;
};

// Surface thickness. Kind 0 original, 1 and 3 thinning, otherwise `value`.
struct kinC_SurfThick {
  int kind = 0;
  double value = 0.0;
  double scale = 1.0;
};

// Surface offset fraction. Kind 0 original, 1 SPOS, 2 SNEG, otherwise
// `value`.
struct kinC_SurfOffset {
  int kind = 0;
  double value = 0.0;
};

// Feature edge criterion. Kind 0 perimeter edges, 1 no feature edges,
// otherwise `value` (an angle).
struct kinC_SurfFeature {
  int kind = 0;
  double value = 0.0;
};

// The role of the first surface of a pair towards the second.
struct kinC_MasterSlave {
  enum MasterSlaveEnm { kBalanced = 0, kMaster = 1, kSlave = 2 };
  MasterSlaveEnm role = kBalanced;
};

template <>
struct omu_EnumTexts<kinC_MasterSlave::MasterSlaveEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "BALANCED"}, {1, "MASTER"}, {2, "SLAVE"}};
};

// A smoothing assignment of standard general contact. Kind 0 none, 1
// circumferential, 2 spherical.
struct kinC_Smoothing {
  int kind = 0;
};

// General contact in one step: whether it covers the whole model, and per
// entry of each assignment list of the interaction one attribute, at the
// same position. An attribute whose status is 0 is not set in the step.
class kinC_ContactExpState : public kinC_InteractionState {
  KERN_CLASS_HEAD(kinC_ContactExpState, kinC_InteractionState, 0x3070052)

  bool WholeModel() const { return wholeModel_; }
  void SetWholeModel(bool whole) { wholeModel_ = whole; }

  // True: the inclusion (exclusion) at that position applies in the step.
  cow_List<mdl_PropAttr<bool>> inclusions;
  cow_List<mdl_PropAttr<bool>> exclusions;
  // The contact property's name for each property assignment.
  cow_List<mdl_PropAttr<cow_String>> properties;
  cow_List<mdl_PropAttr<kinC_SurfThick>> thicknesses;
  cow_List<mdl_PropAttr<kinC_SurfOffset>> offsets;
  cow_List<mdl_PropAttr<kinC_SurfFeature>> features;
  cow_List<mdl_PropAttr<kinC_MasterSlave>> roles;

 private:
  bool wholeModel_ = false;
};

// General contact of the explicit solver. The lists are read with the step
// state, entry by entry; statuses and states are the interaction's store
// (GetPropStatus, SetState with a kinC_ContactExpState).
class kinC_ContactExp : public kinC_Interaction {
  KERN_CLASS_HEAD(kinC_ContactExp, kinC_Interaction, 0x3070050)

  cow_List<kinC_RegionPair> inclusions;
  cow_List<kinC_RegionPair> exclusions;
  cow_List<kinC_RegionPair> propertyAssignments;
  // Only the first region of these is read.
  cow_List<kinC_RegionPair> thicknessRegions;
  cow_List<kinC_RegionPair> offsetRegions;
  cow_List<kinC_RegionPair> featureRegions;
  cow_List<kinC_RegionPair> masterSlavePairs;

  // The state in `step` (the interaction's store). Throws cow_OutOfRange
  // for a step without a state.
  const kinC_ContactExpState& ConstGetState(const cow_String& step) const {
    const auto* state = dynamic_cast<const kinC_ContactExpState*>(FindState(step));
    if (!state)
      throw cow_OutOfRange("general contact state: no state in step " + std::string(step.Str()));
    return *state;
  }
  bool WholeModelContact(const cow_String& step) const { return ConstGetState(step).WholeModel(); }

 protected:
  kinC_InteractionState* NewState() const override { return new kinC_ContactExpState; }
};

// General contact of the standard solver: besides the explicit lists, the
// contact initializations assigned to pairs (by name, parallel to
// `initializationPairs`) and the geometric smoothing (of every surface of
// the model, and per assignment: `smoothings[i]` smooths the first region of
// `smoothingRegions[i]`).
class kinC_ContactStd : public kinC_ContactExp {
  KERN_CLASS_HEAD(kinC_ContactStd, kinC_ContactExp, 0x3070051)

  cow_List<kinC_RegionPair> initializationPairs;
  cow_List<cow_String> initializationNames;

  bool wholeModelSmoothing = false;
  cow_List<kinC_Smoothing> smoothings;
  cow_List<kinC_RegionPair> smoothingRegions;
};
