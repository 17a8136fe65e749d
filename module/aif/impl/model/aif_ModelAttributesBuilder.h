// Files the model-wide attributes in the model definition: a "PHYSICAL
// CONSTANTS" banner, "*Physical Constants" and "*Acoustic Wave Formulation",
// when the model sets any physical constant or an acoustic wave formulation.
// A member of the input-file driver.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"

class aif_ModelAttributesBuilder : public akw_BuilderComponent {
 public:
  explicit aif_ModelAttributesBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_ModelAttributesBuilder(const aif_ModelAttributesBuilder&) = default;

  // Files the banner and both keywords (each keyword leaves out what the
  // model does not set), or nothing when the model sets none of them.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_ModelAttributesBuilder(*this); }
};
