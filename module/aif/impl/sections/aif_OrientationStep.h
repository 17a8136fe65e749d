// The orientation step of aif_PartAttributesBuilder: the "*Orientation"
// keywords a group's material and rebar orientation need (each name once per
// part or instance), the ply orientations of composite sections, and the
// stack direction a section reads by its material orientation.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "aif/impl/model/aif_Orientation.h"

class aif_PartAttributesFiler;
class kern_Object;
class kseC_Section;
class ptoC_MaterialOrientation;
struct kseC_Layer;
struct aif_InstanceScope;
struct aif_PartAttributesState;

class aif_OrientationStep {
 public:
  aif_OrientationStep(aif_PartAttributesState& state, aif_PartAttributesFiler& filer)
      : state_(state), filer_(filer) {}

  // The material orientation `m` (an index into the state's orientations) of
  // a group of a section of `sectionType` (`generated`: of an assignment a
  // layup generated): its keyword, once per name, its discrete-field uses and
  // its stack direction. Returns the name the section refers to, empty when
  // the orientation is not written; `regionText` the comment's text for its
  // region. An orientation whose axes or rotation angle come from a field
  // the model does not define throws aif_Exception naming its region (or,
  // for a picked or generated one, the section `sectionName`) and the field.
  cow_String ForGroup(const aif_InstanceScope& scope, int m, bool generated, unsigned sectionType,
                      const cow_String& sectionName, cow_String& regionText);
  // The rebar orientation `rebar` (number `r` of the part's) of a group:
  // "RebarOri-n" (flat: the instance's name and "-" before it) when it has a
  // datum, filed once; else empty.
  cow_String ForRebar(const aif_InstanceScope& scope, const kern_Object& rebar, int r);
  // The orientations of the plies of `layers` of section `sectionName` that
  // name a datum, "Ori-<section>-L<n>" (flat: the instance's name and "-"
  // before it), their angle fields recorded, each name once per part or
  // instance. `prefix` is set to the name before the ply number.
  void AddLayerOrientations(const aif_InstanceScope& scope, const cow_String& sectionName,
                            const cow_List<kseC_Layer>& layers, cow_String& prefix);
  // After the groups: the orientations the used sections name themselves
  // (composite plies), filed where the sections are, each name once per part
  // or instance (flat: once per write).
  void AddSectionOrientations(const aif_InstanceScope& scope);

 private:
  // Throws aif_Exception when `field`, which `orientation` names for its
  // axes or its rotation angle, is not a discrete field of the model;
  // returns otherwise.
  void CheckField(const ptoC_MaterialOrientation& orientation, const cow_String& field,
                  const cow_String& sectionName) const;
  // The name of orientation `m`, as composed (the caller makes it printable
  // as a whole), and, for a discrete one, its distribution, for one whose
  // axes come from an orientation field, that field's distribution (`axes`);
  // `write` false when it is not written (a discrete one without a
  // distribution, a global one the section or region makes needless).
  cow_String Name(const aif_InstanceScope& scope, const ptoC_MaterialOrientation& orientation,
                  int m, bool generated, unsigned sectionType, bool& write,
                  cow_String& distribution, cow_String& axes);
  // The stack direction of orientation `m` for a section of `sectionType`,
  // unless the layup that generated it gave one.
  void SetStackDirection(const ptoC_MaterialOrientation& orientation, int m, unsigned sectionType);
  // `distribution`: the distribution a discrete orientation names; `fields`
  // those of its angle and orientation fields.
  void AddOnce(const aif_InstanceScope& scope, const ptoC_MaterialOrientation& orientation,
               const cow_String& name, const cow_String& distribution = cow_String(),
               const aif_Orientation::FieldDistributions& fields = {});

  aif_PartAttributesState& state_;
  aif_PartAttributesFiler& filer_;
};
