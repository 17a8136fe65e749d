// Files one "*Time Points" (aif_TimePoints) per time point of the model, in
// name order, into the model definition; for every analysis product. A member
// of the input-file driver.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"

class aif_TimePointsBuilder : public akw_BuilderComponent {
 public:
  explicit aif_TimePointsBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_TimePointsBuilder(const aif_TimePointsBuilder&) = default;

  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_TimePointsBuilder(*this); }
};
