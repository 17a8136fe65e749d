// The write context the constraint keyword tests name regions in: the
// one-brick part Part-1 placed twice (Part-1-1, Part-1-2), part-based or
// flat.
#pragma once

#include <memory>

#include "HostModules/hst_ModelBuilder.h"
#include "aif/model/aif_MeshTestSupport.h"

struct aif_TwoInstanceContext {
  explicit aif_TwoInstanceContext(bool flat) {
    b.AddPart("Part-1", hst_GridMesh(1, 1, 1));
    b.AddInstance("Part-1-1", "Part-1");
    b.AddInstance("Part-1-2", "Part-1");
    mesh = std::make_unique<aif_test::MeshContext>(b, flat);
  }
  const akw_ModelInfo& Info() const { return *mesh->info; }

  hst_ModelBuilder b;
  std::unique_ptr<aif_test::MeshContext> mesh;
};
