// The centroids of a region's elements, in one instance or over the assembly.
#pragma once

#include "BasShared/cow_2DArray.h"
#include "BasShared/cow_Map.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "OdbCoreGeom/rgnC_Region.h"

class ftr_PrimaryObject;
class rgnK_Region;

// Fills `centroids` with one row (x, y, z) per element of `region` in
// instance `instanceId`, in the order rgnK_Region::GetElementIds gives them:
// the mean of the element's node coordinates in `mesh` (the part's mesh,
// untransformed). An element index outside the mesh gives the origin.
void rgnK_GetElementCentroids(const rgnC_Region& region, int instanceId, const bme_Mesh& mesh,
                              cow_2DArray<double>& centroids);

// Element categories of the assembly form: what point of an element entry
// is asked for.
inline constexpr int rgnK_CENTROID_EDGES = 1001;   // shell edges: the edge's midpoint
inline constexpr int rgnK_CENTROID_FACES = 1002;   // surfaces: the face's centroid
inline constexpr int rgnK_CENTROID_BODIES = 1003;  // bodies: the element's centroid

// The placed points of the elements of `region` in the assembly `assembly`:
// for each instance the region touches, one row (x, y, z) per (element, face)
// entry that rgnK_Region::GetElementIds gives with 1000 and `labelsUsable`,
// in its order: for category 1001 the midpoint of the entry's edge, for 1002
// the centroid of the entry's face (the mean of its corner nodes), for 1003
// the element's centroid (the mean of its nodes); each point placed by the
// instance's transform (the assembly's own mesh, id 1000, as it is). Faces
// S1 to S6 of eight-node bricks (C3D8...) and edges E1 to E4 of four-node
// shells (S4...) are known, by the last character of the entry's face name;
// "SPOS", "SNEG", an empty name, an unknown face or element type take the
// element's centroid. An instance without a mesh (or any instance when
// `assembly` is null) is missing from `table`; an element index outside the
// mesh gives the placed origin. The two flags select kernel variants the
// stand-in does not tell apart.
void rgnK_GetElementCentroids(const rgnK_Region& region, const ftr_PrimaryObject* assembly,
                              int category, bool labelsUsable, bool withMidside, bool activeOnly,
                              cow_Map<int, cow_2DArray<double>>& table);
