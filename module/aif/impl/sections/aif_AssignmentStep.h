// The reading step of aif_PartAttributesBuilder: takes the part's section
// assignments and its beam, material and rebar orientations into the
// element property table, each element marked with the index of the entry
// of each kind that covers it (a later entry overwriting an earlier one).
#pragma once

struct aif_InstanceScope;
struct aif_PartAttributesState;

class aif_AssignmentStep {
 public:
  explicit aif_AssignmentStep(aif_PartAttributesState& state) : state_(state) {}

  // The part's section assignments, appended to the state's list and counted
  // as its own, then their elements; each assignment's covered count.
  void ReadAssignments(const aif_InstanceScope& scope);
  // The entries of attribute `kind` (aif_SectionKinds: beam, material or
  // rebar orientations; or the assignments held) and their elements. Material
  // orientations that are not suppressed are appended to the state's list.
  void ReadOrientations(const aif_InstanceScope& scope, unsigned kind);

 private:
  aif_PartAttributesState& state_;
};
