// "*Controls" of a pore fluid (soils) step: the typical controls, then the
// tolerances of the pore fluid pressure field.
#pragma once

#include "OdbAttrEO/kprC_StepRequests.h"
#include "aif/impl/steps/aif_TypicalControls.h"

class aif_PoreControls : public aif_TypicalControls {
 public:
  // Copies `controls` as the typical controls and as its own.
  aif_PoreControls(const kprC_PoreControls& controls, bool lineSearch)
      : aif_TypicalControls(controls, lineSearch), controls_(controls) {}
  aif_PoreControls(const aif_PoreControls&) = default;

  akw_Keyword* Clone() const override { return new aif_PoreControls(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_PoreControls controls_;
};
