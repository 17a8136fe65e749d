// Writes the model's cracks: an "*Enrichment" per XFEM crack in the assembly
// and, for every history output request that names a crack, a
// "*Contour Integral" in each step where the request is written, with the
// node sets of the crack-front layers of contour-integral cracks. A member of
// the input-file driver, built after the inertia and written after the output
// requests.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"

class aif_ModelInfo;

class aif_CrackBuilder : public akw_BuilderComponent {
 public:
  explicit aif_CrackBuilder(akw_ModelInfo& modelInfo);
  aif_CrackBuilder(const aif_CrackBuilder&) = default;

  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_CrackBuilder(*this); }

 private:
  aif_ModelInfo& Info() const;
};
