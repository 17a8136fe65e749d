// Files the opening of the optimization parameter file into its option
// definitions: the heading comment and the FEM_INPUT block naming the
// solver input file.
#pragma once

#include "aif/impl/optimization/aif_KestComponent.h"

class aif_KestOptionBuilder : public aif_KestComponent {
 public:
  explicit aif_KestOptionBuilder(akw_ModelInfo& modelInfo) : aif_KestComponent(modelInfo) {}
  aif_KestOptionBuilder(const aif_KestOptionBuilder&) = default;
  akw_BuilderComponent* Clone() const override { return new aif_KestOptionBuilder(*this); }

  // Files both also when the model has no task of the task name.
  void Build() override;
};
