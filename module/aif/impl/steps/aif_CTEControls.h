// "*Controls" of a coupled thermal-electrical step: the heat transfer
// controls, then the tolerances of the electrical potential field.
#pragma once

#include "OdbAttrEO/kprC_StepRequests.h"
#include "aif/impl/steps/aif_HeatTransferControls.h"

class aif_CTEControls : public aif_HeatTransferControls {
 public:
  // Copies `controls` as the heat transfer controls and as its own.
  aif_CTEControls(const kprC_CTEControls& controls, bool lineSearch)
      : aif_HeatTransferControls(controls, lineSearch), controls_(controls) {}
  aif_CTEControls(const aif_CTEControls&) = default;

  akw_Keyword* Clone() const override { return new aif_CTEControls(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_CTEControls controls_;
};
