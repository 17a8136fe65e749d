// The mesh kernel's facet mesh: a mesh of the facets of a geometric model,
// made for instances that have no mesh of their own.
#pragma once

#include <memory>

#include "ModKerLow/ptoK_Part.h"
#include "OdbCoreGeom/bme_Mesh.h"

namespace tri_MeshFromFacets {

// The facet mesh of `geometry`, its entities tagged with `featureId`; never
// null. The stand-in has no geometry to facet and always returns an empty
// mesh (no nodes, no elements).
std::shared_ptr<const bme_Mesh> CreateMesh(const ptoK_Part& geometry, unsigned featureId);

}  // namespace tri_MeshFromFacets
