// STOP blocks: local stop conditions and the global iteration limit.
#include <gtest/gtest.h>

#include "aif/impl/optimization/aif_GlobalStop.h"
#include "aif/impl/optimization/aif_KestLines.h"
#include "aif/impl/optimization/aif_Stop.h"
#include "aif_KestTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_kest_test::Context;
using aif_test::KeywordText;

TEST(aif_Stop, LocalConditionLinesByMeasureComparisonAndReference) {
  Context c(aif_kest_test::PlateModel());
  kopC_LocalStopCondition stop;
  stop.SetQuantity(0);
  stop.SetReferenceValue(0.5);
  EXPECT_EQ(
      "STOP\n  ID_NAME = Stop-1\n  OPTIMIZE = Task-1\n  MOD_NDGR = ALL_NODES\n"
      "  MOD_TYPE = MIN, MOVE\n  MOD_OPER = LT\n  MOD_REF = 0.5, ADD, PREV\nEND_\n",
      KeywordText(aif_Stop(c.Info(), stop, "Stop-1")));
  // An element-only set gives no node group; any base but 0 is FIRST.
  stop.SetRegion(rgnC_Region("Elems", {"Plate-1"}, 2));
  stop.SetMeasureType(3);
  stop.SetQuantity(10);
  stop.SetComparison(4);
  stop.SetReferenceValue(2.0);
  stop.SetReferenceOperation(3);
  stop.SetReferenceBase(7);
  EXPECT_EQ(
      "STOP\n  ID_NAME = Stop-1\n  OPTIMIZE = Task-1\n  MOD_TYPE = COUNT, CTRL_INP_SHAPE_SURFACE\n"
      "  MOD_OPER = GT\n  MOD_REF = 2., DIV, FIRST\nEND_\n",
      KeywordText(aif_Stop(c.Info(), stop, "Stop-1")));
  stop.SetRegion(rgnC_Region("Top", {"Plate-1"}, 4));
  stop.SetMeasureType(1);
  stop.SetQuantity(4);
  stop.SetComparison(2);
  stop.SetReferenceOperation(2);
  EXPECT_EQ(
      "STOP\n  ID_NAME = Stop-1\n  OPTIMIZE = Task-1\n  MOD_NDGR = Plate-1_Top\n"
      "  MOD_TYPE = MAX, MOVE_GROWTH_TOTAL\n  MOD_OPER = EQ\n  MOD_REF = 2., MULT, FIRST\nEND_\n",
      KeywordText(aif_Stop(c.Info(), stop, "Stop-1")));
  // Values outside their tables write no word.
  stop.SetMeasureType(9);
  stop.SetQuantity(11);
  stop.SetComparison(-1);
  stop.SetReferenceOperation(4);
  stop.SetReferenceBase(0);
  EXPECT_EQ(
      "STOP\n  ID_NAME = Stop-1\n  OPTIMIZE = Task-1\n  MOD_NDGR = Plate-1_Top\n"
      "  MOD_TYPE = \n  MOD_OPER = \n  MOD_REF = 2., PREV\nEND_\n",
      KeywordText(aif_Stop(c.Info(), stop, "Stop-1")));
}

TEST(aif_Stop, ConditionNamedLikeTheTaskAfterTheTaskOwnsTheName) {
  Context c(aif_kest_test::PlateModel());
  // OPTIMIZE, written before the stop blocks, names the task first.
  EXPECT_EQ("Task-1", aif_KestIdName(c.Info(), "Task-1", aif_kKestTask).Str());
  kopC_LocalStopCondition stop;
  stop.SetRegion(rgnC_Region("Surf", {"Plate-1"}, 8));
  EXPECT_EQ(
      "STOP\n  ID_NAME = Task-1_STOPCOND_\n  OPTIMIZE = Task-1\n  MOD_TYPE = MIN, MOVE\n"
      "  MOD_OPER = LT\n  MOD_REF = 0., ADD, PREV\nEND_\n",
      KeywordText(aif_Stop(c.Info(), stop, "Task-1")));
}

TEST(aif_Stop, GlobalStopWritesTheIterationLimit) {
  ajbC_Optimization opt = aif_kest_test::Optimization("My Task");
  opt.SetIterationLimit(25);
  Context c(aif_kest_test::PlateModel(), opt);
  EXPECT_EQ("STOP\n  ID_NAME = \"My Task_GLOBAL_STOP_CONDITION_\"\n  ITER_MAX = 25\nEND_\n",
            KeywordText(aif_GlobalStop(c.Info())));
  // Not registered: a stop condition may still take the task name plainly.
  EXPECT_EQ("My Task", aif_KestIdName(c.Info(), "My Task", aif_kKestStopCondition, false).Str());
}

}  // namespace
