// The builders of the parameter file: what each files where, and nothing
// from any of them for a task the model lacks.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "aif/impl/core/aif_Exception.h"
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

namespace {

kopC_CombinedTermDesignResponse KestBuildersCombined(cow_List<cow_String> variables,
                                                     bool suppressed = false) {
  kopC_CombinedTermDesignResponse combined;
  combined.SetVariables(std::move(variables));
  combined.SetSuppressed(suppressed);
  return combined;
}

// The identifiers of the ID_NAME lines of `text`, one a line.
std::string KestBuildersIds(const std::string& text) {
  std::string ids;
  for (std::size_t at = text.find("  ID_NAME = "); at != std::string::npos;
       at = text.find("  ID_NAME = ", at + 1))
    ids += text.substr(at + 12, text.find('\n', at) - at - 12) + "\n";
  return ids;
}

TEST(aif_KestBuilders, CombinedResponsesFollowWhatTheyCombine) {
  hst_ModelBuilder b = aif_kest_test::PlateModel();
  kopC_TopologyTask task;
  kopC_SingleTermDesignResponse off;
  off.SetSuppressed(true);
  task.Add("Single", kopC_SingleTermDesignResponse()).Add("Single-Off", off);
  // A chain against name order: A combines B, B combines C.
  task.Add("A", KestBuildersCombined({"B", "Single"}));
  task.Add("B", KestBuildersCombined({"C"}));
  task.Add("C", KestBuildersCombined({"Single"}));
  // A cycle keeps name order, after what it needs outside the cycle.
  task.Add("X", KestBuildersCombined({"Y"}));
  task.Add("Y", KestBuildersCombined({"X", "Z"}));
  task.Add("Z", KestBuildersCombined({"Single"}));
  // A response that combines a suppressed or missing one gets no block,
  // nor does one that combines it; a suppressed one gets none either.
  task.Add("D", KestBuildersCombined({"Single-Off"}));
  task.Add("E", KestBuildersCombined({"D"}));
  task.Add("F", KestBuildersCombined({"Missing"}));
  task.Add("G", KestBuildersCombined({"Single"}, true));
  b.AddTask("Task-1", task);
  Context c(b);
  aif_DesignResponseBuilder responses(c.Info());
  responses.Build();
  EXPECT_EQ(2u, responses.SingleTermDefinition().Length());  // banner and DRESP
  const std::string combined = aif_test::WrittenText(
      [&](utl_Stream& s) { akw_WriteKeywords(s, responses.CombinedTermDefinition()); });
  EXPECT_EQ("C\nB\nA\nZ\nX\nY\n", KestBuildersIds(combined));
  EXPECT_EQ(0u, combined.find("! ----------------------------------------------------------------\n"
                              "! \n! Design Response: C\n! \nDRESP\n  ID_NAME = C\n"));

  // The objective leaves out terms on responses without a block; the
  // constraint on such a response is left out.
  kopC_KestObjectiveFunction objective;
  kopC_Objective onE;
  onE.SetDesignResponse("E");
  kopC_Objective onA;
  onA.SetDesignResponse("A");
  objective.SetTerms({onE, onA});
  kopC_KestConstraint onD;
  onD.SetDesignResponse("D");
  kopC_KestConstraint onY;
  onY.SetDesignResponse("Y");
  kopC_KestConstraint offConstraint = onY;
  offConstraint.SetSuppressed(true);
  task.Add("Obj", objective).Add("Con-D", onD).Add("Con-Y", onY).Add("Con-Off", offConstraint);
  b.AddTask("Task-1", task);
  Context withObjective(b);
  aif_ObjectiveFunctionBuilder objectives(withObjective.Info());
  EXPECT_EQ(
      "! ----------------------------------------------------------------\n! \n"
      "! Objective Function: Obj\n! \nOBJ_FUNC\n  ID_NAME = Obj\n  DRESP = A, 1.\n"
      "  TARGET = MIN\nEND_\n",
      KestBuilderLists(objectives));
  aif_KestConstraintBuilder constraints(withObjective.Info());
  EXPECT_EQ(
      "! ----------------------------------------------------------------\n! \n"
      "! Constraint: Con-Y\n! \nCONSTRAINT\n  ID_NAME = Con-Y\n  DRESP = Y\n"
      "  MAGNITUDE = ABS\n  LE_VALUE = 0.\nEND_\n",
      KestBuilderLists(constraints));
}

TEST(aif_KestBuilders, ResponsesAndRestrictionsOfOtherKindsAreRefused) {
  hst_ModelBuilder b = aif_kest_test::PlateModel();
  kopC_TopologyTask task;
  kopC_DesignResponse plainOff;
  plainOff.SetSuppressed(true);
  kopC_LoadFixation fixationOff;
  fixationOff.SetSuppressed(true);
  // Suppressed ones are passed over.
  task.Add("Plain-Off", plainOff).Add("Held-Off", fixationOff);
  b.AddTask("Task-1", task);
  Context quiet(b);
  aif_DesignResponseBuilder quietResponses(quiet.Info());
  EXPECT_EQ("", KestBuilderLists(quietResponses));
  aif_GeometricRestrictionBuilder quietRestrictions(quiet.Info());
  EXPECT_EQ("", KestBuilderLists(quietRestrictions));

  task.Add("Plain", kopC_DesignResponse()).Add("Held", kopC_LoadFixation());
  b.AddTask("Task-1", task);
  Context c(b);
  const auto error = [](akw_BuilderComponent&& builder) {
    try {
      builder.Build();
    } catch (const aif_Exception& e) {
      return e.Message().Str();
    }
    return std::string();
  };
  EXPECT_EQ("Unimplemented design response input file writing method for Plain",
            error(aif_DesignResponseBuilder(c.Info())));
  EXPECT_EQ("Unimplemented geometric restriction input file writing method Held",
            error(aif_GeometricRestrictionBuilder(c.Info())));
}

TEST(aif_KestBuilders, RestrictionsGetTheBlocksOfTheirKind) {
  hst_ModelBuilder b = aif_kest_test::PlateModel();
  kopC_TopologyTask task;
  kopC_FrozenArea off;
  off.SetSuppressed(true);
  task.Add("Frozen", kopC_FrozenArea()).Add("Frozen-Off", off);
  task.Add("Half", kopC_TopologyPlanarSymmetry()).Add("Turn", kopC_TurnControl());
  task.Add("Grow", kopC_Growth());
  b.AddTask("Task-1", task);
  Context c(b);
  aif_GeometricRestrictionBuilder restrictions(c.Info());
  const std::string text = KestBuilderLists(restrictions);
  // A symmetry's DVCON_TOPO comes before the LINK_TOPO it names; a shape
  // link gets its LINK_SHAPE alone.
  EXPECT_EQ("Frozen\nGrow\nHalf\nHalf_LINK_\nTurn_LINK_\n", KestBuildersIds(text));
  EXPECT_NE(std::string::npos,
            text.find("! Geometric Restriction: Half\n! \nDVCON_TOPO\n  ID_NAME = Half\n"
                      "  EL_GROUP = ALL_ELEMENTS\n  CHECK_TYPE = LINK_TOPO\n"
                      "  CHECK_LINK = Half_LINK_\nEND_\nLINK_TOPO\n  ID_NAME = Half_LINK_\n"));
  EXPECT_NE(std::string::npos,
            text.find("! Geometric Restriction: Turn\n! \nLINK_SHAPE\n  ID_NAME = Turn_LINK_\n"));
  EXPECT_EQ(std::string::npos, text.find("Frozen-Off"));

  // The link name is printable.
  kopC_TopologyPointSymmetry point;
  task.Add("My Sym", point);
  b.AddTask("Task-1", task);
  Context quoted(b);
  aif_GeometricRestrictionBuilder quotedRestrictions(quoted.Info());
  EXPECT_NE(std::string::npos, KestBuilderLists(quotedRestrictions)
                                   .find("  CHECK_LINK = \"My Sym_LINK_\"\nEND_\nLINK_TOPO\n"
                                         "  ID_NAME = \"My Sym_LINK_\"\n"));
}

}  // namespace
