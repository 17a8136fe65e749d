// Files one CS_DEF block per datum coordinate system the task's blocks name
// (single-term design responses, then geometric restrictions, in name
// order), in the order of first use, into the option definitions.
#pragma once

#include "aif/impl/optimization/aif_KestComponent.h"

class aif_CsDefBuilder : public aif_KestComponent {
 public:
  explicit aif_CsDefBuilder(akw_ModelInfo& modelInfo) : aif_KestComponent(modelInfo) {}
  aif_CsDefBuilder(const aif_CsDefBuilder&) = default;
  akw_BuilderComponent* Clone() const override { return new aif_CsDefBuilder(*this); }

  // Builds nothing when the model has no task of the task name.
  void Build() override;
};
