// Files the model's constraints into the assembly definition, in name order,
// each after a "Constraint: NAME" comment: equations, ties, couplings (with
// their "*Kinematic" or "*Distributing" line and, when adjusted, "*Adjust"),
// adjust points, rigid bodies, embedded regions, display bodies,
// shell-to-solid couplings and multi-point constraints. Suppressed
// constraints and display bodies of missing, suppressed or excluded
// instances write nothing, not even their comment. A member of the
// input-file driver, built after the materials and written between the
// materials and the inertia.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kcoC_Constraint;
class rgnC_Region;

class aif_ConstraintBuilder : public akw_BuilderComponent {
 public:
  explicit aif_ConstraintBuilder(akw_ModelInfo& modelInfo);
  aif_ConstraintBuilder(const aif_ConstraintBuilder&) = default;
  akw_BuilderComponent* Clone() const override { return new aif_ConstraintBuilder(*this); }

  // Files every unsuppressed constraint. A constraint of a kind no keyword
  // writes stops the build with aif_Exception "Unimplemented constraint
  // type." (the constraints before it stay filed); so do a rigid body
  // whose reference point and an adjustment whose node set or surface the
  // kernel no longer finds, naming the constraint.
  void Build() override;

  // The qualified name (assembly scope) under which a rigid body writes
  // `region`, or empty when the kernel does not find the region.
  cow_String RegionName(const rgnC_Region& region) const;

 private:
  aif_ModelInfo& Info() const;
  void BuildRigidBody(const cow_String& name, const kcoC_Constraint& constraint);
  void BuildDisplayBody(const cow_String& name, const kcoC_Constraint& constraint);
};
