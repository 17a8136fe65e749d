// The section-keyword step of aif_PartAttributesBuilder: for one group, the
// "** Section:" comment and the section keyword its section kind takes, with
// "*Transverse Shear" and "*Hourglass Stiffness" where they belong; beams and
// Eulerian sections through their own steps.
#pragma once

#include "BasShared/cow_String.h"
#include "aif/impl/sections/aif_PartAttributesState.h"

class aif_PartAttributesFiler;
class kseC_Section;
struct aif_InstanceScope;

class aif_SectionStep {
 public:
  aif_SectionStep(aif_PartAttributesState& state, aif_PartAttributesFiler& filer)
      : state_(state), filer_(filer) {}

  // The keywords of `group`'s section, filed by the part-level rule, and the
  // discrete-field uses of its thickness and plies; nothing when the state
  // holds no section of the name. The set is recorded as a section's.
  void Add(const aif_InstanceScope& scope, const aif_PartAttributesState::Group& group);
  // The second solid kind (a truss): "*Solid Section" with the controls
  // name only.
  void AddTruss(const aif_InstanceScope& scope, const cow_String& setName,
                const kseC_Section& section, const cow_String& controls);

 private:
  // What every section kind of one group takes.
  struct Keyed {
    const aif_PartAttributesState::Group& group;
    const kseC_Section& section;
    unsigned type;
    cow_String controls;        // empty for default section controls
    cow_String stackDirection;  // of the group's material orientation
    bool hourglass;             // "*Hourglass Stiffness" follows (product 0)
  };

  void AddSolid(const aif_InstanceScope& scope, const Keyed& keyed);
  void AddShell(const aif_InstanceScope& scope, const Keyed& keyed);
  void AddMembrane(const aif_InstanceScope& scope, const Keyed& keyed);
  // The kinds that take one keyword and perhaps the stiffness; nothing for a
  // kind this step does not know.
  void AddOther(const aif_InstanceScope& scope, const Keyed& keyed);
  void AddHourglass(const aif_InstanceScope& scope, const Keyed& keyed);

  aif_PartAttributesState& state_;
  aif_PartAttributesFiler& filer_;
};
