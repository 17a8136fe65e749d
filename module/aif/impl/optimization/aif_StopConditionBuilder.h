// Files a STOP block per local stop condition of the task, each after its
// banner, into the model definitions (other stop conditions get the banner
// alone).
#pragma once

#include "aif/impl/optimization/aif_KestComponent.h"

class aif_StopConditionBuilder : public aif_KestComponent {
 public:
  explicit aif_StopConditionBuilder(akw_ModelInfo& modelInfo) : aif_KestComponent(modelInfo) {}
  aif_StopConditionBuilder(const aif_StopConditionBuilder&) = default;
  akw_BuilderComponent* Clone() const override { return new aif_StopConditionBuilder(*this); }

  // Builds nothing when the model has no task of the task name.
  void Build() override;
};
