// "*Controls" of a stress analysis with an electrical potential: the typical
// controls, then the tolerances of the electrical potential field.
#pragma once

#include "OdbAttrEO/kprC_StepRequests.h"
#include "aif/impl/steps/aif_TypicalControls.h"

class aif_ElectricalControls : public aif_TypicalControls {
 public:
  // Copies `controls` as the typical controls and as its own.
  aif_ElectricalControls(const kprC_ElectricalControls& controls, bool lineSearch)
      : aif_TypicalControls(controls, lineSearch), controls_(controls) {}
  aif_ElectricalControls(const aif_ElectricalControls&) = default;

  akw_Keyword* Clone() const override { return new aif_ElectricalControls(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_ElectricalControls controls_;
};
