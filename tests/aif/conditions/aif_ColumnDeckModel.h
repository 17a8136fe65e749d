// The model under the condition decks: a column of two bricks (nodes 0 to
// 11, four per level) placed twice, Block-1 in place and Block-2 moved by 3
// along x, with the part's node sets Base (nodes 0 to 3) and Top (8 to 11);
// Step-1 and Step-2; the analytical field Gradient (20 + 10 z).
#pragma once

#include <initializer_list>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"

// The set `name` of instance `instance` (1: Block-1, 2: Block-2) over the
// nodes `indices`.
inline rgnC_Region ColumnDeckRegion(const char* name, unsigned instance,
                                    std::initializer_list<int> indices) {
  rgnC_Region region(name, {"Assembly", instance == 1 ? "Block-1" : "Block-2"});
  region.SetKernelInstanceIds({instance});
  region.SetKernelNodeIndices(instance, indices);
  return region;
}

inline hst_ModelBuilder ColumnDeckModel() {
  hst_ModelBuilder b("Model-1");
  b.AddPart("Block", hst_GridMesh(1, 1, 2));
  const auto addSet = [&b](const char* name, unsigned featureId,
                           std::initializer_list<int> indices) {
    rgnC_Region partRegion(name, {"Block"});
    for (int instance : {1, 2})
      partRegion.SetKernelNodeIndices(instance, indices);
    rgnF_Set set(partRegion);
    set.SetId(featureId);
    set.SetName(name);
    set.typeMask = rgnF_Set::kNodeSet;
    b.MutablePart("Block").FeatureList().Add(set);
  };
  addSet("Base", 40, {0, 1, 2, 3});
  addSet("Top", 41, {8, 9, 10, 11});
  b.AddInstance("Block-1", "Block");
  hst_ModelBuilder::InstanceOptions placed;
  placed.transform = gsl_Matrix::Translation(gsl_Vector(3.0, 0.0, 0.0));
  b.AddInstance("Block-2", "Block", placed);
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", kprC_StaticStep());
  kfdC_ExpressionField gradient;
  gradient.constant = 20.0;
  gradient.gradient = {0.0, 0.0, 10.0};
  b.AddAnalyticalField("Gradient", gradient);
  return b;
}
