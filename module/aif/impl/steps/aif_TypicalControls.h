// "*Controls" of a stress analysis: the common controls, then the field
// tolerances of displacement, hydrostatic fluid pressure and rotation. Base
// of the coupled kinds that add one field of their own.
#pragma once

#include "OdbAttrEO/kprC_StepRequests.h"
#include "aif/impl/steps/aif_Controls.h"

class aif_TypicalControls : public aif_Controls {
 public:
  // Copies `controls`; `lineSearch` as for aif_Controls.
  aif_TypicalControls(const kprC_TypicalControls& controls, bool lineSearch)
      : aif_Controls(lineSearch), controls_(controls) {}
  aif_TypicalControls(const aif_TypicalControls&) = default;

  akw_Keyword* Clone() const override { return new aif_TypicalControls(*this); }
  void Write(utl_Stream& stream) const override;

 protected:
  // The typical controls with the flags of `own` (the derived class's copy),
  // and the block `extra`, when given, after the typical field blocks.
  void WriteTypical(utl_Stream& stream, const kprC_Controls& own, const Field* extra) const;

 private:
  kprC_TypicalControls controls_;
};
