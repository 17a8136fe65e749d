// The OPTIMIZE block of topology and shape tasks.
#include <gtest/gtest.h>

#include "aif/impl/optimization/aif_KestLines.h"
#include "aif/impl/optimization/aif_Optimize.h"
#include "aif_KestTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_kest_test::Context;
using aif_test::KeywordText;

// A constraint on the design response `response`.
kopC_KestConstraint OptimizeConstraintOn(const char* response) {
  kopC_KestConstraint constraint;
  constraint.SetDesignResponse(response);
  return constraint;
}

TEST(aif_Optimize, TopologyTaskNamesItsObjectsExceptSuppressedOnes) {
  hst_ModelBuilder b = aif_kest_test::PlateModel();
  kopC_TopologyTask empty;
  empty.SetAlgorithm(2);
  b.AddTask("Task-1", empty);
  kopC_TopologyTask task;
  kopC_KestObjectiveFunction off;
  off.SetSuppressed(true);
  kopC_FrozenArea frozenOff;
  frozenOff.SetSuppressed(true);
  kopC_KestConstraint constraintOff = OptimizeConstraintOn("Mass");
  constraintOff.SetSuppressed(true);
  task.Add("Task-2", kopC_KestObjectiveFunction()).Add("Obj-B", kopC_KestObjectiveFunction());
  task.Add("Obj-A", off);
  task.Add("Frozen", kopC_FrozenArea()).Add("Frozen-Off", frozenOff);
  task.Add("Sym", kopC_TopologyPlanarSymmetry());
  // A constraint on a suppressed response is named all the same (the
  // constraint builder refuses it; the block names what the task holds).
  kopC_SingleTermDesignResponse responseOff;
  responseOff.SetSuppressed(true);
  task.Add("Mass", kopC_SingleTermDesignResponse()).Add("Mass-Off", responseOff);
  task.Add("Vol", OptimizeConstraintOn("Mass")).Add("Con-Off", constraintOff);
  task.Add("On-Off", OptimizeConstraintOn("Mass-Off"));
  task.SetAlgorithm(1);
  b.AddTask("Task-2", task);

  Context c(b);
  EXPECT_EQ(
      "OPTIMIZE\n  ID_NAME = Task-1\n  DV = Task-1_DESIGN_AREA_\n  STRATEGY = TOPO_SENSITIVITY\n"
      "END_\n",
      KeywordText(aif_Optimize(c.Info(), c.Task())));

  // An objective named like the task is named with its kind.
  Context c2(b, aif_kest_test::Optimization("Task-2"));
  EXPECT_EQ(
      "OPTIMIZE\n  ID_NAME = Task-2\n  DV = Task-2_DESIGN_AREA_\n  OBJ_FUNC = Obj-B\n"
      "  OBJ_FUNC = Task-2_OBJFUNC_\n  DVCON = Frozen\n  DVCON = Sym\n  CONSTRAINT = On-Off\n"
      "  CONSTRAINT = Vol\n"
      "  STRATEGY = TOPO_CONTROLLER\nEND_\n",
      KeywordText(aif_Optimize(c2.Info(), c2.Task("Task-2"))));
}

TEST(aif_Optimize, ShapeTaskNamesItsCheckBlockBeforeConstraintsAndItsSmoothing) {
  hst_ModelBuilder b = aif_kest_test::PlateModel();
  kopC_ShapeTask task;
  task.SetAlgorithm(8);
  task.Add("Fixed", kopC_FixedRegion()).Add("Turn", kopC_TurnControl());
  task.Add("Growth", kopC_Growth()).Add("Stress", OptimizeConstraintOn("Mises"));
  task.Add("Mises", kopC_SingleTermDesignResponse());
  b.AddTask("Task-1", task);
  Context plain(b);
  // Shape links have no DVCON block and are not named.
  EXPECT_EQ(
      "OPTIMIZE\n  ID_NAME = Task-1\n  DV = Task-1_DESIGN_AREA_\n  DVCON = Fixed\n"
      "  DVCON = Growth\n  CONSTRAINT = Stress\n  STRATEGY = SHAPE_SENSITIVITY\nEND_\n",
      KeywordText(aif_Optimize(plain.Info(), plain.Task())));

  task.SetCheckBoundaryConditions(true);
  task.SetSmoothingRegionKind(2);
  task.SetAlgorithm(4);
  b.AddTask("Task-1", task);
  Context c(b);
  EXPECT_EQ(
      "OPTIMIZE\n  ID_NAME = Task-1\n  DV = Task-1_DESIGN_AREA_\n  DVCON = Fixed\n"
      "  DVCON = Growth\n  DVCON = Task-1_CHECK_BC_\n  CONSTRAINT = Stress\n"
      "  STRATEGY = SHAPE_CONTROLLER\n  MESH_SMOOTH = Task-1_MESH_SMOOTH_\nEND_\n",
      KeywordText(aif_Optimize(c.Info(), c.Task())));
  // Another algorithm code writes no strategy word.
  task.SetAlgorithm(3);
  task.SetCheckBoundaryConditions(false);
  task.SetSmoothingRegionKind(0);
  b.AddTask("Task-1", task);
  Context odd(b);
  EXPECT_EQ(
      "OPTIMIZE\n  ID_NAME = Task-1\n  DV = Task-1_DESIGN_AREA_\n  DVCON = Fixed\n"
      "  DVCON = Growth\n  CONSTRAINT = Stress\n  STRATEGY = \nEND_\n",
      KeywordText(aif_Optimize(odd.Info(), odd.Task())));
}

}  // namespace
