// The builders of the parameter file: what each files where, and nothing
// from any of them for a task the model lacks.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "aif/impl/optimization/aif_CsDefBuilder.h"
#include "aif/impl/optimization/aif_DesignResponseBuilder.h"
#include "aif/impl/optimization/aif_GeometricRestrictionBuilder.h"
#include "aif/impl/optimization/aif_KestConstraintBuilder.h"
#include "aif/impl/optimization/aif_KestOptionBuilder.h"
#include "aif/impl/optimization/aif_ObjectiveFunctionBuilder.h"
#include "aif/impl/optimization/aif_StopConditionBuilder.h"
#include "aif/impl/optimization/aif_TaskBuilder.h"
#include "aif_KestTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_kest_test::Context;

// Every list of `builder` after Build, written one after the other.
std::string KestBuilderLists(akw_BuilderComponent& builder) {
  builder.Build();
  return aif_test::WrittenText([&](utl_Stream& s) {
    akw_WriteKeywords(s, builder.KestOptionDefinition());
    akw_WriteKeywords(s, builder.SingleTermDefinition());
    akw_WriteKeywords(s, builder.CombinedTermDefinition());
    akw_WriteKeywords(s, builder.DesignAreaDefinition());
    akw_WriteKeywords(s, builder.ModelDefinition());
  });
}

// A task holding one object of every kind, with a datum system, under
// "Task-1".
hst_ModelBuilder KestBuildersModel() {
  hst_ModelBuilder b = aif_kest_test::PlateModel();
  kopC_ShapeTask task;
  kopC_SingleTermDesignResponse response;
  response.SetCsys(aif_kest_test::Datum("Csys-1"));
  kopC_FixedRegion fixed;
  fixed.SetCsys(aif_kest_test::Datum("Cyl"));
  task.Add("Resp", response).Add("Obj", kopC_KestObjectiveFunction());
  task.Add("Con", kopC_KestConstraint()).Add("Fixed", fixed);
  task.Add("Stop", kopC_LocalStopCondition());
  task.SetCheckBoundaryConditions(true);
  task.SetSmoothingRegionKind(1);
  b.AddTask("Task-1", task);
  return b;
}

TEST(aif_KestBuilders, NoBuilderFilesAnythingForATaskTheModelLacks) {
  Context c(KestBuildersModel(), aif_kest_test::Optimization("Task-2"));
  aif_ModelInfo& info = c.Info();
  std::unique_ptr<akw_BuilderComponent> builders[] = {
      std::make_unique<aif_KestOptionBuilder>(info),
      std::make_unique<aif_CsDefBuilder>(info),
      std::make_unique<aif_DesignResponseBuilder>(info),
      std::make_unique<aif_ObjectiveFunctionBuilder>(info),
      std::make_unique<aif_KestConstraintBuilder>(info),
      std::make_unique<aif_GeometricRestrictionBuilder>(info),
      std::make_unique<aif_TaskBuilder>(info),
      std::make_unique<aif_StopConditionBuilder>(info),
  };
  for (auto& builder : builders) {
    EXPECT_EQ("", KestBuilderLists(*builder));
    std::unique_ptr<akw_BuilderComponent> clone(builder->Clone());
    EXPECT_EQ("", KestBuilderLists(*clone));
  }
}

TEST(aif_KestBuilders, TaskAndStopBuildersFileTheirBlocksWhereTheyBelong) {
  hst_ModelBuilder b = KestBuildersModel();
  Context c(b);
  aif_TaskBuilder tasks(c.Info());
  tasks.Build();
  EXPECT_EQ(3u, tasks.DesignAreaDefinition().Length());  // banner, DV_SHAPE, MESH_SMOOTH
  // Banner, check, OPTIMIZE, OPT_PARAM, the empty smoothing keyword, STOP.
  EXPECT_EQ(6u, tasks.ModelDefinition().Length());
  EXPECT_EQ(0u, tasks.KestOptionDefinition().Length());

  // A task without stop conditions still gets its global STOP; the stop
  // builder then files nothing.
  kopC_TopologyTask topology;
  b.AddTask("Task-1", topology);
  Context plain(b);
  aif_StopConditionBuilder stops(plain.Info());
  EXPECT_EQ("", KestBuilderLists(stops));
  aif_TaskBuilder topologyTasks(plain.Info());
  const std::string text = KestBuilderLists(topologyTasks);
  EXPECT_NE(std::string::npos, text.find("\nEND_\nSTOP\n  ID_NAME = Task-1_GLOBAL_STOP_CONDITION_\n"
                                         "  ITER_MAX = 50\nEND_\n"));
  EXPECT_EQ(std::string::npos, text.find("DV_SHAPE"));
  EXPECT_EQ(std::string::npos, text.find("DVCON_SHAPE"));
}

}  // namespace
