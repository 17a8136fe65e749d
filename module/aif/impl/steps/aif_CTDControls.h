// "*Controls" of a coupled temperature-displacement step: the typical controls, then the
// tolerances of the temperature field.
#pragma once

#include "OdbAttrEO/kprC_StepRequests.h"
#include "aif/impl/steps/aif_TypicalControls.h"

class aif_CTDControls : public aif_TypicalControls {
 public:
  // Copies `controls` as the typical controls and as its own.
  aif_CTDControls(const kprC_CTDControls& controls, bool lineSearch)
      : aif_TypicalControls(controls, lineSearch), controls_(controls) {}
  aif_CTDControls(const aif_CTDControls&) = default;

  akw_Keyword* Clone() const override { return new aif_CTDControls(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_CTDControls controls_;
};
