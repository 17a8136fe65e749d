// "*Boundary" on degree of freedom 1 of a bolt load's reference node: the
// bolt's length adjusted by a value or held fixed in a step. The boundary
// condition builder makes one for a bolt load whose method in the step is
// not "apply force".
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class kloC_BoltLoad;

class aif_BoundaryForBoltLoad : public akw_Keyword {
 public:
  // Refers to `load`, which outlives the write. `opFlag` clear: the keyword
  // line carries ", op=NEW". The keyword is inactive, and then always carries
  // ", op=NEW", when the load is deactivated in `step` (status 4) or its
  // method there is "apply force"; an active one takes the amplitude of its
  // state. `nodeSetName` (the reference node's set) is written as given.
  aif_BoundaryForBoltLoad(const kloC_BoltLoad& load, const cow_String& step, bool opFlag,
                          const cow_String& nodeSetName, double scale);
  aif_BoundaryForBoltLoad(const aif_BoundaryForBoltLoad&) = default;

  akw_Keyword* Clone() const override { return new aif_BoundaryForBoltLoad(*this); }
  // Inactive: "*Boundary, op=NEW" alone. Active: "*Boundary", ", op=NEW",
  // then ", fixed" (fixed length) or the amplitude; the data line
  // "<set>, 1, 1" and, when not 0, the adjusted length times the scale.
  void Write(utl_Stream& stream) const override;

  bool Inactive() const { return inactive_; }

 private:
  const kloC_BoltLoad* load_;
  cow_String step_;
  cow_String nodeSetName_;
  bool opFlag_;
  bool inactive_ = false;
  double scale_;
  cow_String amplitude_;
};
