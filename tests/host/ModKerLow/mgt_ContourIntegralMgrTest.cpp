// The crack-front layer stand-in: one segment per face hit of the front,
// instances in id order; a tip of as many hits pairs them, any other tip
// gives every segment all its nodes; labels or indices; what makes no grid
// or an invalid one.
#include "ModKerLow/mgt_ContourIntegralMgr.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "BasShared/cow_Error.h"
#include "HostModules/hst_ModelBuilder.h"

namespace {

// "id: n n n" per instance, "; " between instances.
std::string LayerText(const cow_Map<int, cow_List<int>>& nodes) {
  std::ostringstream text;
  const char* between = "";
  for (const auto& [id, list] : nodes) {
    text << between << id << ":";
    for (int node : list)
      text << " " << node;
    between = "; ";
  }
  return text.str();
}

// Face hits: element indices per instance id.
gdy_CompositeHitSet LayerHits(std::initializer_list<std::pair<int, cow_List<int>>> hits) {
  gdy_CompositeHitSet set;
  for (const auto& [id, elements] : hits)
    set.faceElements.Set(id, elements);
  return set;
}

}  // namespace

// Block-1 (id 1) and Block-2 (id 2): two bricks each, element 0 over nodes
// 0 to 7, element 1 over 4 to 11.
TEST(mgt_ContourIntegralMgr, SegmentsFromTheFrontsHitsTipsPairedOrWhole) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 2));
  b.AddInstance("Block-1", "Block");
  b.AddInstance("Block-2", "Block");
  const asoK_Assembly& assembly = b.Assembly();

  // Three front hits, instance 2 after instance 1 whatever the order given;
  // three tip hits pair with them.
  const gdy_CompositeHitSet front = LayerHits({{2, {0}}, {1, {1, 0}}});
  auto grid =
      mgt_ContourIntegralMgr::BuildCrackFrontLayers(&assembly, front, LayerHits({{1, {0, 1, 1}}}));
  ASSERT_TRUE(grid && grid->IsValid());
  ASSERT_EQ(grid->NumSegments(), 3);
  EXPECT_EQ(LayerText(grid->FrontNodes(0, true)), "1: 5 6 7 8 9 10 11 12");
  EXPECT_EQ(LayerText(grid->FrontNodes(1, false)), "1: 0 1 2 3 4 5 6 7");
  EXPECT_EQ(LayerText(grid->FrontNodes(2, true)), "2: 1 2 3 4 5 6 7 8");
  EXPECT_EQ(LayerText(grid->TipNodes(0, true)), "1: 1 2 3 4 5 6 7 8");
  EXPECT_EQ(LayerText(grid->TipNodes(2, true)), "1: 5 6 7 8 9 10 11 12");
  EXPECT_THROW(grid->FrontNodes(3, true), cow_OutOfRange);
  EXPECT_THROW(grid->TipNodes(-1, true), cow_OutOfRange);

  // A tip of two hits for three segments: each segment gets all its nodes,
  // once each, per instance.
  grid = mgt_ContourIntegralMgr::BuildCrackFrontLayers(&assembly, front,
                                                       LayerHits({{1, {1}}, {2, {0}}}));
  ASSERT_TRUE(grid && grid->IsValid());
  for (int segment = 0; segment < 3; ++segment)
    EXPECT_EQ(LayerText(grid->TipNodes(segment, true)), "1: 5 6 7 8 9 10 11 12; 2: 1 2 3 4 5 6 7 8")
        << segment;

  // No assembly: no grid. A side without hits, or a hit element its mesh
  // lacks: an invalid grid without segments.
  EXPECT_EQ(mgt_ContourIntegralMgr::BuildCrackFrontLayers(nullptr, front, front), nullptr);
  for (const gdy_CompositeHitSet& tip : {LayerHits({}), LayerHits({{1, {2}}})}) {
    grid = mgt_ContourIntegralMgr::BuildCrackFrontLayers(&assembly, front, tip);
    ASSERT_TRUE(grid);
    EXPECT_FALSE(grid->IsValid());
    EXPECT_EQ(grid->NumSegments(), 0);
  }
}
