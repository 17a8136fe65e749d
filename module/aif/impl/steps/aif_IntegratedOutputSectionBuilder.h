// Files the model's integrated output sections into the assembly definition:
// the banner "INTEGRATED OUTPUT SECTIONS" and one "*Integrated Output
// Section" (aif_IntegratedOutputSection) per section, in name order; only when
// the job's analysis product is the one that reads them (1). A member of the
// input-file driver.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"

class aif_IntegratedOutputSectionBuilder : public akw_BuilderComponent {
 public:
  explicit aif_IntegratedOutputSectionBuilder(akw_ModelInfo& modelInfo)
      : akw_BuilderComponent(modelInfo) {}
  aif_IntegratedOutputSectionBuilder(const aif_IntegratedOutputSectionBuilder&) = default;

  // No banner without a section. A section's surface is named by the set or
  // surface that stands for it in the assembly; its reference node by its
  // qualified name, or not at all when it has none or its region no longer
  // resolves in the assembly (an instance suppressed).
  void Build() override;
  akw_BuilderComponent* Clone() const override {
    return new aif_IntegratedOutputSectionBuilder(*this);
  }
};
