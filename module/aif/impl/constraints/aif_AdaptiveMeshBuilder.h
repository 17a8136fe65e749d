// Files the model's adaptive meshing into the step definitions: the adaptive
// mesh controls ("*Adaptive Mesh Controls", in name order) in the first
// analysis step, then per step its adaptive mesh domains ("*Adaptive Mesh",
// in name order) and, in a step without domains after one with domains, the
// line that removes them. A member of the input-file driver, built and
// written right after the boundary conditions.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"

class aif_ModelInfo;
class kprC_AnalysisStep;

class aif_AdaptiveMeshBuilder : public akw_BuilderComponent {
 public:
  explicit aif_AdaptiveMeshBuilder(akw_ModelInfo& modelInfo);
  aif_AdaptiveMeshBuilder(const aif_AdaptiveMeshBuilder&) = default;

  // Suppressed steps are not written, so they are left out of the walk: the
  // first analysis step is the model's first unsuppressed one (the model
  // adapter's FirstAnalysisStepName), and a step's domains end in the next
  // written step. A model without such a step gets nothing, controls
  // included. A domain whose region no longer resolves is passed over
  // silently (a step whose domains are all passed over has none).
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_AdaptiveMeshBuilder(*this); }

 private:
  // Files the step's valid domains; returns whether it filed one.
  bool AddDomains(const cow_String& stepName, const kprC_AnalysisStep& step);
  aif_ModelInfo& Info() const;
};
