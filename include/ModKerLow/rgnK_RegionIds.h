// Routines on the id maps the region kernel returns (instance id to node or
// element ids), and the coordinates of a region's nodes.
#pragma once

#include "BasShared/cow_2DArray.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "OdbCoreGeom/rgnC_Region.h"

// Drops the repeated ids of every list of `ids`; the first of each stays, in
// its place.
void rgnK_GetUniqueIds(cow_Map<int, cow_List<int>>& ids);

// Fills `coordinates` with one row (x, y, z) per node of `region` in
// instance `instanceId`, in the order rgnK_Region::GetNodeIds gives them
// (repeats included): the node's coordinates in `mesh` (the part's mesh,
// untransformed). A node index outside the mesh gives the origin.
void rgnK_GetNodalCoords(const rgnC_Region& region, int instanceId, const bme_Mesh& mesh,
                         cow_2DArray<double>& coordinates);
