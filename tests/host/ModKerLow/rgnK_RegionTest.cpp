// The region kernel stand-in: vertex count and membership.
#include <gtest/gtest.h>

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
