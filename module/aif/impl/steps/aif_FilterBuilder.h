// Files one "*Filter" (aif_Filter) per output filter of the model, in name
// order, into the model definition; only when the job's analysis product is
// the one that reads filters (1). A member of the input-file driver; a restart
// job writes its model definition before the history.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"

class aif_FilterBuilder : public akw_BuilderComponent {
 public:
  explicit aif_FilterBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_FilterBuilder(const aif_FilterBuilder&) = default;

  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_FilterBuilder(*this); }
};
