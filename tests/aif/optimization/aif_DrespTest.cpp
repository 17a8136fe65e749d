// DRESP blocks of single-term and combined design responses, and the
// numbering of steps and load cases their LC_SET lines carry.
#include <gtest/gtest.h>

#include <string>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/optimization/aif_Dresp.h"
#include "aif/impl/optimization/aif_KestLines.h"
#include "aif_KestTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_kest_test::Context;
using aif_test::KeywordText;
using aif_test::ThrownText;

rgnC_Region DrespSet(const char* name, int flags) {
  return rgnC_Region(name, {"Plate-1"}, flags);
}

kopC_StepOption DrespOption(const char* step, const char* loadCase, bool all = true, int first = 1,
                            int last = 1) {
  kopC_StepOption option;
  option.SetStepName(step);
  option.SetLoadCaseName(loadCase);
  option.SetAll(all);
  option.SetFirst(first);
  option.SetLast(last);
  return option;
}

// The plate after its initial step: Step-1 without load cases, a suppressed
// step, Step-2 with LC-A and LC-B and a suppressed LC-0 (first by name),
// Step-3 whose load cases are all suppressed.
hst_ModelBuilder DrespStepModel() {
  hst_ModelBuilder b = aif_kest_test::PlateModel();
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Off", hst_ModelBuilder::MakeStep<kprC_StaticStep>(true), {"LC-X"});
  kprC_StaticStep two;
  two.AddLoadCase("LC-0", true);
  b.AddStep("Step-2", two, {"LC-A", "LC-B"});
  kprC_StaticStep three;
  three.AddLoadCase("LC-C", true);
  b.AddStep("Step-3", three);
  return b;
}

TEST(aif_Dresp, SingleTermGroupsOperatorsAndSystem) {
  aif_kest_test::KestVariables();
  Context c(aif_kest_test::PlateModel());
  aif_ModelInfo& info = c.Info();
  kopC_SingleTermDesignResponse r;
  r.SetVariableName("ENERGY");
  r.SetRegion(DrespSet("Elems", 2));
  // Flags 4 and 2: the element group alone when it is written, no
  // GROUP_OPER for 2, no CS_REF in the global system, no LC_SEL without
  // step options.
  EXPECT_EQ(
      "DRESP\n  ID_NAME = Energy\n  LIST = NO_LIST\n  DEF_TYPE = SYSTEM\n  TYPE = ENERGY\n"
      "  EL_GROUP = Plate-1_Elems\nEND_\n",
      KeywordText(aif_Dresp(info, r, "Energy")));
  // The node group when the region gives no element group (here one the
  // kernel cannot resolve to elements).
  rgnC_Region nodes = DrespSet("Nodes", 4);
  nodes.SetKernelValid(false);
  r.SetRegion(nodes);
  r.SetGroupOperator(3);
  r.SetCsys(aif_kest_test::Datum("Csys-1"));
  EXPECT_EQ(
      "DRESP\n  ID_NAME = Energy\n  LIST = NO_LIST\n  DEF_TYPE = SYSTEM\n  TYPE = ENERGY\n"
      "  ND_GROUP = Plate-1_Nodes\n  GROUP_OPER = SUM\n  CS_REF = Csys-1\nEND_\n",
      KeywordText(aif_Dresp(info, r, "Energy")));
  // A surface gives neither; flag 8 adds the second region's node group.
  r.SetVariableName("DISP_REL");
  r.SetRegion(DrespSet("Skin", 8));
  r.SetSecondRegion(DrespSet("Tip", 4));
  r.SetGroupOperator(0);
  r.SetCsys(aif_kest_test::Datum("Nowhere"));
  EXPECT_EQ(
      "DRESP\n  ID_NAME = Energy\n  LIST = NO_LIST\n  DEF_TYPE = SYSTEM\n  TYPE = DISP_REL\n"
      "  ND_GROUP = Plate-1_Tip\n  GROUP_OPER = MIN\nEND_\n",
      KeywordText(aif_Dresp(info, r, "Energy")));
  // A variable without flags and an empty name: no group, TYPE left empty;
  // operators 1 and 4, and none outside the table.
  r.SetVariableName("");
  for (const auto& [oper, line] : {std::pair{1, "  GROUP_OPER = MAX\n"},
                                   std::pair{4, "  GROUP_OPER = COUNT\n"}, std::pair{5, ""}}) {
    r.SetGroupOperator(oper);
    EXPECT_EQ("DRESP\n  ID_NAME = Energy\n  LIST = NO_LIST\n  DEF_TYPE = SYSTEM\n  TYPE = \n" +
                  std::string(line) + "END_\n",
              KeywordText(aif_Dresp(info, r, "Energy")));
  }
}

TEST(aif_Dresp, LoadCaseSetsNumberStepsAndLoadCasesInModelOrder) {
  aif_kest_test::KestVariables();
  Context c(DrespStepModel());
  aif_ModelInfo& info = c.Info();
  kopC_SingleTermDesignResponse r;
  r.SetVariableName("MASS");
  r.SetSectionPosition(2);
  r.SetLoadCaseSelection(1);
  kopC_StepOption anyStatic = DrespOption("", "LC-A", false, 5, 9);
  anyStatic.SetAnalysisKind(1);
  r.SetStepOptions({
      // The initial step counts as a whole: 1. Step-1 is 2, the suppressed
      // step takes no number, LC-A and LC-B of Step-2 are 3 and 4 (LC-0 is
      // suppressed), Step-3 counts as a whole: 5.
      DrespOption("Initial", "", false, 5, 5),
      DrespOption("Step-1", ""),
      DrespOption("Step-2", "LC-A"),
      DrespOption("Step-2", "LC-B", false, 2, 7),
      DrespOption("Step-3", ""),
      // Numbered as a whole or per load case, not both; unknown names.
      DrespOption("Step-2", ""),
      DrespOption("Step-1", "LC-A"),
      DrespOption("Step-2", "LC-0"),
      DrespOption("Off", "LC-X"),
      DrespOption("Step-9", ""),
      // No step named: the analysis kind, and ALL whatever the load case.
      anyStatic,
  });
  aif_Dresp dresp(info, r, "Mass");
  EXPECT_EQ(
      "DRESP\n  ID_NAME = Mass\n  LIST = NO_LIST\n  DEF_TYPE = SYSTEM\n  TYPE = MASS\n"
      "  LC_SET = ALL, 1, 5, TOP\n"
      "  LC_SET = ALL, 2, ALL, TOP\n"
      "  LC_SET = ALL, 3, ALL, TOP\n"
      "  LC_SET = ALL, 4, 2-7, TOP\n"
      "  LC_SET = ALL, 5, ALL, TOP\n"
      "  LC_SET = ALL, missing_step_or_load_case, ALL, TOP\n"
      "  LC_SET = ALL, missing_step_or_load_case, ALL, TOP\n"
      "  LC_SET = ALL, missing_step_or_load_case, ALL, TOP\n"
      "  LC_SET = ALL, missing_step_or_load_case, ALL, TOP\n"
      "  LC_SET = ALL, missing_step_or_load_case, ALL, TOP\n"
      "  LC_SET = STATIC, ALL, 5-9, TOP\n"
      "  LC_SEL = MAX\nEND_\n",
      KeywordText(dresp));
  EXPECT_EQ(4u, dresp.LoadCaseNumber("Step-2", "LC-B"));
  EXPECT_EQ(0u, dresp.LoadCaseNumber("Off", ""));

  // The other words of each field; a value outside a table writes nothing.
  const int kinds[] = {0, 2, 3, 4, 7};
  const char* const lines[] = {"ALL, ALL, ALL, MIN", "MODAL, ALL, ALL, MAX",
                               "NONLINEAR, ALL, ALL, MID", "DAMAGE, ALL, ALL, BOT", ", ALL, ALL"};
  const char* const selections[] = {"MIN", "SUM", nullptr, nullptr, nullptr};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    kopC_StepOption option = DrespOption("", "");
    option.SetAnalysisKind(kinds[i]);
    r.SetStepOptions({option});
    r.SetSectionPosition(i == 4 ? 5 : i == 2 ? 3 : i == 3 ? 4 : i);
    r.SetLoadCaseSelection(i == 0 ? 0 : i == 1 ? 2 : 3);
    std::string expected =
        "DRESP\n  ID_NAME = Mass\n  LIST = NO_LIST\n  DEF_TYPE = SYSTEM\n"
        "  TYPE = MASS\n  LC_SET = " +
        std::string(lines[i]) + "\n";
    if (selections[i]) expected += "  LC_SEL = " + std::string(selections[i]) + "\n";
    EXPECT_EQ(expected + "END_\n", KeywordText(aif_Dresp(info, r, "Mass")));
  }
}

TEST(aif_Dresp, CombinedTermOperatorsAndOperands) {
  Context c(aif_kest_test::PlateModel());
  aif_ModelInfo& info = c.Info();
  // "Task-1" is the task's: as an operand it is named with the response
  // kind's suffix, as the DRESP block of that response names itself.
  aif_KestIdName(info, "Task-1", aif_kKestTask);
  kopC_CombinedTermDesignResponse r;
  r.SetVariables({"A", "B", "Task-1", "D", "E"});
  EXPECT_EQ(
      "DRESP\n  ID_NAME = Sum\n  LIST = NO_LIST\n  DEF_TYPE = OPER\n  VAR_OPER = ADD\n"
      "  VAR_A = A\n  VAR_B = B\n  VAR_C = Task-1_DRESP_\n  VAR_D = D\nEND_\n",
      KeywordText(aif_Dresp(info, r, "Sum")));
  r.SetOperator(6);
  r.SetWeights({1.0, 0.5, 2.0, 0.25, 3.0});
  EXPECT_EQ(
      "DRESP\n  ID_NAME = Sum\n  LIST = NO_LIST\n  DEF_TYPE = OPER\n  VAR_OPER = COMBINE\n"
      "  VARIABLE = A, 1.\n  VARIABLE = B, 0.5\n  VARIABLE = Task-1_DRESP_, 2.\n"
      "  VARIABLE = D, 0.25\n  VARIABLE = E, 3.\nEND_\n",
      KeywordText(aif_Dresp(info, r, "Sum")));
  r.SetOperator(21);
  r.SetRadius(1.5);
  r.SetExponent(2.0);
  r.SetSigma(0.1);
  r.SetVariables({"A"});
  EXPECT_EQ(
      "DRESP\n  ID_NAME = Sum\n  LIST = NO_LIST\n  DEF_TYPE = OPER\n  VAR_OPER = FILTER\n"
      "  RADIUS = 1.5\n  EXPONENT = 2.\n  SIGMA = 0.1\n  VAR_A = A\nEND_\n",
      KeywordText(aif_Dresp(info, r, "Sum")));
  r.SetOperator(22);
  r.SetCutOffLow(-1.0);
  r.SetCutOffHigh(4.0);
  r.SetVariables({"A", "B"});
  EXPECT_EQ(
      "DRESP\n  ID_NAME = Sum\n  LIST = NO_LIST\n  DEF_TYPE = OPER\n  VAR_OPER = CUT_OFF\n"
      "  CUT_OFF_LOW = -1.\n  CUT_OFF_HIGH = 4.\n  VAR_A = A\n  VAR_B = B\nEND_\n",
      KeywordText(aif_Dresp(info, r, "Sum")));
  // The last word of the table, and none beyond it.
  r.SetOperator(30);
  EXPECT_EQ(
      "DRESP\n  ID_NAME = Sum\n  LIST = NO_LIST\n  DEF_TYPE = OPER\n  VAR_OPER = NORM_FIRST\n"
      "  VAR_A = A\n  VAR_B = B\nEND_\n",
      KeywordText(aif_Dresp(info, r, "Sum")));
  r.SetOperator(31);
  EXPECT_EQ(
      "DRESP\n  ID_NAME = Sum\n  LIST = NO_LIST\n  DEF_TYPE = OPER\n  VAR_A = A\n  VAR_B = B\n"
      "END_\n",
      KeywordText(aif_Dresp(info, r, "Sum")));
}

TEST(aif_Dresp, FailuresComeBeforeTheBlock) {
  Context c(aif_kest_test::PlateModel());
  kopC_CombinedTermDesignResponse r;
  r.SetOperator(6);
  r.SetVariables({"A", "B"});
  r.SetWeights({1.0});
  EXPECT_EQ("The combined design response Sum has fewer weights than variables.",
            ThrownText(aif_Dresp(c.Info(), r, "Sum")));
  // Fewer weights are refused for COMBINE only.
  r.SetOperator(1);
  EXPECT_EQ("", ThrownText(aif_Dresp(c.Info(), r, "Sum")));
  EXPECT_EQ("Unimplemented design response for Plain",
            ThrownText(aif_Dresp(c.Info(), kopC_DesignResponse(), "Plain")));
}

}  // namespace
