// Writes the model's cracks: an "*Enrichment" per XFEM crack in the assembly
// and, for every history output request that names a crack, a
// "*Contour Integral" in each step where the request is written, after a
// comment naming the request, with the node sets of the crack-front layers
// of contour-integral cracks in the assembly. A member of the input-file
// driver, built after the inertia and written after the output requests.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"

class aif_ModelInfo;
class kefC_EngineeringFeatures;

class aif_CrackBuilder : public akw_BuilderComponent {
 public:
  explicit aif_CrackBuilder(akw_ModelInfo& modelInfo);
  aif_CrackBuilder(const aif_CrackBuilder&) = default;

  // BuildEnrichments, then BuildContourIntegrals. Neither files anything
  // when the model has no assembly, when the assembly's engineering features
  // may not be read, or when it has no cracks.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_CrackBuilder(*this); }

  // Files an "*Enrichment" for each unsuppressed XFEM crack, in name order.
  void BuildEnrichments();
  // For each unsuppressed history output request on an unsuppressed crack
  // of the assembly, in the repository's order, files in every written
  // analysis step where the request is created, modified or switched off
  // the comment "HISTORY OUTPUT: request" and its "*Contour Integral". For a
  // contour-integral crack it files the node sets of the crack-front
  // segments in the assembly, each name once per write. A residual stress
  // step that is not a written step is warned about and left out.
  void BuildContourIntegrals();

 private:
  aif_ModelInfo& Info() const;
  // The assembly's engineering features when they may be read and hold a
  // crack; null otherwise.
  const kefC_EngineeringFeatures* CrackFeatures() const;
};
