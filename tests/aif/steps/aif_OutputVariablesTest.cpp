// The output variable keywords: the request's variables sifted through the
// request table to each keyword's own, the keyword line's options, the
// variable option or the names (eight a line for nodes, sixteen for the
// others), and when a keyword writes nothing.
#include <map>
#include <string>
#include <vector>

#include "OdbAttrEO/korC_OdbRequestTable.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/thr_ThreadSingleton.h"
#include "aif/impl/steps/aif_ContactOutput.h"
#include "aif/impl/steps/aif_ElementOutput.h"
#include "aif/impl/steps/aif_EnergyOutput.h"
#include "aif/impl/steps/aif_FastenerSetOutput.h"
#include "aif/impl/steps/aif_IncrementationOutput.h"
#include "aif/impl/steps/aif_IntegratedOutput.h"
#include "aif/impl/steps/aif_ModalOutput.h"
#include "aif/impl/steps/aif_NodeOutput.h"
#include "aif/impl/steps/aif_RadiationOutput.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_test::KeywordText;

const unsigned kVariablesStatic = kprC_StaticStep::kTypeId;
const unsigned kVariablesExplicit = kprC_ExplicitDynamicsStep::kTypeId;
const unsigned kVariablesFlow = kprC_FlowStep::kTypeId;

korC_OdbRequestTable& VariablesTable() {
  return thr_ThreadSingleton<korC_OdbRequestTable>::Instance();
}

// Every test starts and ends with the table's built-in content.
class aif_OutputVariablesTest : public ::testing::Test {
 protected:
  void SetUp() override { VariablesTable().Reset(); }
  void TearDown() override { VariablesTable().Reset(); }
};

korC_OdbRequest VariablesRequest(cow_List<cow_String> variables) {
  korC_OdbRequest request;
  request.variables = std::move(variables);
  return request;
}

std::string NodeText(const korC_OdbRequest& request, const char* set = "", bool preselect = false,
                     bool all = false, bool omit = true) {
  return KeywordText(
      aif_NodeOutput(korC_OdbChannel(true), request, kVariablesStatic, set, preselect, all, omit));
}

std::string ElementText(const korC_OdbRequest& request, bool field = true,
                        unsigned procedure = kVariablesStatic, const char* set = "",
                        bool rebar = false, bool preselect = false, bool all = false) {
  return KeywordText(
      aif_ElementOutput(korC_OdbChannel(field), request, procedure, set, preselect, all, rebar));
}

TEST_F(aif_OutputVariablesTest, NodeOutputEightNamesALine) {
  EXPECT_EQ(NodeText(VariablesRequest({"U"})), "*Node Output\nU, \n");
  // Components are written as themselves, NT through its name map; element
  // variables, unknown names and repeats are dropped.
  EXPECT_EQ(NodeText(VariablesRequest(
                {"U", "V", "A", "S", "RF", "CF", "NT", "XYZ", "RT", "COORD", "U1", "RF2", "U"})),
            "*Node Output\nU, V, A, RF, CF, NT11, RT, COORD\nU1, RF2\n");
  EXPECT_EQ(NodeText(VariablesRequest({"U", "V", "A", "RF", "CF", "NT", "RT", "COORD"})),
            "*Node Output\nU, V, A, RF, CF, NT11, RT, COORD\n");

  korC_OdbRequest local = VariablesRequest({"U", "RF"});
  local.globalOutput = false;
  EXPECT_EQ(NodeText(local, "Part-1-1.Set 1"),
            "*Node Output, global=NO, nset=Part-1-1.\"Set 1\"\nU, RF\n");
  // Preselect wins over all; no names follow either.
  EXPECT_EQ(NodeText(local, "Set-1", true, true),
            "*Node Output, global=NO, nset=Set-1, variable=PRESELECT\n");
  EXPECT_EQ(NodeText(VariablesRequest({}), "", false, true), "*Node Output, variable=ALL\n");

  // No node variable: nothing, unless the keyword is kept for a mode list.
  EXPECT_EQ(NodeText(VariablesRequest({"S", "XYZ"})), "");
  EXPECT_EQ(NodeText(VariablesRequest({"S"}), "", false, false, false), "*Node Output\n");

  // A line that would pass the longest line the solver reads goes on after
  // the comma before the option.
  const std::string longSet(250, 'N');
  EXPECT_EQ(NodeText(VariablesRequest({"U"}), longSet.c_str()),
            "*Node Output, \nnset=" + longSet + "\nU, \n");
}

TEST_F(aif_OutputVariablesTest, TableContentSetByTests) {
  // A variable with a name map for its spellings, a component of it, and a
  // variable known in one procedure only.
  korC_OdbRequestSpec flux;
  flux.position = 1;
  flux.nameMap.Set("HFL", "HFLA");
  flux.nameMap.Set("HFL1", "HFLA1");
  VariablesTable().RegisterVariable("HFL", flux);
  VariablesTable().RegisterComponent("HFL1", "HFL");
  korC_OdbRequestSpec onlyExplicit;
  onlyExplicit.position = 1;
  VariablesTable().RegisterVariable("EDOT", onlyExplicit, {kVariablesExplicit});

  const korC_OdbRequest request = VariablesRequest({"HFL1", "HFL", "EDOT"});
  EXPECT_EQ(ElementText(request), "*Element Output, directions=YES\nHFLA1, HFLA\n");
  EXPECT_EQ(ElementText(request, false, kVariablesExplicit),
            "*Element Output\nHFLA1, HFLA, EDOT\n");

  // Reset restores the built-in content: HFL written as itself, HFL1 and
  // EDOT unknown.
  VariablesTable().Reset();
  EXPECT_EQ(ElementText(request, false, kVariablesExplicit), "*Element Output\nHFL, \n");
}

TEST_F(aif_OutputVariablesTest, ElementOutputSixteenNamesALine) {
  EXPECT_EQ(ElementText(VariablesRequest(
                {"S", "E", "PE", "PEEQ", "LE", "SF", "SE", "TEMP", "HFL", "EVOL", "U"})),
            "*Element Output, directions=YES\nS, E, PE, PEEQ, LE, SF, SE, TEMP, HFL, EVOL\n");
  // The equivalent plastic strain goes with the plastic strain.
  EXPECT_EQ(ElementText(VariablesRequest({"PE"})), "*Element Output, directions=YES\nPE, PEEQ\n");
  korC_OdbRequest seventeen;
  for (const char* name : {"S11", "S22", "S33", "S12", "S13", "S23", "S", "E", "PE", "LE", "SF",
                           "SE", "TEMP", "HFL", "EVOL", "ENER"})
    seventeen.variables.Append(name);
  EXPECT_EQ(ElementText(seventeen),
            "*Element Output, directions=YES\n"
            "S11, S22, S33, S12, S13, S23, S, E, PE, LE, SF, SE, TEMP, HFL, EVOL, ENER\n"
            "PEEQ\n");

  // History output and flow procedures carry no directions; NO when the
  // request asks for none.
  EXPECT_EQ(ElementText(VariablesRequest({"S"}), false), "*Element Output\nS, \n");
  EXPECT_EQ(ElementText(VariablesRequest({"S"}), true, kVariablesFlow), "*Element Output\nS, \n");
  korC_OdbRequest noDirections = VariablesRequest({"S"});
  noDirections.directions = false;
  EXPECT_EQ(ElementText(noDirections, true, kVariablesStatic, "Inst-1.Set-1"),
            "*Element Output, elset=Inst-1.Set-1, directions=NO\nS, \n");

  // Section points, sixteen a line, before the names or after the variable
  // option.
  korC_OdbRequest points = VariablesRequest({"S"});
  points.sectionPoints = {1, 5};
  EXPECT_EQ(ElementText(points), "*Element Output, directions=YES\n1, 5\nS, \n");
  EXPECT_EQ(ElementText(points, true, kVariablesStatic, "", false, true),
            "*Element Output, directions=YES, variable=PRESELECT\n1, 5\n");
  points.sectionPoints.Clear();
  for (int i = 1; i <= 17; ++i)
    points.sectionPoints.Append(i);
  EXPECT_EQ(ElementText(points, false),
            "*Element Output\n1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16\n17\nS, \n");

  EXPECT_EQ(ElementText(VariablesRequest({"U", "ALLIE", "XYZ"})), "");
  EXPECT_EQ(ElementText(VariablesRequest({}), true, kVariablesStatic, "", false, false, true),
            "*Element Output, directions=YES, variable=ALL\n");
}

TEST_F(aif_OutputVariablesTest, ElementOutputRebarContactAndSharedVariables) {
  // Rebar-only variables need the rebar form, which writes a component's
  // variable in its place.
  const korC_OdbRequest rebar = VariablesRequest({"RBFOR", "S11", "S22"});
  EXPECT_EQ(ElementText(rebar), "*Element Output, directions=YES\nS11, S22\n");
  EXPECT_EQ(ElementText(rebar, true, kVariablesStatic, "Set-1", true),
            "*Element Output, elset=Set-1, rebar, directions=YES\nRBFOR, S\n");

  // Contact status asked for by name, outside an interaction, and energy
  // density, which element output carries too.
  VariablesTable().RegisterComponent("CSTATUS1", "CSTATUS");
  korC_OdbRequest contact = VariablesRequest({"CSTATUS", "CSTATUS1", "ENER", "CSTRESS"});
  EXPECT_EQ(ElementText(contact, false), "*Element Output\nCSTATUS, ENER\n");
  contact.interactionNames = {"Int-1"};
  EXPECT_EQ(ElementText(contact, false), "*Element Output\nENER, \n");
}

TEST_F(aif_OutputVariablesTest, IntegratedOutputInExplicitProceduresOnly) {
  korC_OdbRequest request = VariablesRequest({"SOF", "S", "SOM", "IVOL"});
  request.integratedOutputSectionName = "Section 1";
  auto text = [](const korC_OdbRequest& r, unsigned procedure, const char* set,
                 bool preselect = false) {
    return KeywordText(aif_IntegratedOutput(r, procedure, preselect, false, set));
  };
  EXPECT_EQ(text(request, kVariablesExplicit, ""),
            "*Integrated Output, section=\"Section 1\"\nSOF, SOM\n");
  EXPECT_EQ(text(request, kVariablesExplicit, "Inst-1.My set"),
            "*Integrated Output, elset=Inst-1.\"My set\"\nIVOL, \n");
  EXPECT_EQ(text(request, kVariablesExplicit, "", true),
            "*Integrated Output, section=\"Section 1\", variable=PRESELECT\n");
  EXPECT_EQ(text(request, kVariablesStatic, ""), "");
  EXPECT_EQ(text(request, kVariablesStatic, "Set-1", true), "");
  // Neither a section nor a set; no integrated variable.
  request.integratedOutputSectionName = cow_String();
  EXPECT_EQ(text(request, kVariablesExplicit, "", true), "");
  EXPECT_EQ(text(VariablesRequest({"S", "SOF"}), kVariablesExplicit, "Set-1"), "");
}

TEST_F(aif_OutputVariablesTest, ModalEnergyIncrementationAndRadiationOutput) {
  EXPECT_EQ(KeywordText(aif_ModalOutput(VariablesRequest({}), kVariablesStatic, true)),
            "*Modal Output, variable=ALL\n");
  EXPECT_EQ(
      KeywordText(aif_ModalOutput(VariablesRequest({"GU", "U", "GV"}), kVariablesStatic, false)),
      "*Modal Output\nGU, GV\n");
  EXPECT_EQ(KeywordText(aif_ModalOutput(VariablesRequest({"U"}), kVariablesStatic, false)), "");

  const korC_OdbRequest energy = VariablesRequest({"ALLIE", "S", "ALLKE", "ENER"});
  EXPECT_EQ(KeywordText(aif_EnergyOutput(energy, kVariablesStatic, "My set", false, false)),
            "*Energy Output, elset=\"My set\"\nALLIE, ALLKE, ENER\n");
  EXPECT_EQ(KeywordText(aif_EnergyOutput(energy, kVariablesStatic, "", true, false)),
            "*Energy Output, variable=PRESELECT\n");
  EXPECT_EQ(KeywordText(
                aif_EnergyOutput(VariablesRequest({"S"}), kVariablesStatic, "Set-1", false, false)),
            "");

  EXPECT_EQ(KeywordText(aif_IncrementationOutput(VariablesRequest({"DMASS", "U"}),
                                                 kVariablesExplicit, false, false)),
            "*Incrementation Output\nDMASS, \n");
  EXPECT_EQ(
      KeywordText(aif_IncrementationOutput(VariablesRequest({}), kVariablesExplicit, false, true)),
      "*Incrementation Output, variable=ALL\n");
  EXPECT_EQ(KeywordText(aif_IncrementationOutput(VariablesRequest({"U"}), kVariablesExplicit, false,
                                                 false)),
            "");

  EXPECT_EQ(KeywordText(aif_RadiationOutput(VariablesRequest({}), kVariablesStatic, "Set-1", true)),
            "*Radiation Output, elset=Set-1, variable=ALL\n");
  EXPECT_EQ(KeywordText(aif_RadiationOutput(VariablesRequest({"RADFL"}), kVariablesStatic,
                                            "Cavity set", false)),
            "*Radiation Output, elset=\"Cavity set\"\nRADFL, \n");
  EXPECT_EQ(KeywordText(aif_RadiationOutput(VariablesRequest({"S"}), kVariablesStatic, "", false)),
            "");
}

TEST_F(aif_OutputVariablesTest, ContactOutputNames) {
  korC_OdbRequest request = VariablesRequest({"CSTRESS", "S", "CSTATUS"});
  auto text = [](const korC_OdbRequest& r, unsigned procedure, const char* main,
                 const char* secondary, const char* pairSet, bool useRegion) {
    return KeywordText(aif_ContactOutput(r, procedure, false, false, main, secondary, pairSet,
                                         "Inst-1.Region-1", useRegion));
  };
  // A contact pair: its surfaces; a pair set: its printable name.
  EXPECT_EQ(text(request, kVariablesStatic, "Inst-1.Top", "Inst-2.Bottom", "", false),
            "*Contact Output, master=Inst-1.Top, slave=Inst-2.Bottom\nCSTRESS, CSTATUS\n");
  EXPECT_EQ(text(request, kVariablesExplicit, "", "", "General contact", false),
            "*Contact Output, cpset=\"General contact\"\nCSTRESS, CSTATUS\n");

  // A named node region, then a surface region: in implicit procedures, and
  // in explicit ones only when asked to.
  request.region = rgnC_Region("Region-1", {"Assembly", "Inst-1"});
  EXPECT_EQ(text(request, kVariablesStatic, "", "", "", false),
            "*Contact Output, nset=Inst-1.Region-1\nCSTRESS, CSTATUS\n");
  EXPECT_EQ(text(request, kVariablesExplicit, "", "", "", false),
            "*Contact Output\nCSTRESS, CSTATUS\n");
  request.region = rgnC_Region("Region-1", {"Assembly", "Inst-1"}, aif_ContactOutput::kSurfaceKind);
  EXPECT_EQ(text(request, kVariablesExplicit, "A", "B", "P", true),
            "*Contact Output, master=A, slave=B, cpset=P, surface=Inst-1.Region-1\n"
            "CSTRESS, CSTATUS\n");

  EXPECT_EQ(KeywordText(aif_ContactOutput(VariablesRequest({}), kVariablesStatic, true, true, "",
                                          "", "", "", false)),
            "*Contact Output, variable=PRESELECT\n");
  EXPECT_EQ(text(VariablesRequest({"S", "U"}), kVariablesStatic, "A", "B", "", false), "");
}

// A keyword says it is empty exactly when it writes nothing, so that the
// builder writes an "*Output" only before a keyword that writes a line. Each
// keyword meets both answers among the cases.
TEST_F(aif_OutputVariablesTest, IsEmptyExactlyWhenNothingIsWritten) {
  const std::vector<cow_List<cow_String>> lists = {
      {}, {"U"}, {"S"}, {"ALLIE", "ALLKE"}, {"GU"}, {"DMASS"}, {"CSTRESS"}, {"RADFL"}, {"SOF"},
      {"IVOL"}, {"NOSUCH"}};
  std::map<std::string, std::pair<int, int>> seen;  // keyword: empty, written
  auto check = [&](const std::string& name, const akw_Keyword& keyword, const std::string& where) {
    const std::string text = KeywordText(keyword);
    EXPECT_EQ(keyword.IsEmpty(), text.empty()) << name << " " << where << ": " << text;
    (text.empty() ? seen[name].first : seen[name].second)++;
  };
  for (const cow_List<cow_String>& list : lists)
    for (unsigned procedure : {kVariablesStatic, kVariablesExplicit, kVariablesFlow})
      for (int selection = 0; selection < 3; ++selection) {
        korC_OdbRequest request = VariablesRequest(list);
        request.integratedOutputSectionName = "Section-1";
        const bool preselect = selection == 1;
        const bool all = selection == 2;
        std::string where = std::to_string(procedure) + "/" + std::to_string(selection) + "/";
        for (const cow_String& name : list)
          where += name.Str() + " ";
        for (bool field : {true, false}) {
          const korC_OdbChannel channel(field);
          check("node", aif_NodeOutput(channel, request, procedure, "", preselect, all, true),
                where);
          check("element", aif_ElementOutput(channel, request, procedure, "", preselect, all, false),
                where);
          check("rebar", aif_ElementOutput(channel, request, procedure, "", preselect, all, true),
                where);
        }
        check("kept node",
              aif_NodeOutput(korC_OdbChannel(true), request, procedure, "", preselect, all, false),
              where);
        check("section", aif_IntegratedOutput(request, procedure, preselect, all, ""), where);
        check("set", aif_IntegratedOutput(request, procedure, preselect, all, "Set-1"), where);
        check("energy", aif_EnergyOutput(request, procedure, "", preselect, all), where);
        check("modal", aif_ModalOutput(request, procedure, all), where);
        check("incrementation", aif_IncrementationOutput(request, procedure, preselect, all),
              where);
        check("contact",
              aif_ContactOutput(request, procedure, preselect, all, "A", "B", "", "", false),
              where);
        check("radiation", aif_RadiationOutput(request, procedure, "Set-1", all), where);
        request.integratedOutputSectionName = cow_String();
        check("no section", aif_IntegratedOutput(request, procedure, preselect, all, ""), where);
      }
  for (const auto& [name, counts] : seen) {
    if (name == "kept node" || name == "no section") continue;
    EXPECT_GT(counts.first, 0) << name;
    EXPECT_GT(counts.second, 0) << name;
  }
  EXPECT_EQ(seen["kept node"].first, 0);
  EXPECT_EQ(seen["no section"].second, 0);

  // A keyword on an assembled fastener's set is as empty as what it wraps.
  const aif_EnergyOutput none(VariablesRequest({"S"}), kVariablesStatic, "Set-1", false, false);
  const aif_EnergyOutput some(VariablesRequest({"ALLIE"}), kVariablesStatic, "Set-1", false, false);
  EXPECT_TRUE(aif_FastenerSetOutput(none, "Set-1", false).IsEmpty());
  EXPECT_FALSE(aif_FastenerSetOutput(some, "Set-1", false).IsEmpty());
}

}  // namespace
