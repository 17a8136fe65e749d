// Files an OBJ_FUNC block per objective function of the task, each after its
// banner, into the model definitions; the block knows the task's kind. An
// objective with a term (not excluded) on a design response the task does
// not hold or holds suppressed is refused with aif_Exception naming both;
// suppressed objectives are passed over.
#pragma once

#include "aif/impl/optimization/aif_KestComponent.h"

class aif_ObjectiveFunctionBuilder : public aif_KestComponent {
 public:
  explicit aif_ObjectiveFunctionBuilder(akw_ModelInfo& modelInfo) : aif_KestComponent(modelInfo) {}
  aif_ObjectiveFunctionBuilder(const aif_ObjectiveFunctionBuilder&) = default;
  akw_BuilderComponent* Clone() const override { return new aif_ObjectiveFunctionBuilder(*this); }

  // Builds nothing when the model has no task of the task name.
  void Build() override;
};
