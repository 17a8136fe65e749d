// Files the blocks of the task's geometric restrictions, each after its
// banner, into the model definitions: DVCON_TOPO for frozen areas, member
// sizes and demold controls of a topology task; DVCON_SHAPE for member
// sizes, fixed regions, growth limits and penetration checks of a shape
// task; LINK_SHAPE alone for shape links; for a topology symmetry its
// DVCON_TOPO (which OPTIMIZE names) and then the LINK_TOPO its CHECK_LINK
// names. Link blocks are named "NAME_LINK_". Any other kind, a load
// fixation among them, throws aif_Exception "Unimplemented geometric
// restriction input file writing method NAME".
#pragma once

#include "aif/impl/optimization/aif_KestComponent.h"

class aif_GeometricRestrictionBuilder : public aif_KestComponent {
 public:
  explicit aif_GeometricRestrictionBuilder(akw_ModelInfo& modelInfo)
      : aif_KestComponent(modelInfo) {}
  aif_GeometricRestrictionBuilder(const aif_GeometricRestrictionBuilder&) = default;
  akw_BuilderComponent* Clone() const override {
    return new aif_GeometricRestrictionBuilder(*this);
  }

  // Builds nothing when the model has no task of the task name.
  void Build() override;
};
