// DVCON_SHAPE blocks of shape restrictions and of the boundary-condition
// check.
#include <gtest/gtest.h>

#include "aif/impl/optimization/aif_DvconShape.h"
#include "aif/impl/optimization/aif_DvconShapeCheckBC.h"
#include "aif/impl/optimization/aif_KestLines.h"
#include "aif_KestTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_kest_test::Context;
using aif_test::KeywordText;
using aif_test::ThrownText;

rgnC_Region DvconShapeSet(const char* name, int flags = 0) {
  return rgnC_Region(name, {"Plate-1"}, flags);
}

TEST(aif_DvconShape, LinesOfTheFourKinds) {
  Context c(aif_kest_test::PlateModel());
  aif_ModelInfo& info = c.Info();
  kopC_ShapeMemberSize size;
  size.SetRegion(DvconShapeSet("Rib"));
  size.SetSizeMode(1);
  size.SetSize(2.5);
  EXPECT_EQ(
      "DVCON_SHAPE\n  ID_NAME = Size\n  ND_GROUP = Plate-1_Rib\n  CHECK_MAX_MEM = 2.5, CRIT_1\n"
      "  FEASIBLE_START = NO\nEND_\n",
      KeywordText(aif_DvconShape(info, size, "Size")));
  size.SetSizeMode(0);
  size.SetFeasibleStart(true);
  EXPECT_EQ(
      "DVCON_SHAPE\n  ID_NAME = Size\n  ND_GROUP = Plate-1_Rib\n  CHECK_MIN_MEM = 2.5, CRIT_1\n"
      "  FEASIBLE_START = YES\nEND_\n",
      KeywordText(aif_DvconShape(info, size, "Size")));
  size.SetSizeMode(2);  // no size line
  EXPECT_EQ(
      "DVCON_SHAPE\n  ID_NAME = Size\n  ND_GROUP = Plate-1_Rib\n  FEASIBLE_START = YES\nEND_\n",
      KeywordText(aif_DvconShape(info, size, "Size")));

  kopC_FixedRegion fixed;
  fixed.SetFixed1(true);
  fixed.SetFixed3(true);
  EXPECT_EQ(
      "DVCON_SHAPE\n  ID_NAME = Fixed\n  ND_GROUP = ALL_NODES\n  CHECK_DOF = CS_0, FIX, FREE, FIX\n"
      "  FEASIBLE_START = NO\nEND_\n",
      KeywordText(aif_DvconShape(info, fixed, "Fixed")));
  fixed.SetCsys(aif_kest_test::Datum("Csys-1"));
  fixed.SetFixed1(false);
  fixed.SetFixed2(true);
  fixed.SetRegion(DvconShapeSet("Skin", 8));  // no node group
  EXPECT_EQ(
      "DVCON_SHAPE\n  ID_NAME = Fixed\n  CHECK_DOF = Csys-1, FREE, FIX, FIX\n"
      "  FEASIBLE_START = NO\nEND_\n",
      KeywordText(aif_DvconShape(info, fixed, "Fixed")));

  kopC_Growth growth;
  EXPECT_EQ("DVCON_SHAPE\n  ID_NAME = Grow\n  ND_GROUP = ALL_NODES\n  FEASIBLE_START = NO\nEND_\n",
            KeywordText(aif_DvconShape(info, growth, "Grow")));
  growth.SetGrowthLimit(0.5);
  growth.SetShrinkLimit(0.25);
  EXPECT_EQ(
      "DVCON_SHAPE\n  ID_NAME = Grow\n  ND_GROUP = ALL_NODES\n  CHECK_GROW = 0.5\n"
      "  CHECK_SHRINK = 0.25\n  FEASIBLE_START = NO\nEND_\n",
      KeywordText(aif_DvconShape(info, growth, "Grow")));

  kopC_PenetrationCheck penetration;
  penetration.SetPenetratedRegion(DvconShapeSet("Block", 2));
  EXPECT_EQ(
      "DVCON_SHAPE\n  ID_NAME = Pen\n  ND_GROUP = ALL_NODES\n  CHECK_ELGR = Plate-1_Block\n"
      "  FEASIBLE_START = NO\nEND_\n",
      KeywordText(aif_DvconShape(info, penetration, "Pen")));
  penetration.SetPenetratedRegion(DvconShapeSet("Face", 8));
  EXPECT_EQ("DVCON_SHAPE\n  ID_NAME = Pen\n  ND_GROUP = ALL_NODES\n  FEASIBLE_START = NO\nEND_\n",
            KeywordText(aif_DvconShape(info, penetration, "Pen")));

  EXPECT_EQ("Unimplemented dvconshape input file writer method for Turn",
            ThrownText(aif_DvconShape(info, kopC_TurnControl(), "Turn")));
}

TEST(aif_DvconShape, BoundaryConditionCheck) {
  Context c(aif_kest_test::PlateModel());
  aif_ModelInfo& info = c.Info();
  const cow_String name = aif_KestCheckBCName("Task-1");
  EXPECT_EQ(
      "DVCON_SHAPE\n  ID_NAME = Task-1_CHECK_BC_\n  ND_GROUP = Plate-1_Loaded\n"
      "  CHECK_BC = YES\n  FEASIBLE_START = YES\nEND_\n",
      KeywordText(aif_DvconShapeCheckBC(info, true, DvconShapeSet("Loaded"), name)));
  // The suffix only when another kind owns that exact text.
  aif_KestIdName(info, "Task-1_CHECK_BC_X", aif_kKestConstraint);
  EXPECT_EQ(
      "DVCON_SHAPE\n  ID_NAME = Task-1_CHECK_BC_\n  CHECK_BC = YES\n  FEASIBLE_START = NO\nEND_\n",
      KeywordText(aif_DvconShapeCheckBC(info, false, DvconShapeSet("S", 8), name)));
  Context other(aif_kest_test::PlateModel());
  aif_KestIdName(other.Info(), "Task-1_CHECK_BC_", aif_kKestConstraint);
  EXPECT_EQ(
      "DVCON_SHAPE\n  ID_NAME = Task-1_CHECK_BC__GEOMREST_\n  ND_GROUP = ALL_NODES\n"
      "  CHECK_BC = YES\n  FEASIBLE_START = NO\nEND_\n",
      KeywordText(aif_DvconShapeCheckBC(other.Info(), false, rgnC_Region(), name)));
}

}  // namespace
