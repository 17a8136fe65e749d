// The region services over the assembly: member ids and faces, the placed
// coordinates of nodes and the edge, face and element points of elements,
// unique ids and node hit sets. Two instances: bricks in place (id 1) and
// shells moved by (10, 20, 30) (id 2).
#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/rgnK_ElementCentroids.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModKerLow/rgnK_RegionIds.h"

namespace {

// Block-1 (id 1): two bricks, node i + 3 j + 6 k at (i, j, k). Sheet-1
// (id 2): shells on nodes 0 1 2 3 and 1 4 5 2 of (0,0,0) (1,0,0) (1,1,0)
// (0,1,0) (2,0,0) (2,1,0), moved by (10, 20, 30).
hst_ModelBuilder RegionPointsModel() {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(2, 1, 1));
  b.AddPart("Sheet", hst_Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 2, 0, 0, 2, 1, 0}, "S4R", 4,
                              {0, 1, 2, 3, 1, 4, 5, 2}));
  b.AddInstance("Block-1", "Block");
  hst_ModelBuilder::InstanceOptions moved;
  moved.transform = gsl_Matrix::Translation(gsl_Vector(10.0, 20.0, 30.0));
  b.AddInstance("Sheet-1", "Sheet", moved);
  return b;
}

rgnC_Region RegionPointsRegion() {
  rgnC_Region region("Mixed", {"Assembly"});
  region.SetKernelNodeIndices(1, {1, 7, 1, 0});
  region.SetKernelNodeIndices(2, {5, 5, 2});
  region.SetKernelNodeIndices(99, {0});  // no such instance
  region.SetKernelElementIndices(1, {0, 1, 0, 0}, {"S3", "SPOS", "S6", "S2"});
  region.SetKernelElementIndices(2, {1, 0, 7}, {"E2", "SNEG", ""});
  return region;
}

void RegionPointsPut(std::ostringstream& out, int member) {
  out << member;
}
void RegionPointsPut(std::ostringstream& out, const cow_String& member) {
  out << member.Str();
}

template <class T>
std::string RegionPointsText(const cow_Map<int, T>& map) {
  std::ostringstream out;
  for (const auto& [id, list] : map) {
    out << id << ":";
    for (const auto& member : list) {
      out << " ";
      RegionPointsPut(out, member);
    }
    out << "\n";
  }
  return out.str();
}

std::string RegionPointsRows(const cow_Map<int, cow_2DArray<double>>& table) {
  std::ostringstream out;
  for (const auto& [id, rows] : table) {
    out << id << ":";
    for (std::size_t r = 0; r < rows.Rows(); ++r)
      out << " (" << rows(r, 0) << " " << rows(r, 1) << " " << rows(r, 2) << ")";
    out << "\n";
  }
  return out.str();
}

TEST(rgnK_AssemblyPoints, IdsFacesAndMeshIndicesPerInstance) {
  const rgnK_Region region(nullptr, "Model-1", RegionPointsRegion());
  cow_Map<int, cow_List<int>> nodes;
  region.GetNodeIds(nodes, 1000, true, false, true);
  EXPECT_EQ(RegionPointsText(nodes), "1: 2 8 2 1\n2: 6 6 3\n99: 1\n");
  rgnK_GetUniqueIds(nodes);
  EXPECT_EQ(RegionPointsText(nodes), "1: 2 8 1\n2: 6 3\n99: 1\n");

  cow_Map<int, cow_List<int>> ids, indices;
  cow_Map<int, cow_List<cow_String>> faces;
  region.GetElementIds(ids, &faces, 1000, true, true);
  EXPECT_EQ(RegionPointsText(ids), "1: 1 2 1 1\n2: 2 1 8\n");
  EXPECT_EQ(RegionPointsText(faces), "1: S3 SPOS S6 S2\n2: E2 SNEG \n");
  ids.Clear();
  region.GetElementIds(ids, indices, 2, false);
  EXPECT_EQ(RegionPointsText(ids), "2: 1 0 7\n");
  EXPECT_EQ(RegionPointsText(indices), "2: 1 0 7\n");
  ids.Clear();
  indices.Clear();
  region.GetElementIds(ids, indices, 1000, true);
  EXPECT_EQ(RegionPointsText(ids), "1: 1 2 1 1\n2: 2 1 8\n");
  EXPECT_EQ(RegionPointsText(indices), "1: 0 1 0 0\n2: 1 0 7\n");

  EXPECT_TRUE(region.HasMeshNodes());
  EXPECT_TRUE(region.HasMeshElements());
  rgnC_Region bare("Bare", {"Assembly"});
  bare.SetKernelNodeIndices(1, {});
  EXPECT_FALSE(rgnK_Region(nullptr, "Model-1", bare).HasMeshNodes());
  EXPECT_FALSE(rgnK_Region(nullptr, "Model-1", bare).HasMeshElements());
  bare.SetKernelElementIndices(2, {0});
  EXPECT_FALSE(rgnK_Region(nullptr, "Model-1", bare).HasMeshNodes());
  EXPECT_TRUE(rgnK_Region(nullptr, "Model-1", bare).HasMeshElements());
}

TEST(rgnK_AssemblyPoints, NodesAndElementPointsArePlacedByTheirInstance) {
  hst_ModelBuilder b = RegionPointsModel();
  const asoK_Assembly& assembly = b.Assembly();
  const rgnK_Region region(&assembly, "Model-1", RegionPointsRegion());

  // One row per unique node; the id without a mesh has none.
  cow_Map<int, cow_2DArray<double>> table;
  rgnK_GetNodalCoords(region, &assembly, true, true, true, table);
  EXPECT_EQ(RegionPointsRows(table), "1: (1 0 0) (1 0 1) (0 0 0)\n2: (12 21 30) (11 21 30)\n");

  // Bricks: S3 is the y = 0 face, S6 the x = 0 face, S2 the z = 1 face.
  // Shells: E2 runs from node 2 to node 3 of the element. An unknown
  // element index is the placed origin.
  table.Clear();
  rgnK_GetElementCentroids(region, &assembly, 1002, true, true, true, table);
  EXPECT_EQ(RegionPointsRows(table),
            "1: (0.5 0 0.5) (1.5 0.5 0.5) (0 0.5 0.5) (0.5 0.5 1)\n"
            "2: (11.5 20.5 30) (10.5 20.5 30) (10 20 30)\n");
  table.Clear();
  rgnK_GetElementCentroids(region, &assembly, 1001, true, true, true, table);
  EXPECT_EQ(RegionPointsRows(table),
            "1: (0.5 0.5 0.5) (1.5 0.5 0.5) (0.5 0.5 0.5) (0.5 0.5 0.5)\n"
            "2: (12 20.5 30) (10.5 20.5 30) (10 20 30)\n");
  table.Clear();
  rgnK_GetElementCentroids(region, &assembly, 1003, false, true, true, table);
  EXPECT_EQ(RegionPointsRows(table),
            "1: (0.5 0.5 0.5) (1.5 0.5 0.5) (0.5 0.5 0.5) (0.5 0.5 0.5)\n"
            "2: (11.5 20.5 30) (10.5 20.5 30) (10 20 30)\n");

  // Without an assembly no instance has points.
  table.Clear();
  rgnK_GetNodalCoords(region, nullptr, true, true, true, table);
  rgnK_GetElementCentroids(region, nullptr, 1003, true, true, true, table);
  EXPECT_TRUE(table.IsEmpty());

  // The per-instance forms stay untransformed element centroids.
  cow_2DArray<double> rows;
  rgnK_GetElementCentroids(RegionPointsRegion(), 2, *assembly.ConstGetFeatureList().ConstGetMesh(2),
                           rows);
  cow_Map<int, cow_2DArray<double>> single;
  single.Set(2, rows);
  EXPECT_EQ(RegionPointsRows(single), "2: (1.5 0.5 0) (0.5 0.5 0) (0 0 0)\n");
}

TEST(rgnK_AssemblyPoints, UniqueIdsKeepFirstOccurrencesWhateverTheirSpread) {
  cow_Map<int, cow_List<int>> ids;
  const cow_List<int> once = {3, 1, 2};
  ids.Set(1, {4, 2, 4, 2, 9});                           // dense
  ids.Set(2, {5, 3, 5, 1000000000, 3, -7, 1000000000});  // sparse
  ids.Set(3, {INT_MAX, INT_MIN, INT_MAX, INT_MIN});      // the whole range
  ids.Set(4, once);                                      // no repeat
  ids.Set(5, {});
  rgnK_GetUniqueIds(ids);
  EXPECT_EQ(RegionPointsText(ids),
            "1: 4 2 9\n2: 5 3 1000000000 -7\n3: 2147483647 -2147483648\n4: 3 1 2\n5:\n");
  EXPECT_TRUE(ids.Get(4).SharesWith(once));  // left as it was, not copied
}

TEST(rgnK_AssemblyPoints, HitSetsIntersectAndAddPerInstance) {
  const rgnK_Region region(nullptr, "Model-1", RegionPointsRegion());
  gdy_CompositeHitSet hits;
  region.GetNodeHits(hits, 1000, true);
  EXPECT_EQ(RegionPointsText(hits.nodeHits), "1: 2 8 1\n2: 6 3\n99: 1\n");
  EXPECT_EQ(hits.HitCount(), 6);
  gdy_CompositeHitSet second;
  region.GetNodeHits(second, 2, false);
  EXPECT_EQ(RegionPointsText(second.nodeHits), "2: 5 2\n");

  gdy_CompositeHitSet other;
  other.nodeHits.Set(1, {8, 4, 2000000000, 2});
  other.nodeHits.Set(3, {1});
  other.nodeHits.Set(99, {});
  gdy_CompositeHitSet dropping = hits;
  dropping.Intersect(other, false);
  EXPECT_EQ(RegionPointsText(dropping.nodeHits), "1: 2 8\n");
  EXPECT_EQ(dropping.HitCount(), 2);
  gdy_CompositeHitSet keeping = hits;
  keeping.Intersect(other, true);
  EXPECT_EQ(RegionPointsText(keeping.nodeHits), "1: 2 8\n2:\n99:\n");

  dropping.Add(other);
  EXPECT_EQ(RegionPointsText(dropping.nodeHits), "1: 2 8 4 2000000000\n3: 1\n99:\n");
  EXPECT_EQ(dropping.HitCount(), 5);
  dropping.Add(dropping);
  EXPECT_EQ(dropping.HitCount(), 5);
  gdy_CompositeHitSet none;
  none.Intersect(hits, true);
  EXPECT_EQ(none.HitCount(), 0);
}

TEST(rgnK_AssemblyPoints, EveryPrimaryObjectAnswersItsSpaceAndTwist) {
  hst_ModelBuilder b;
  b.AddPart("Axi", nullptr, ptoK_DEFORMABLE, ptoK_SPACE_AXISYMMETRIC);
  const ptoK_Part& part = b.MutablePart("Axi");
  EXPECT_TRUE(part.IsSpace(ptoK_SPACE_AXISYMMETRIC));
  EXPECT_EQ(part.GetSpace(), 2002);
  EXPECT_FALSE(part.HasTwistDof());
  asoK_Assembly& assembly = b.Assembly();
  EXPECT_TRUE(assembly.IsSpace(ptoK_SPACE_3D));
  EXPECT_FALSE(assembly.IsSpace(ptoK_SPACE_2D));
  assembly.SetSpace(ptoK_SPACE_AXISYMMETRIC);
  assembly.SetTwistDof(true);
  const ftr_PrimaryObject& object = assembly;
  EXPECT_TRUE(object.IsSpace(2002));
  EXPECT_TRUE(object.HasTwistDof());
}

}  // namespace
