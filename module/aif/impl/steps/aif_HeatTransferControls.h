// "*Controls" of a heat transfer step: the common controls, then the
// tolerances of the temperature field. Base of the coupled thermal-electrical
// kind.
#pragma once

#include "OdbAttrEO/kprC_StepRequests.h"
#include "aif/impl/steps/aif_Controls.h"

class aif_HeatTransferControls : public aif_Controls {
 public:
  // Copies `controls`; `lineSearch` as for aif_Controls.
  aif_HeatTransferControls(const kprC_HeatTransferControls& controls, bool lineSearch)
      : aif_Controls(lineSearch), controls_(controls) {}
  aif_HeatTransferControls(const aif_HeatTransferControls&) = default;

  akw_Keyword* Clone() const override { return new aif_HeatTransferControls(*this); }
  void Write(utl_Stream& stream) const override;

 protected:
  // The heat transfer controls with the flags of `own` (the derived class's
  // copy), and the block `extra`, when given, after the temperature block.
  void WriteHeatTransfer(utl_Stream& stream, const kprC_Controls& own, const Field* extra) const;

 private:
  kprC_HeatTransferControls controls_;
};
