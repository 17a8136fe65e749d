// Files the blocks of the task's geometric restrictions (DVCON_TOPO,
// DVCON_SHAPE, LINK_SHAPE, LINK_TOPO by kind), each after its banner, into
// the model definitions.
#pragma once

#include "aif/impl/optimization/aif_KestComponent.h"

class aif_GeometricRestrictionBuilder : public aif_KestComponent {
 public:
  explicit aif_GeometricRestrictionBuilder(akw_ModelInfo& modelInfo)
      : aif_KestComponent(modelInfo) {}
  aif_GeometricRestrictionBuilder(const aif_GeometricRestrictionBuilder&) = default;
  akw_BuilderComponent* Clone() const override {
    return new aif_GeometricRestrictionBuilder(*this);
  }

  // Builds nothing when the model has no task of the task name.
  void Build() override;
};
