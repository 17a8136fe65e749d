// "*Tie": ties the nodes of a second surface to a first (main) surface. The
// region builder makes it by name for the ties it generates across mesh
// interfaces, the interaction builder for cyclic symmetry, and the constraint
// builder from the model's tie constraints.
#pragma once

#include <limits>

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

class aif_ModelInfo;

class aif_Tie : public akw_Keyword {
 public:
  // A position tolerance that is not given.
  static constexpr double kUnsetTolerance = std::numeric_limits<double>::max();

  // Cyclic symmetry: the tolerance is written unless it is kUnsetTolerance.
  aif_Tie(cow_String name, cow_String firstSurface, cow_String secondSurface,
          const aif_ModelInfo& info, bool adjust, double positionTolerance);
  // A generated tie: the tolerance is written when it is greater than 0 (and
  // set); adjust=no.
  aif_Tie(cow_String name, cow_String firstSurface, cow_String secondSurface,
          double positionTolerance, const aif_ModelInfo& info);
  // From the model's tie constraint (a kcoC_Tie; tested when written). Keeps
  // its own copy; `info` must outlive the keyword.
  aif_Tie(cow_String name, const kcoC_Constraint& constraint, const aif_ModelInfo& info);
  aif_Tie(const aif_Tie&) = default;

  akw_Keyword* Clone() const override { return new aif_Tie(*this); }
  // "*Tie, name=NAME" with its options, then one data line: the second
  // surface, ", ", the first. From a constraint the surfaces are the set
  // names of its regions from the assembly; otherwise the given names in
  // their printable form. Throws the type test's nex_TextException when the
  // constraint is not a tie and aif_Exception for an unknown tie type.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteFromConstraint(utl_Stream& stream) const;

  cow_String name_;
  cow_COW<kcoC_Constraint> constraint_;  // empty for the named forms
  cow_String firstSurface_;
  cow_String secondSurface_;
  double positionTolerance_ = kUnsetTolerance;
  const aif_ModelInfo* info_;
  bool cyclic_ = false;
  bool adjust_ = false;
};
