// "*Shell to Solid Coupling": couples the edge of a shell mesh (first
// surface) to the faces of a solid mesh (second surface). The region builder
// makes it by name where shell and solid meshes meet; the constraint builder
// makes it from the model's shell-to-solid coupling constraints.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_ModelInfo;

class aif_ShellSolidCoupling : public akw_Keyword {
 public:
  // A generated coupling between two surfaces named as they are defined.
  aif_ShellSolidCoupling(cow_String constraintName, cow_String firstSurface,
                         cow_String secondSurface, const aif_ModelInfo& info);
  // From the model's constraint (a kcoC_ShellSolidCoupling; tested when
  // written). Keeps its own copy; `info` must outlive the keyword.
  aif_ShellSolidCoupling(cow_String constraintName, const kcoC_Constraint& constraint,
                         const aif_ModelInfo& info);
  aif_ShellSolidCoupling(const aif_ShellSolidCoupling&) = default;

  akw_Keyword* Clone() const override { return new aif_ShellSolidCoupling(*this); }
  // "*Shell to Solid Coupling, constraint name=NAME" with the given distances
  // of a constraint, then one data line of two surfaces: by name, the second
  // and then the first in their printable form; from a constraint, the set
  // names of its first and then its second region from the assembly. Throws
  // the type test's nex_TextException when the constraint is not a
  // shell-to-solid coupling.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  cow_COW<kcoC_Constraint> constraint_;  // empty for the named form
  bool fromConstraint_ = false;
  cow_String firstSurface_;
  cow_String secondSurface_;
  const aif_ModelInfo* info_;
};
