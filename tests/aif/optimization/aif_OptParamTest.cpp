// OPT_PARAM blocks: the topology task's two forms and the shape task.
#include <gtest/gtest.h>

#include <cfloat>

#include "aif/impl/optimization/aif_OptParam.h"
#include "aif_KestTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_kest_test::Context;
using aif_test::KeywordText;

const char kOptParamHead[] = "OPT_PARAM\n  ID_NAME = Task-1_OPT_PARAM_\n  OPTIMIZE = Task-1\n";

std::string OptParamText(const kopC_Task& task) {
  hst_ModelBuilder b = aif_kest_test::PlateModel();
  b.AddTask("Task-1", task);
  Context c(b);
  return KeywordText(aif_OptParam(c.Info(), c.Task()));
}

TEST(aif_OptParam, TopologyControllerForm) {
  kopC_TopologyTask t;
  EXPECT_EQ(std::string(kOptParamHead) + "  AUTO_FROZEN = OFF\n  SPEED = MODERATE\nEND_\n",
            OptParamText(t));
  // Percentage deletion of exactly 5 writes nothing; 5.5 writes its line.
  t.SetFreezeLoadRegions(true);
  t.SetFreezeBCRegions(true);
  t.SetSpeed(0);
  t.SetFixedIterations(20);
  t.SetStartDeleteMode(1);
  EXPECT_EQ(std::string(kOptParamHead) + "  AUTO_FROZEN = BOTH\n  SPEED = ITER, 20\nEND_\n",
            OptParamText(t));
  t.SetStartDeleteValue(5.5);
  t.SetSpeed(5);
  t.SetSoftDelete(1);
  t.SetSoftDeleteRegion(rgnC_Region("Soft Set", {"Plate-1"}));
  EXPECT_EQ(std::string(kOptParamHead) +
                "  AUTO_FROZEN = BOTH\n  SOFT_DELETE = \"Plate-1_Soft_Set\"\n  SPEED = FAST\n"
                "  START_DELETE = PERS, 5.5\nEND_\n",
            OptParamText(t));
  t.SetFreezeBCRegions(false);
  t.SetSoftDeleteThreshold(0.25);
  t.SetSpeed(1);
  t.SetStartDeleteMode(2);
  t.SetStartDeleteValue(5.0);
  EXPECT_EQ(std::string(kOptParamHead) +
                "  AUTO_FROZEN = LOAD\n  SOFT_DELETE = \"Plate-1_Soft_Set\", 0.25\n"
                "  SPEED = VERY_SLOW\n  START_DELETE = ABS, 5.\nEND_\n",
            OptParamText(t));
  // A surface gives no group and no line; an unknown speed or mode no line.
  t.SetFreezeLoadRegions(false);
  t.SetFreezeBCRegions(true);
  t.SetSoftDeleteRegion(rgnC_Region("Skin", {"Plate-1"}, 8));
  t.SetSpeed(6);
  t.SetStartDeleteMode(3);
  EXPECT_EQ(std::string(kOptParamHead) + "  AUTO_FROZEN = SPC\nEND_\n", OptParamText(t));
  // The switch off, or the whole model as the region: no line either.
  t.SetSoftDeleteRegion(rgnC_Region());
  EXPECT_EQ(std::string(kOptParamHead) + "  AUTO_FROZEN = SPC\nEND_\n", OptParamText(t));
}

TEST(aif_OptParam, TopologySensitivityForm) {
  kopC_TopologyTask t;
  t.SetAlgorithmKind(1);
  const std::string fixed =
      "  DENSITY_INITIAL = 0.5\n  DENSITY_LOWER = 0.001\n  DENSITY_UPPER = 1.\n"
      "  DENSITY_MOVE = 0.25\n";
  const std::string criteria =
      "  STOP_CRITERION_OBJ = 0.001\n  STOP_CRITERION_DENSITY = 0.005\n"
      "  STOP_CRITERION_ITER = 4\n  SUM_Q_FACTOR = 6.\n";
  // Unset filter radius and damping: no lines.
  EXPECT_EQ(std::string(kOptParamHead) + "  AUTO_FROZEN = OFF\n  DENSITY_UPDATE = NORMAL\n" +
                fixed + "  MAT_INTERPOLATION = SIMP\n  MAT_PENALTY = 3.\n" +
                "  STOP_CRITERION_LEVEL = SINGLE\n" + criteria + "END_\n",
            OptParamText(t));
  t.SetDensityUpdate(2);
  t.SetFilterRadius(1.5);
  t.SetMaterialInterpolation(2);
  t.SetStopCriterionLevel(2);
  t.SetStructuralMassDamping(0.1);
  t.SetStructuralStiffnessDamping(0.2);
  t.SetViscousMassDamping(0.3);
  t.SetViscousStiffnessDamping(0.4);
  t.SetTrackedModes(3);
  EXPECT_EQ(std::string(kOptParamHead) + "  AUTO_FROZEN = OFF\n  DENSITY_UPDATE = AGRESSIVE\n" +
                fixed + "  FILTER_RADIUS = 1.5\n  MAT_INTERPOLATION = RAMP\n  MAT_PENALTY = 3.\n" +
                "  STOP_CRITERION_LEVEL = BOTH\n" + criteria +
                "  DAMP_STRUCTURAL_MASS = 0.1\n  DAMP_STRUCTURAL_STIFF = 0.2\n"
                "  DAMP_VISCOUS_MASS = 0.3\n  DAMP_VISCOUS_STIFF = 0.4\n"
                "  MODETRACKING = ON\n  MODENUMBERS = 3\n"
                "END_\n",
            OptParamText(t));
  // Mode tracking on a node region; an unknown interpolation writes no line.
  t.SetDensityUpdate(1);
  t.SetFilterRadius(DBL_MAX);
  t.SetMaterialInterpolation(3);
  t.SetStructuralMassDamping(DBL_MAX);
  t.SetStructuralStiffnessDamping(DBL_MAX);
  t.SetViscousMassDamping(DBL_MAX);
  t.SetViscousStiffnessDamping(DBL_MAX);
  t.SetModeTrackingRegionSwitch(1);
  t.SetModeTrackingRegion(rgnC_Region("Track", {"Plate-1"}, 4));
  EXPECT_EQ(std::string(kOptParamHead) + "  AUTO_FROZEN = OFF\n  DENSITY_UPDATE = CONSERVATIVE\n" +
                fixed + "  MAT_PENALTY = 3.\n  STOP_CRITERION_LEVEL = BOTH\n" + criteria +
                "  MODETRACKING = ON, Plate-1_Track\n  MODENUMBERS = 3\nEND_\n",
            OptParamText(t));
}

TEST(aif_OptParam, ShapeTaskAndOtherTasks) {
  kopC_ShapeTask t;
  EXPECT_EQ(std::string(kOptParamHead) +
                "  SCALE = 1., 1.\n  MID_NODES = LINEAR\n  VECTOR = EVER\n  DISP = MINIMUM\n"
                "  TOL_VALUE = 0.01\nEND_\n",
            OptParamText(t));
  t.SetScale1(0.5);
  t.SetScale2(2.0);
  t.SetMidNodes(1);
  t.SetCurvatureSmoothing(0.3);
  t.SetFilter1(1.0);
  t.SetFilter2(2.0);
  t.SetFilter3(3.0);
  t.SetVectorChoice(1);
  t.SetDisplacementChoice(1);
  t.SetTolerance(1e-05);
  EXPECT_EQ(std::string(kOptParamHead) +
                "  SCALE = 0.5, 2.\n  MID_NODES = INTERPOLATE\n  CURV_SMOOTH = 0.3\n"
                "  FILTER = 1., 2., 3.\n  VECTOR = FIRST\n  DISP = AVERAGE\n"
                "  TOL_VALUE = 1.e-05\nEND_\n",
            OptParamText(t));
  // A task of neither kind: the frame alone.
  EXPECT_EQ(std::string(kOptParamHead) + "END_\n", OptParamText(kopC_Task()));
}

}  // namespace
