// The section-assignment group step of aif_PartAttributesBuilder: groups the
// instance's elements by section assignment, element controls and beam,
// material and rebar orientation, and writes each group's thickness,
// orientations, comment, element set, offset and section keyword.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_set>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/mgt_Thickness.h"
#include "aif/impl/sections/aif_PartAttributesState.h"

class aif_ElementGroups;
class aif_PartAttributesFiler;
class kern_Object;
class ptoC_SectionAssignment;
class rgnC_Region;
struct aif_InstanceScope;

class aif_SectionGroupStep {
 public:
  aif_SectionGroupStep(aif_PartAttributesState& state, aif_PartAttributesFiler& filer)
      : state_(state), filer_(filer) {}

  // Groups the element table (then emptied), writes the groups, then the
  // orientations the used sections name themselves. Nothing for a mesh
  // without elements.
  void Write(const aif_InstanceScope& scope);

 private:
  // What the groups of one instance share.
  struct Walk {
    aif_ElementGroups& groups;
    cow_List<const kern_Object*> beamOrientations;
    cow_List<const kern_Object*> rebarOrientations;
    // The thickness data of the regions whose thickness or offset comes from
    // the geometry, computed once for the instance.
    std::optional<mgt_ThicknessDataEvaluator> geometry;
    // The element sets the groups have written so far.
    std::unordered_set<std::string> sets;
  };

  // Computes `walk.geometry` when an assignment of the groups takes its
  // thickness, or (its own) its offset, from the geometry.
  void ComputeGeometry(const aif_InstanceScope& scope, Walk& walk) const;
  void WriteGroup(const aif_InstanceScope& scope, Walk& walk, std::size_t p);
  // The group's set name: a generated set's name (numbered when the group is
  // part of it, flat: the instance's name after it); a complete assignment's
  // region (`madeHere` false); else the region's "_I" set of the group.
  cow_String SetName(const aif_InstanceScope& scope, const rgnC_Region& region, bool generated,
                     bool complete, std::size_t p, bool& madeHere) const;
  // The thickness distribution the group's section reads.
  void Thickness(const aif_InstanceScope& scope, const Walk& walk,
                 const ptoC_SectionAssignment& assignment, const kseC_Section& section,
                 bool generated, aif_PartAttributesState::Group& group);
  // Whether the analytical thickness field `field` of the group gave no
  // distribution (and no discrete field of the name stands in for it).
  bool Dropped(const aif_PartAttributesState::Group& group, const cow_String& field) const;
  // The comment and set of the group, unless the set is written already. A
  // set whose name an earlier group's set took (two picked regions of one
  // name) is named as the region's "_I" set of the group instead.
  void WriteSet(const aif_InstanceScope& scope, Walk& walk, const rgnC_Region& region,
                std::size_t p, aif_PartAttributesState::Group& group, const cow_String& comment,
                const std::vector<int>& members, bool madeHere);
  // The group's offset from its assignment.
  void Offset(const aif_InstanceScope& scope, const Walk& walk,
              const ptoC_SectionAssignment& assignment, bool generated,
              aif_PartAttributesState::Group& group);

  aif_PartAttributesState& state_;
  aif_PartAttributesFiler& filer_;
};
