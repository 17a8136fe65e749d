// The equation constraint: a linear relation between degrees of freedom of
// node sets, one term per set and degree of freedom.
#pragma once

#include <utility>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kcoC_Constraint.h"

// One term of an equation: the coefficient times the degree of freedom `dof`
// of the node set `setName` ("Instance.Set" for a set of an instance).
struct kcoC_EquationTerm {
  double coefficient = 0.0;
  cow_String setName;
  int dof = 0;
  // The id of the assembly's datum coordinate system the degree of freedom
  // is expressed in; -1 for the global system.
  int csysId = -1;
};

class kcoC_Equation : public kcoC_Constraint {
  KERN_CLASS_HEAD(kcoC_Equation, kcoC_Constraint, 0x3050050)

  kcoC_Equation() = default;
  explicit kcoC_Equation(cow_List<kcoC_EquationTerm> terms) : terms_(std::move(terms)) {}

  // The terms in the order the model gives them.
  const cow_List<kcoC_EquationTerm>& Terms() const { return terms_; }
  void SetTerms(cow_List<kcoC_EquationTerm> terms) { terms_ = std::move(terms); }

 private:
  cow_List<kcoC_EquationTerm> terms_;
};
