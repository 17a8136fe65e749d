// "*Spring" or "*Dashpot": the stiffness or dashpot coefficient of the
// elements of a spring feature's element set, acting between the given
// degrees of freedom, optionally in an orientation. Made by the spring
// builder, one per kind a spring feature has.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_SpringProperty : public akw_Keyword {
 public:
  // `keyword`: "*Spring" or "*Dashpot". An empty `orientation` names none.
  aif_SpringProperty(cow_String keyword, cow_String elementSet, int firstDof, int secondDof,
                     double value, cow_String orientation);
  aif_SpringProperty(const aif_SpringProperty&) = default;

  akw_Keyword* Clone() const override { return new aif_SpringProperty(*this); }
  // "KEYWORD, elset=SET[, orientation=NAME]"; the degree-of-freedom line
  // ("1, 3"; a degree of 0 is left out, both 0 give an empty line); the value
  // line.
  void Write(utl_Stream& stream) const override;

 private:
  cow_String keyword_;
  cow_String elementSet_;
  int firstDof_;
  int secondDof_;
  double value_;
  cow_String orientation_;
};
