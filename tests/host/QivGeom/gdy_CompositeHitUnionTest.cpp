#include <gtest/gtest.h>

#include "ModKerLow/rgnK_Region.h"
#include "QivGeom/gdy_CompositeHitSet.h"

TEST(gdy_CompositeHitUnionTest, UnionAndContainmentOverEveryKindOfHit) {
  gdy_CompositeHitSet covered;
  gdy_CompositeHitSet faces;
  faces.faceElements.Set(1, {0, 1});
  faces.faceIds.Set(1, {"S1", "S2"});
  faces.nodeHits.Set(1, {4, 5});
  faces.bodies.Append(7);
  EXPECT_FALSE(covered.ContainsCompositeHitSet(faces));
  covered.AddCompositeHitSet(faces);
  covered.AddCompositeHitSet(faces);  // nothing is held twice
  EXPECT_TRUE(covered.ContainsCompositeHitSet(faces));
  EXPECT_EQ(cow_List<int>({0, 1}), covered.faceElements.Get(1));
  EXPECT_EQ(cow_List<int>({7}), covered.bodies);

  // The same element with another face, a node or a body not held yet.
  gdy_CompositeHitSet otherFace;
  otherFace.faceElements.Set(1, {0});
  otherFace.faceIds.Set(1, {"S3"});
  EXPECT_FALSE(covered.ContainsCompositeHitSet(otherFace));
  gdy_CompositeHitSet node;
  node.nodeHits.Set(1, {6});
  EXPECT_FALSE(covered.ContainsCompositeHitSet(node));
  gdy_CompositeHitSet body;
  body.bodies.Append(8);
  EXPECT_FALSE(covered.ContainsCompositeHitSet(body));
  EXPECT_TRUE(covered.ContainsCompositeHitSet(gdy_CompositeHitSet()));

  covered.AddCompositeHitSet(otherFace);
  EXPECT_EQ(cow_List<int>({0, 1, 0}), covered.faceElements.Get(1));
  EXPECT_EQ(cow_List<cow_String>({"S1", "S2", "S3"}), covered.faceIds.Get(1));
}

TEST(gdy_CompositeHitUnionTest, StoredClashTypesComeBeforeTheDefaults) {
  rgnC_Region top("Top", {"Frame"});
  rgnC_Region side("Side", {"Frame"});
  EXPECT_EQ(0, rgnK_Region(nullptr, "M", top).Clash(rgnK_Region(nullptr, "M", top)));
  EXPECT_EQ(2, rgnK_Region(nullptr, "M", top).Clash(rgnK_Region(nullptr, "M", side)));
  side.SetKernelClash("Top", 4);
  // Stored on either region, asked from either side.
  EXPECT_EQ(4, rgnK_Region(nullptr, "M", side).Clash(rgnK_Region(nullptr, "M", top)));
  EXPECT_EQ(4, rgnK_Region(nullptr, "M", top).Clash(rgnK_Region(nullptr, "M", side)));
}
