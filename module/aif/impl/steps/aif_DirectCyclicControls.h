// "*Controls" of a direct cyclic step: the common controls, the tolerances
// of the displacement and rotation fields, then "*Controls, type=direct
// cyclic" with the direct cyclic parameters that differ from the defaults.
#pragma once

#include "OdbAttrEO/kprC_StepRequests.h"
#include "aif/impl/steps/aif_Controls.h"

class aif_DirectCyclicControls : public aif_Controls {
 public:
  // Copies `controls`; `lineSearch` as for aif_Controls.
  aif_DirectCyclicControls(const kprC_DirectCyclicControls& controls, bool lineSearch)
      : aif_Controls(lineSearch), controls_(controls) {}
  aif_DirectCyclicControls(const aif_DirectCyclicControls&) = default;

  akw_Keyword* Clone() const override { return new aif_DirectCyclicControls(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_DirectCyclicControls controls_;
};
