// The region kernel stand-in: vertex count, membership and point sets.
#include <gtest/gtest.h>

#include <string>

#include "ModKerLow/rgnK_Region.h"

TEST(rgnK_Region, VerticesCountOnlyVertexComponentsAndAnyStoredMemberCounts) {
  rgnC_Region region("Recovery", {"Part-1"});
  EXPECT_EQ(rgnK_Region(nullptr, "Model-1", region).NumVertices(), 0);
  EXPECT_FALSE(rgnK_Region(nullptr, "Model-1", region).HasMembers());

  rgnC_GeomComponent vertex, edge, face;
  edge.kind = rgnC_GeomComponent::kEdge;
  face.kind = rgnC_GeomComponent::kFace;
  rgnC_Region edges = region;
  edges.SetKernelComponents({edge, face});
  EXPECT_EQ(rgnK_Region(nullptr, "Model-1", edges).NumVertices(), 0);
  EXPECT_TRUE(rgnK_Region(nullptr, "Model-1", edges).HasMembers());
  rgnC_Region mixed = region;
  mixed.SetKernelComponents({vertex, edge, vertex});
  EXPECT_EQ(rgnK_Region(nullptr, "Model-1", mixed).NumVertices(), 2);

  rgnC_Region nodes = region;
  nodes.SetKernelNodeIndices(1, {});  // an empty list is no member
  EXPECT_FALSE(rgnK_Region(nullptr, "Model-1", nodes).HasMembers());
  nodes.SetKernelNodeIndices(1, {4});
  EXPECT_TRUE(rgnK_Region(nullptr, "Model-1", nodes).HasMembers());
  rgnC_Region elements = region;
  elements.SetKernelElementIndices(1000, {0});
  EXPECT_TRUE(rgnK_Region(nullptr, "Model-1", elements).HasMembers());
}

TEST(rgnK_Region, PointSetsHoldOnlyNodesOrVerticesAndASinglePointIsOneOfThem) {
  auto kinds = [](const rgnC_Region& region) {
    const rgnK_Region kernel(nullptr, "Model-1", region);
    return std::string(kernel.IsPointSet() ? "set" : "-") + (kernel.IsSinglePoint() ? "+one" : "");
  };
  const rgnC_Region empty("Ref", {"Assembly"});
  EXPECT_EQ(kinds(empty), "-");

  rgnC_Region node = empty;
  node.SetKernelNodeIndices(2, {7});
  EXPECT_EQ(kinds(node), "set+one");
  rgnC_Region twoInstances = node;  // one node in each of two instances
  twoInstances.SetKernelNodeIndices(3, {0});
  EXPECT_EQ(kinds(twoInstances), "set");
  rgnC_Region twoNodes = empty;
  twoNodes.SetKernelNodeIndices(2, {0, 1});
  EXPECT_EQ(kinds(twoNodes), "set");

  rgnC_GeomComponent vertex, edge;
  edge.kind = rgnC_GeomComponent::kEdge;
  rgnC_Region oneVertex = empty;
  oneVertex.SetKernelComponents({vertex});
  EXPECT_EQ(kinds(oneVertex), "set+one");
  rgnC_Region vertexAndNode = node;
  vertexAndNode.SetKernelComponents({vertex});
  EXPECT_EQ(kinds(vertexAndNode), "set");
  rgnC_Region withEdge = empty;
  withEdge.SetKernelComponents({vertex, edge});
  EXPECT_EQ(kinds(withEdge), "-");
  rgnC_Region withElement = node;
  withElement.SetKernelElementIndices(2, {0});
  EXPECT_EQ(kinds(withElement), "-");
}

TEST(rgnK_Region, ReferencePointSetsAreNoMeshRegionsAndCountTheirPoints) {
  auto kinds = [](const rgnC_Region& region) {
    const rgnK_Region kernel(nullptr, "Model-1", region);
    return std::string(kernel.IsMeshRegion() ? "mesh" : "-") +
           (kernel.IsRefPointSet() ? "+rp" : "") + (kernel.IsSinglePoint() ? "+one" : "");
  };
  rgnC_Region node("Ref", {"Assembly"});
  node.SetKernelNodeIndices(2, {7});
  EXPECT_EQ(kinds(node), "mesh+one");
  // One point with or without a hit record; two points are no single one.
  rgnC_Region reference("RP", {"Assembly"});
  reference.SetKernelRefPoints({gsl_Point(1.0, 2.0, 3.0)});
  EXPECT_EQ(kinds(reference), "-+rp+one");
  reference.SetKernelRefPoints({std::nullopt});
  EXPECT_EQ(kinds(reference), "-+rp+one");
  reference.SetKernelRefPoints({gsl_Point(), gsl_Point()});
  EXPECT_EQ(kinds(reference), "-+rp");
  cow_List<std::optional<gsl_Point>> records;
  rgnK_Region(nullptr, "Model-1", reference).GetGeomHitRecords(records, false);
  EXPECT_EQ(records.Length(), 2u);
}
