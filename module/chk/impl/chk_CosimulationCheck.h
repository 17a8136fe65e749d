// The check control of a co-simulation: the master model and every slave
// model must be in the model database; then the kernel's co-simulation check
// is registered. A missing model is the control's own error.
#pragma once

#include "AttributesGuiCommon/ajbC_Job.h"
#include "OdbAttrEO/kut_CheckControl.h"

class chk_CosimulationCheck : public kut_CheckControl {
 public:
  explicit chk_CosimulationCheck(const ajbC_Coexecution& coexecution);
  ~chk_CosimulationCheck() override;

 private:
  void AddCosimulationChecks(const ajbC_Coexecution& coexecution);
};
