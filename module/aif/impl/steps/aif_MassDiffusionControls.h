// "*Controls" of a mass diffusion step: the common controls, then the
// tolerances of the concentration field.
#pragma once

#include "OdbAttrEO/kprC_StepRequests.h"
#include "aif/impl/steps/aif_Controls.h"

class aif_MassDiffusionControls : public aif_Controls {
 public:
  // Copies `controls`; `lineSearch` as for aif_Controls.
  aif_MassDiffusionControls(const kprC_MassDiffusionControls& controls, bool lineSearch)
      : aif_Controls(lineSearch), controls_(controls) {}
  aif_MassDiffusionControls(const aif_MassDiffusionControls&) = default;

  akw_Keyword* Clone() const override { return new aif_MassDiffusionControls(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_MassDiffusionControls controls_;
};
