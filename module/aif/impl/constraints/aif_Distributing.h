// "*Distributing": the line after "*Coupling" for a distributing coupling,
// with its weighting method and the constrained degrees of freedom as data
// lines. Made beside aif_Coupling.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kcoC_Constraint.h"

class utl_Stream;

class aif_Distributing : public akw_Keyword {
 public:
  // Keeps its own copy of `constraint` (a kcoC_Coupling, tested when
  // written).
  explicit aif_Distributing(const kcoC_Constraint& constraint);
  aif_Distributing(const aif_Distributing&) = default;

  akw_Keyword* Clone() const override { return new aif_Distributing(*this); }
  // "*Distributing, weighting method=UNIFORM" (LINEAR, QUADRATIC, CUBIC; an
  // unknown method leaves the value empty), ", coupling=STRUCTURAL" for a
  // structural coupling, then the degree-of-freedom lines
  // (aif_WriteCouplingDofLines) without the twist rotation.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kcoC_Constraint> constraint_;
};
