// The step check: the step sequences the solver refuses for linear dynamics
// (a steady-state direct step subdivided by eigenfrequency without a
// frequency step before it, residual modes without a static linear
// perturbation step right before, projections at the frequency limits
// without SIM-based linear dynamics) and the VMS turbulence model of flow
// steps. Each is one error naming the first step concerned.
#pragma once

#include "OdbAttrEO/kut_Check.h"

class chk_StepCheck : public kut_Check {
 public:
  chk_StepCheck(const bas_NewModel& model, const cow_String& modelName);
  chk_StepCheck(const chk_StepCheck& other);
  ~chk_StepCheck() override;

  chk_StepCheck* Clone() const override;
  void Run() override;
};
