// Files the closing keywords, which land at the end of each block because
// this builder is asked last: "*End Instance", "*End Part", "*End Assembly",
// "*End Load Case" and "*End Step", and each step's input snippet.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"

class aif_FinalBuilder : public akw_BuilderComponent {
 public:
  explicit aif_FinalBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_FinalBuilder(const aif_FinalBuilder&) = default;

  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_FinalBuilder(*this); }
};
