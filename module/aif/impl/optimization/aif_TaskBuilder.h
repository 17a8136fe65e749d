// Files the task's own blocks: the design area (DV_TOPO, or DV_SHAPE and
// MESH_SMOOTH) into the design-area definitions; the shape task's
// boundary-condition check, OPTIMIZE, OPT_PARAM and the global STOP into the
// model definitions.
#pragma once

#include "aif/impl/optimization/aif_KestComponent.h"

class aif_TaskBuilder : public aif_KestComponent {
 public:
  explicit aif_TaskBuilder(akw_ModelInfo& modelInfo) : aif_KestComponent(modelInfo) {}
  aif_TaskBuilder(const aif_TaskBuilder&) = default;
  akw_BuilderComponent* Clone() const override { return new aif_TaskBuilder(*this); }

  // Builds nothing when the model has no task of the task name.
  void Build() override;
};
