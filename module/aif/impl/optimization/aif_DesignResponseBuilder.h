// Files the task's design responses: single-term responses (DRESP) into the
// single-term definitions, combined-term responses after them into the
// combined-term definitions, each after its banner. Combined responses come
// after the combined responses they combine, else in name order (a cycle
// keeps name order). Before anything is filed, a combined response that
// combines one the task does not hold or holds suppressed is refused with
// aif_Exception naming both. A response of another kind throws
// aif_Exception "Unimplemented design response input file writing method
// for NAME".
#pragma once

#include "aif/impl/optimization/aif_KestComponent.h"

class aif_DesignResponseBuilder : public aif_KestComponent {
 public:
  explicit aif_DesignResponseBuilder(akw_ModelInfo& modelInfo) : aif_KestComponent(modelInfo) {}
  aif_DesignResponseBuilder(const aif_DesignResponseBuilder&) = default;
  akw_BuilderComponent* Clone() const override { return new aif_DesignResponseBuilder(*this); }

  // Builds nothing when the model has no task of the task name.
  void Build() override;
};
