// "*Kinematic": the line after "*Coupling" for a kinematic coupling, with the
// constrained degrees of freedom as data lines. Made beside aif_Coupling.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kcoC_Constraint.h"

class akw_ModelInfo;
class aif_ModelInfo;
class utl_Stream;

class aif_Kinematic : public akw_Keyword {
 public:
  // Keeps its own copy of `constraint` (a kcoC_Coupling, tested when
  // written); `info` (an aif_ModelInfo, tested here) must outlive the keyword.
  aif_Kinematic(const kcoC_Constraint& constraint, const akw_ModelInfo& info);
  aif_Kinematic(const aif_Kinematic&) = default;

  akw_Keyword* Clone() const override { return new aif_Kinematic(*this); }
  // "*Kinematic" and the degree-of-freedom lines (aif_WriteCouplingDofLines);
  // the fifth is admitted for any region code when the assembly has a twist
  // degree of freedom.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kcoC_Constraint> constraint_;
  const aif_ModelInfo& info_;
};
