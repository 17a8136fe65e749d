// "*Equation": a linear relation between degrees of freedom of node sets, one
// term per data line. The constraint builder makes it for the model's
// equation constraints.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kcoC_Constraint.h"

class akw_ModelInfo;
class aif_ModelInfo;
class utl_Stream;

class aif_Equation : public akw_Keyword {
 public:
  // Keeps `name` (not written) and its own copy of `constraint` (a
  // kcoC_Equation, tested when written); `info` (an aif_ModelInfo, tested
  // here) must outlive the keyword.
  aif_Equation(cow_String name, const kcoC_Constraint& constraint, const akw_ModelInfo& info);
  aif_Equation(const aif_Equation&) = default;

  akw_Keyword* Clone() const override { return new aif_Equation(*this); }
  // "*Equation", the number of terms, then "set, dof, coefficient" per term
  // in the model's order. A flat file has no instances to qualify a set by:
  // every "." of a set name becomes "_". Fails the type test for a
  // constraint that is not an equation, before writing anything.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  cow_COW<kcoC_Constraint> constraint_;
  const aif_ModelInfo& info_;
};
