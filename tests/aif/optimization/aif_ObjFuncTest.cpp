// OBJ_FUNC and CONSTRAINT blocks: their design response references agree
// with the DRESP blocks' identifiers; each names what it is given (the
// builders refuse objects on responses without a block).
#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "aif/impl/optimization/aif_Dresp.h"
#include "aif/impl/optimization/aif_KestConstraint.h"
#include "aif/impl/optimization/aif_KestLines.h"
#include "aif/impl/optimization/aif_ObjFunc.h"
#include "aif_KestTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_kest_test::Context;
using aif_test::KeywordText;

kopC_Objective ObjFuncTerm(const char* response, double first, double second = DBL_MAX,
                           bool excluded = false) {
  kopC_Objective term;
  term.SetDesignResponse(response);
  term.SetFirstValue(first);
  term.SetSecondValue(second);
  term.SetExcluded(excluded);
  return term;
}

// A task "Task-1" of `task`'s kind with the responses "Mass", "Stress", a
// suppressed "Off" and "Both", which combines Mass and Off.
template <class Task>
hst_ModelBuilder ObjFuncModel() {
  hst_ModelBuilder b = aif_kest_test::PlateModel();
  Task task;
  kopC_SingleTermDesignResponse off;
  off.SetSuppressed(true);
  kopC_CombinedTermDesignResponse both;
  both.SetVariables({"Mass", "Off"});
  task.Add("Mass", kopC_SingleTermDesignResponse()).Add("Stress", kopC_SingleTermDesignResponse());
  task.Add("Off", off).Add("Both", both);
  b.AddTask("Task-1", task);
  return b;
}

TEST(aif_ObjFunc, TermsTargetsAndTheSecondValuePerTaskKind) {
  Context topology(ObjFuncModel<kopC_TopologyTask>());
  kopC_KestObjectiveFunction objective;
  objective.SetTerms({ObjFuncTerm("Mass", 1.0), ObjFuncTerm("Stress", 0.5, 0.0),
                      ObjFuncTerm("Mass", 2.0, 3.5), ObjFuncTerm("Stress", 9.0, 1.0, true),
                      ObjFuncTerm("Off", 1.0), ObjFuncTerm("Both", 1.0),
                      ObjFuncTerm("Missing", 1.0)});
  // A second value of 0.0 is left out in a topology task; excluded terms
  // are not named. The block names every other term as it is given, also
  // one without a DRESP block: the objective builder refuses those.
  EXPECT_EQ(
      "OBJ_FUNC\n  ID_NAME = Obj\n  DRESP = Mass, 1.\n  DRESP = Stress, 0.5\n"
      "  DRESP = Mass, 2., 3.5\n  DRESP = Off, 1.\n  DRESP = Both, 1.\n  DRESP = Missing, 1.\n"
      "  TARGET = MIN\nEND_\n",
      KeywordText(aif_ObjFunc(topology.Info(), objective, "Obj", kopC_TopologyTask::kTypeId)));
  Context shape(ObjFuncModel<kopC_ShapeTask>());
  objective.SetTarget(2);
  EXPECT_EQ(
      "OBJ_FUNC\n  ID_NAME = Obj\n  DRESP = Mass, 1.\n  DRESP = Stress, 0.5, 0.\n"
      "  DRESP = Mass, 2., 3.5\n  DRESP = Off, 1.\n  DRESP = Both, 1.\n  DRESP = Missing, 1.\n"
      "  TARGET = MINMAX\nEND_\n",
      KeywordText(aif_ObjFunc(shape.Info(), objective, "Obj", kopC_ShapeTask::kTypeId)));
  // All terms excluded; target 1, and none outside the table.
  objective.SetTerms({ObjFuncTerm("Mass", 1.0, DBL_MAX, true)});
  objective.SetTarget(1);
  EXPECT_EQ("OBJ_FUNC\n  ID_NAME = Obj\n  TARGET = MAX\nEND_\n",
            KeywordText(aif_ObjFunc(shape.Info(), objective, "Obj", kopC_ShapeTask::kTypeId)));
  objective.SetTarget(3);
  EXPECT_EQ("OBJ_FUNC\n  ID_NAME = Obj\nEND_\n",
            KeywordText(aif_ObjFunc(shape.Info(), objective, "Obj", kopC_ShapeTask::kTypeId)));
  // An objective named like a response that wrote its block first.
  objective.SetTerms({ObjFuncTerm("Mass", 1.0)});
  KeywordText(aif_Dresp(shape.Info(), shape.Task().DesignResponses().ConstGet("Mass"), "Mass"));
  EXPECT_EQ("OBJ_FUNC\n  ID_NAME = Mass_OBJFUNC_\n  DRESP = Mass, 1.\nEND_\n",
            KeywordText(aif_ObjFunc(shape.Info(), objective, "Mass", kopC_ShapeTask::kTypeId)));
}

TEST(aif_KestConstraint, RelationsAndTheResponseItsBlockNames) {
  Context c(ObjFuncModel<kopC_TopologyTask>());
  aif_ModelInfo& info = c.Info();
  // The task owns "Task-1": the response of that name is named with its
  // kind's suffix, in its DRESP block and in the constraint alike.
  aif_KestIdName(info, "Task-1", aif_kKestTask);
  kopC_SingleTermDesignResponse response;
  const std::string dresp = KeywordText(aif_Dresp(info, response, "Task-1"));
  EXPECT_EQ(0u, dresp.find("DRESP\n  ID_NAME = Task-1_DRESP_\n"));
  kopC_KestConstraint constraint;
  constraint.SetDesignResponse("Task-1");
  constraint.SetValue(0.3);
  const char* const lines[] = {"ABS\n  EQ_VALUE", "REL\n  EQ_VALUE", "ABS\n  LE_VALUE",
                               "REL\n  LE_VALUE", "ABS\n  GE_VALUE", "REL\n  GE_VALUE"};
  for (int relation = 0; relation < 6; ++relation) {
    constraint.SetRelation(relation);
    EXPECT_EQ("CONSTRAINT\n  ID_NAME = Limit\n  DRESP = Task-1_DRESP_\n  MAGNITUDE = " +
                  std::string(lines[relation]) + " = 0.3\nEND_\n",
              KeywordText(aif_KestConstraint(info, constraint, "Limit")));
  }
  constraint.SetRelation(6);
  EXPECT_EQ("CONSTRAINT\n  ID_NAME = Limit\n  DRESP = Task-1_DRESP_\nEND_\n",
            KeywordText(aif_KestConstraint(info, constraint, "Limit")));
  // The response is asked for first: a constraint named like its new
  // response takes the suffix.
  constraint.SetDesignResponse("Same");
  constraint.SetRelation(3);
  EXPECT_EQ(
      "CONSTRAINT\n  ID_NAME = Same_CONSTRAINT_\n  DRESP = Same\n  MAGNITUDE = REL\n"
      "  LE_VALUE = 0.3\nEND_\n",
      KeywordText(aif_KestConstraint(info, constraint, "Same")));
}

}  // namespace
