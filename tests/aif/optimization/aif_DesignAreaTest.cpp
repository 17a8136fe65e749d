// Design-area blocks: DV_TOPO, DV_SHAPE, MESH_SMOOTH and the empty
// smoothing keyword.
#include <gtest/gtest.h>

#include "aif/impl/optimization/aif_Dvshape.h"
#include "aif/impl/optimization/aif_Dvtopo.h"
#include "aif/impl/optimization/aif_KestSmooth.h"
#include "aif/impl/optimization/aif_MeshSmooth.h"
#include "aif_KestTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_kest_test::Context;
using aif_test::KeywordText;

TEST(aif_DesignArea, DesignVariableGroups) {
  Context c(aif_kest_test::PlateModel());
  EXPECT_EQ("DV_TOPO\n  ID_NAME = Task-1_DESIGN_AREA_\n  EL_GROUP = ALL_ELEMENTS\nEND_\n",
            KeywordText(aif_Dvtopo(c.Info(), rgnC_Region())));
  EXPECT_EQ("DV_TOPO\n  ID_NAME = Task-1_DESIGN_AREA_\n  EL_GROUP = \"Plate-1_Design_Set\"\nEND_\n",
            KeywordText(aif_Dvtopo(c.Info(), rgnC_Region("Design Set", {"Plate-1"}))));
  // A surface gives no element group: the frame and the name alone.
  EXPECT_EQ("DV_TOPO\n  ID_NAME = Task-1_DESIGN_AREA_\nEND_\n",
            KeywordText(aif_Dvtopo(c.Info(), rgnC_Region("Skin", {"Plate-1"}, 8))));
  EXPECT_EQ("DV_SHAPE\n  ID_NAME = Task-1_DESIGN_AREA_\n  ND_GROUP = ALL_NODES\nEND_\n",
            KeywordText(aif_Dvshape(c.Info(), rgnC_Region())));
  EXPECT_EQ("DV_SHAPE\n  ID_NAME = Task-1_DESIGN_AREA_\n  ND_GROUP = Plate-1_Top_NODE\nEND_\n",
            KeywordText(aif_Dvshape(c.Info(), rgnC_Region("Top", {"Plate-1"}, 6))));
  EXPECT_EQ("", KeywordText(aif_KestSmooth(c.Info())));
}

std::string MeshSmoothText(const kopC_Task& task, const char* taskName = "Task-1") {
  hst_ModelBuilder b = aif_kest_test::PlateModel();
  b.AddTask(taskName, task);
  Context c(b, aif_kest_test::Optimization(taskName));
  return KeywordText(aif_MeshSmooth(c.Info(), c.Task(taskName)));
}

TEST(aif_DesignArea, MeshSmoothingByRegionKindStrategyAndQuality) {
  kopC_ShapeTask t;
  EXPECT_EQ("", MeshSmoothText(t));  // region kind 0: no block at all
  EXPECT_EQ("", MeshSmoothText(kopC_TopologyTask()));

  // Element region, constrained Laplacian, quality NOT: no limits.
  t.SetSmoothingRegionKind(1);
  t.SetConvergenceLevel(0);
  t.SetRestrictionLevel(2);
  t.SetQualityList(true);
  EXPECT_EQ(
      "MESH_SMOOTH\n  ID_NAME = \"My Task_MESH_SMOOTH_\"\n  EL_GROUP = ALL_ELEMENTS\n"
      "  FREE_SF = FREE\n  STRATEGY = CONSTRAINED_LAPLACIAN\n  LEVEL_CONV = LOW\n"
      "  LEVEL_DVCON = HIGH\n  LEVEL_QUAL = NOT\n  QUAL_LIST = YES\n  SOLVER_CHECK = NO\n"
      "  SOLVER_STOP = NO\nEND_\n",
      MeshSmoothText(t, "My Task"));

  // Node layers, fixed free surface, local gradient, quality HIGH: limits.
  t.SetSmoothingRegionKind(2);
  t.SetSmoothingNodeRegion(rgnC_Region("Ring", {"Plate-1"}));
  t.SetSmoothingLayers(3);
  t.SetFreeSurfaceMode(0);
  t.SetFixedLayers(2);
  t.SetSmoothingStrategy(1);
  t.SetFeatureRecognition(0.7);
  t.SetQualityLevel(3);
  t.SetQualityList(false);
  t.SetSolverCheck(true);
  t.SetSolverStop(true);
  EXPECT_EQ(
      "MESH_SMOOTH\n  ID_NAME = Task-1_MESH_SMOOTH_\n  MS_LAYER = Plate-1_Ring, 3\n"
      "  FREE_SF = FIX, 2\n  STRATEGY = LOCAL_GRADIENT\n  FEATURE_RECOGNITION = 0.7\n"
      "  LEVEL_QUAL = HIGH\n  QUAL_LIST = NO\n  SOLVER_CHECK = YES\n  SOLVER_STOP = YES\n"
      "  TRIA_LOW_ANGLE = 5.\n  TRIA_HIGH_ANGLE = 170.\n  QUAD_LOW_ANGLE = 5.\n"
      "  QUAD_HIGH_ANGLE = 170.\n  Q4TAPER = 0.5\n  Q4SKEW = 45.\n  TETRA_LOW_ASPECT = 0.\n"
      "  TETRA_HIGH_ASPECT = 100.\n  TETRAAR = 10.\n  T3SKEW = 45.\nEND_\n",
      MeshSmoothText(t));

  // A node region with no node group leaves MS_LAYER out; levels and
  // strategies outside their tables write no line.
  t.SetSmoothingNodeRegion(rgnC_Region("Skin", {"Plate-1"}, 8));
  t.SetFreeSurfaceMode(1);
  t.SetSmoothingStrategy(0);
  t.SetConvergenceLevel(3);
  t.SetRestrictionLevel(1);
  t.SetQualityLevel(1);
  t.SetTriaLowAngle(2.5);
  const std::string limits =
      "  TRIA_LOW_ANGLE = 2.5\n  TRIA_HIGH_ANGLE = 170.\n  QUAD_LOW_ANGLE = 5.\n"
      "  QUAD_HIGH_ANGLE = 170.\n  Q4TAPER = 0.5\n  Q4SKEW = 45.\n  TETRA_LOW_ASPECT = 0.\n"
      "  TETRA_HIGH_ASPECT = 100.\n  TETRAAR = 10.\n  T3SKEW = 45.\n";
  EXPECT_EQ(
      "MESH_SMOOTH\n  ID_NAME = Task-1_MESH_SMOOTH_\n  FREE_SF = FREE\n"
      "  STRATEGY = CONSTRAINED_LAPLACIAN\n  LEVEL_DVCON = MEDIUM\n  LEVEL_QUAL = LOW\n"
      "  QUAL_LIST = NO\n  SOLVER_CHECK = YES\n  SOLVER_STOP = YES\n" +
          limits + "END_\n",
      MeshSmoothText(t));
  t.SetSmoothingStrategy(2);
  t.SetQualityLevel(4);
  EXPECT_EQ(
      "MESH_SMOOTH\n  ID_NAME = Task-1_MESH_SMOOTH_\n  FREE_SF = FREE\n"
      "  QUAL_LIST = NO\n  SOLVER_CHECK = YES\n  SOLVER_STOP = YES\n" +
          limits + "END_\n",
      MeshSmoothText(t));
}

}  // namespace
