// Routines on the id maps the region kernel returns (instance id to node or
// element ids), and the coordinates of a region's nodes.
#pragma once

#include "BasShared/cow_2DArray.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "OdbCoreGeom/rgnC_Region.h"

class ftr_PrimaryObject;
class rgnK_Region;

// Drops the repeated ids of every list of `ids`, in place; the first of each
// stays, in its place. A list without repeats is left as it is (not copied).
// Works over a bitmap of the list's id range when that range is small
// against the list, else over a sorted copy of the ids: no node per member.
void rgnK_GetUniqueIds(cow_Map<int, cow_List<int>>& ids);

// Fills `coordinates` with one row (x, y, z) per node of `region` in
// instance `instanceId`, in the order rgnK_Region::GetNodeIds gives them
// (repeats included): the node's coordinates in `mesh` (the part's mesh,
// untransformed). A node index outside the mesh gives the origin.
void rgnK_GetNodalCoords(const rgnC_Region& region, int instanceId, const bme_Mesh& mesh,
                         cow_2DArray<double>& coordinates);

// The placed coordinates of the nodes of `region` in the assembly
// `assembly`: for each instance the region touches, one row (x, y, z) per
// node id, in the order rgnK_GetUniqueIds leaves the ids GetNodeIds gives
// (with 1000 and `labelsUsable`), each node of the instance's mesh placed by
// the instance's transform (the assembly's own mesh, id 1000, as it is).
// An instance without a mesh (or any instance when `assembly` is null) is
// missing from `table`; a node index outside the mesh gives the placed
// origin. The two flags select kernel variants the stand-in does not tell
// apart. Entries of `table` for other instances are kept.
void rgnK_GetNodalCoords(const rgnK_Region& region, const ftr_PrimaryObject* assembly,
                         bool labelsUsable, bool withMidside, bool activeOnly,
                         cow_Map<int, cow_2DArray<double>>& table);
