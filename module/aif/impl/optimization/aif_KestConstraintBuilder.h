// Files a CONSTRAINT block per constraint of the task, each after its
// banner, into the model definitions. A constraint on a design response
// the task does not hold or holds suppressed (one that gets no DRESP block)
// is refused with aif_Exception naming both; suppressed constraints are
// passed over.
#pragma once

#include "aif/impl/optimization/aif_KestComponent.h"

class aif_KestConstraintBuilder : public aif_KestComponent {
 public:
  explicit aif_KestConstraintBuilder(akw_ModelInfo& modelInfo) : aif_KestComponent(modelInfo) {}
  aif_KestConstraintBuilder(const aif_KestConstraintBuilder&) = default;
  akw_BuilderComponent* Clone() const override { return new aif_KestConstraintBuilder(*this); }

  // Builds nothing when the model has no task of the task name.
  void Build() override;
};
