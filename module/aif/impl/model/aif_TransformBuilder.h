// Writes the local coordinate systems other keywords name: the "_T-" node
// sets with their "*Transform" lines for nodes whose degrees of freedom are
// expressed in a datum coordinate system, and the orientations of connectors,
// fasteners, couplings, loads, boundary conditions, integrated output
// sections and engineering features. A member of the input-file driver,
// built and written right after the materials.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"

class aif_ModelInfo;

class aif_TransformBuilder : public akw_BuilderComponent {
 public:
  explicit aif_TransformBuilder(akw_ModelInfo& modelInfo);
  aif_TransformBuilder(const aif_TransformBuilder&) = default;

  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_TransformBuilder(*this); }

 private:
  aif_ModelInfo& Info() const;
};
