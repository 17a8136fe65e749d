// The centroids of a region's elements in one instance.
#pragma once

#include "BasShared/cow_2DArray.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "OdbCoreGeom/rgnC_Region.h"

// Fills `centroids` with one row (x, y, z) per element of `region` in
// instance `instanceId`, in the order rgnK_Region::GetElementIds gives them:
// the mean of the element's node coordinates in `mesh` (the part's mesh,
// untransformed). An element index outside the mesh gives the origin.
void rgnK_GetElementCentroids(const rgnC_Region& region, int instanceId, const bme_Mesh& mesh,
                              cow_2DArray<double>& centroids);
