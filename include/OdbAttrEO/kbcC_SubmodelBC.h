// A boundary condition that drives a submodel region from a global model's
// results: the global element set and three tolerances.
#pragma once

#include "BasShared/cow_String.h"
#include "OdbAttrEO/kbcC_BC.h"

class kbcC_SubmodelBC : public kbcC_BC {
 public:
  static constexpr unsigned kTypeId = 0x2980022;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kbcC_SubmodelBC* Clone() const override { return new kbcC_SubmodelBC(*this); }
  CLS_REGISTER(kbcC_SubmodelBC, kbcC_BC)

  // The submodel state in `step` (global step, fixed, increment, scale,
  // degrees of freedom); an empty state for a step without one.
  const kbcC_BCState& ConstGetState(const cow_String& step) const {
    return kbcC_BC::ConstGetState(step);
  }

  const cow_String& GlobalElset() const { return globalElset_; }
  void SetGlobalElset(const cow_String& name) { globalElset_ = name; }
  // Each 0 when not given.
  double ShellThickness() const { return shellThickness_; }
  double AbsoluteExteriorTolerance() const { return absoluteTolerance_; }
  double ExteriorTolerance() const { return exteriorTolerance_; }
  void SetTolerances(double shellThickness, double absolute, double exterior) {
    shellThickness_ = shellThickness;
    absoluteTolerance_ = absolute;
    exteriorTolerance_ = exterior;
  }

 private:
  cow_String globalElset_;
  double shellThickness_ = 0.0;
  double absoluteTolerance_ = 0.0;
  double exteriorTolerance_ = 0.0;
};
