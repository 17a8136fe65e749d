#include "QivBasicUtils/omi_BlkBitVect.h"

#include <gtest/gtest.h>

#include <vector>

#include "QivBasicUtils/omi_IntTable.h"

TEST(omi_BlkBitVectTest, RangesAcrossWordsAndPagesAndSparseLabels) {
  omi_BlkBitVect bits;
  EXPECT_TRUE(bits.IsEmpty());
  EXPECT_EQ(-1, bits.Max());
  EXPECT_FALSE(bits.AnyInRange(0, 1000000));

  bits.SetRange(60, 4100);  // crosses words and the first page boundary (4096)
  for (int l : {59, 60, 63, 64, 4095, 4096, 4100, 4101})
    EXPECT_EQ(l >= 60 && l <= 4100, bits.Test(l)) << l;
  EXPECT_EQ(4100, bits.Max());
  EXPECT_FALSE(bits.AnyInRange(0, 59));
  EXPECT_TRUE(bits.AnyInRange(0, 60));
  EXPECT_TRUE(bits.AnyInRange(4100, 9000));
  EXPECT_FALSE(bits.AnyInRange(4101, 9000));

  // A label near the top of the range costs one page, not a bitmap up to it.
  bits.Set(1000000000);
  EXPECT_TRUE(bits.Test(1000000000));
  EXPECT_FALSE(bits.Test(999999999));
  EXPECT_EQ(1000000000, bits.Max());
  EXPECT_TRUE(bits.AnyInRange(999999000, 1000000001));

  omi_BlkBitVect other;
  other.Set(5);
  other.SetRange(8191, 8192);
  bits.Merge(other);
  EXPECT_TRUE(bits.Test(5) && bits.Test(8191) && bits.Test(8192));
  EXPECT_EQ(1000000000, bits.Max());

  bits.Set(-1);  // negative labels are not kept
  EXPECT_FALSE(bits.Test(-1));
  bits.Clear();
  EXPECT_TRUE(bits.IsEmpty());
  EXPECT_FALSE(bits.Test(5));
}

TEST(omi_BlkBitVectTest, RangesInTheLastPageUpToTheLargestLabel) {
  omi_BlkBitVect bits;
  bits.SetRange(2147483640, 2147483647);
  EXPECT_EQ(8u, bits.Count());
  EXPECT_TRUE(bits.AnyInRange(2147483000, 2147483647));
  EXPECT_FALSE(bits.AnyInRange(2147483000, 2147483639));
}

TEST(omi_IntTableTest, NegativeKeysLiveInTheirOwnHalf) {
  omi_IntTable<int> table;
  table.Set(3, 30);
  table.Set(-3, -30);
  table.Set(0, 7);
  ASSERT_NE(nullptr, table.Find(-3));
  EXPECT_EQ(-30, *table.Find(-3));
  EXPECT_EQ(30, *table.Find(3));
  EXPECT_EQ(3u, table.Size());
  EXPECT_EQ(1u, table.NegativeSize());
  EXPECT_FALSE(table.Holds(-4));
  EXPECT_EQ(nullptr, table.Find(4));
  table.Set(-2147483647 - 1, 1);  // the smallest int has a magnitude too
  EXPECT_TRUE(table.Holds(-2147483647 - 1));
}

TEST(omi_BlkBitVectTest, TraversalAscendsAcrossPagesAndCountFollowsChanges) {
  omi_BlkBitVect bits;
  int label = -7;
  omi_BlkBitVectTrav empty(bits);
  EXPECT_FALSE(empty.First(label));
  EXPECT_FALSE(empty.Last(label));
  EXPECT_EQ(-7, label);

  for (int l : {1000000000, 4096, 63, 64, 0, 4096, 8191})
    bits.Set(l);
  bits.SetRange(60, 65);  // 60 to 65, of which 63 and 64 were set already
  EXPECT_EQ(10u, bits.Count());
  std::vector<int> seen;
  omi_BlkBitVectTrav trav(bits);
  for (bool more = trav.First(label); more; more = trav.Next(label))
    seen.push_back(label);
  EXPECT_EQ((std::vector<int>{0, 60, 61, 62, 63, 64, 65, 4096, 8191, 1000000000}), seen);
  ASSERT_TRUE(trav.Last(label));
  EXPECT_EQ(1000000000, label);
  EXPECT_FALSE(trav.Next(label));

  omi_BlkBitVect other;
  other.SetRange(8190, 8192);
  bits.Merge(other);
  EXPECT_EQ(12u, bits.Count());
  EXPECT_EQ(12u, bits.Recount());
  // Memory follows the members: four pages of 512 bytes, whatever the
  // largest label.
  EXPECT_EQ(4u * 512u, bits.PageBytes());
}
