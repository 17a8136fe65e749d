#include "ModKerLow/tri_MeshFromFacets.h"

std::shared_ptr<const bme_Mesh> tri_MeshFromFacets::CreateMesh(const ptoK_Part& geometry,
                                                               unsigned featureId) {
  (void)geometry;
  (void)featureId;
  return std::make_shared<const bme_Mesh>();
}
