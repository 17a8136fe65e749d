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

#include <initializer_list>

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
  // type." (the constraints before it stay filed); so does a constraint
  // naming a region the kernel no longer finds (a rigid body's reference
  // point, an adjustment's node set or surface, a tie's surfaces, a
  // multi-point constraint's control point or constrained region, an
  // embedded region's host or embedded elements, a shell-to-solid
  // coupling's surfaces), with a message naming the constraint and what is
  // gone ("The main surface of the tie T no longer exists.").
  void Build() override;

  // The qualified name (assembly scope) under which a rigid body writes
  // `region`, or empty when the kernel does not find the region.
  cow_String RegionName(const rgnC_Region& region) const;

 private:
  // A region a constraint writes, and the message ("%s" the constraint's
  // name) that stops the write when the kernel no longer finds it.
  struct ConstraintRegionCheck {
    const rgnC_Region* region;
    const char* message;
  };

  aif_ModelInfo& Info() const;
  // Throws aif_Exception with the message of the first of `regions` the
  // kernel does not find; returns when all are found.
  void CheckRegions(const cow_String& name,
                    std::initializer_list<ConstraintRegionCheck> regions) const;
  void BuildRigidBody(const cow_String& name, const kcoC_Constraint& constraint);
  void BuildDisplayBody(const cow_String& name, const kcoC_Constraint& constraint);
};
