// The request records of a step: which field and history output requests
// apply, how equal ones merge, the frequency a procedure allows, the
// remeshing records and the substructure records. Each record is shown as
// one line of its comment name and the values the output keywords write.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <type_traits>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/korC_OdbRequestTable.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/steps/aif_OutputRequestBuilder.h"

namespace {

template <class Items>
std::string RecordsTestJoin(const Items& items) {
  std::ostringstream out;
  bool first = true;
  for (const auto& item : items) {
    out << (first ? "" : ",");
    if constexpr (std::is_same_v<std::decay_t<decltype(item)>, cow_String>)
      out << item.View();
    else
      out << item;
    first = false;
  }
  return out.str();
}

// "name | region | frequency | variables" and the further values a record
// carries when they are set.
std::string RecordsText(const korC_OdbChannel& channel, const cow_List<cow_String>& names) {
  EXPECT_EQ(channel.Requests().Length(), names.Length());
  std::ostringstream out;
  for (std::size_t i = 0; i < channel.Requests().Length(); ++i) {
    const korC_OdbRequest& r = channel.Requests()[i];
    out << names[i].View() << " | ";
    for (const cow_String& owner : r.region.OwnerNames())
      out << owner.View() << ".";
    out << r.region.Name().View() << " | ";
    switch (r.frequencyType) {
      case korC_OdbRequest::FREQUENCY:
        out << "every " << r.frequency;
        break;
      case korC_OdbRequest::NUMBER_INTERVAL:
        out << "intervals " << r.numberInterval;
        break;
      case korC_OdbRequest::TIME_INTERVAL:
        out << "interval " << r.timeInterval;
        break;
      case korC_OdbRequest::MODE_LIST:
        out << "modes " << RecordsTestJoin(r.modeList);
        break;
      case korC_OdbRequest::TIME_POINTS:
        out << "points " << r.timePointsName.View();
        break;
    }
    out << (r.timeMarks ? " marks" : "") << " | ";
    out << (r.variablesKind == 1   ? "PRESELECT"
            : r.variablesKind == 2 ? "ALL"
                                   : "")
        << RecordsTestJoin(r.variables);
    if (!r.instanceName.IsEmpty()) out << " | instance " << r.instanceName.View();
    if (!r.sectionPoints.IsEmpty()) out << " | points " << RecordsTestJoin(r.sectionPoints);
    if (r.rebarMode != 0) out << " | rebar " << r.rebarMode;
    if (!r.filterName.IsEmpty()) out << " | filter " << r.filterName.View();
    if (r.sensor) out << " | sensor";
    if (!r.sharing) out << " | unshared";
    out << "\n";
  }
  return out.str();
}

// A state asking for `variables` (the preselected ones when empty) every
// `frequency` increments.
template <class State>
State RecordsTestState(cow_List<cow_String> variables = {}, int frequency = 1) {
  State state;
  state.SetVariables(variables);
  state.SetFrequency(frequency);
  return state;
}

template <class Request>
Request RecordsTestRequest(int domain = korC_WHOLE_MODEL, const rgnC_Region& region = {}) {
  Request request;
  request.SetDomain(static_cast<korC_DomainTypeEnm>(domain));
  request.SetRegion(region);
  return request;
}

// Builds the model of `b`, then returns the records of both channels of
// every step named in `steps`, each step headed by "[step field]" and
// "[step history]".
// `prepare`, when given, sees the model info before the records are
// collected.
std::string CollectedRecords(const hst_ModelBuilder& b, std::initializer_list<const char*> steps,
                             const std::function<void(aif_ModelInfo&)>& prepare = nullptr) {
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  if (prepare) prepare(info);
  aif_OutputRequestBuilder builder(info);
  std::string text;
  for (const char* name : steps) {
    const auto& step =
        dynamic_cast<const kprC_AnalysisStep&>(info.ModelAdapter().Steps().ConstGet(name));
    cow_List<cow_String> fieldNames, historyNames;
    const korC_OdbChannel field = builder.CollectFieldRequests(name, step, fieldNames);
    const korC_OdbChannel history = builder.CollectHistoryRequests(name, step, historyNames);
    EXPECT_TRUE(field.IsField());
    EXPECT_FALSE(history.IsField());
    text += std::string("[") + name + " field]\n" + RecordsText(field, fieldNames);
    text += std::string("[") + name + " history]\n" + RecordsText(history, historyNames);
  }
  return text;
}

class OutputRequestRecordsTest : public ::testing::Test {
 protected:
  void TearDown() override { thr_ThreadSingleton<korC_OdbRequestTable>::Instance().Reset(); }
};

// Equal requests share one record under both names, a sensor never does;
// suppressed, inactive, absent, domain-4 and empty requests are dropped; the
// request's values reach the record.
TEST_F(OutputRequestRecordsTest, MergesEqualRequestsAndDropsTheOnesThatDoNotApply) {
  hst_ModelBuilder b;
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", kprC_StaticStep());

  const rgnC_Region top("Top", {"Assembly", "Block-1"});
  auto field = [&](const char* name, korC_FieldOutput request, int status = 1,
                   korC_FieldOutputState state = RecordsTestState<korC_FieldOutputState>()) {
    request.SetState("Step-1", state, status);
    b.AddFieldOutput(name, request);
  };
  field("F-1", RecordsTestRequest<korC_FieldOutput>());
  field("F-2", RecordsTestRequest<korC_FieldOutput>());
  korC_FieldOutput region = RecordsTestRequest<korC_FieldOutput>(korC_REGION, top);
  region.SetSectionPoints({1, 5});
  region.SetRebarMode(1);
  region.SetFilterName("Smooth");
  field("F-3", region, 3, RecordsTestState<korC_FieldOutputState>({"U", "RF"}, 5));
  field("F-4", region, 2, RecordsTestState<korC_FieldOutputState>({"U", "RF"}, 5));
  korC_FieldOutput badRebar = RecordsTestRequest<korC_FieldOutput>(korC_REGION, top);
  badRebar.SetRebarMode(7);
  field("F-5", badRebar, 1, RecordsTestState<korC_FieldOutputState>({"S"}));
  korC_FieldOutput suppressed = RecordsTestRequest<korC_FieldOutput>();
  suppressed.SetSuppressed(true);
  field("Off", suppressed);
  field("Gone", RecordsTestRequest<korC_FieldOutput>(), 4);
  field("Skip", RecordsTestRequest<korC_FieldOutput>(korC_SKIPPED));
  korC_FieldOutputState listed = RecordsTestState<korC_FieldOutputState>();
  listed.SetVariablesKind(korC_LIST);
  field("Nothing", RecordsTestRequest<korC_FieldOutput>(), 1, listed);
  korC_FieldOutput later = RecordsTestRequest<korC_FieldOutput>();
  later.SetState("Step-2", RecordsTestState<korC_FieldOutputState>({"PE"}));
  b.AddFieldOutput("Later", later);

  auto history = [&](const char* name, bool sensor, bool sharing = true) {
    korC_HistoryOutput request = RecordsTestRequest<korC_HistoryOutput>(korC_REGION, top);
    request.SetSensor(sensor);
    request.SetSharing(sharing);
    request.SetState("Step-1", RecordsTestState<korC_HistoryOutputState>({"U3"}));
    b.AddHistoryOutput(name, request);
  };
  history("H-1", true);
  history("H-2", true);
  history("H-3", false);
  history("H-4", false);
  history("H-5", false, false);

  EXPECT_EQ(CollectedRecords(b, {"Step-1", "Step-2"}),
            "[Step-1 field]\n"
            "F-1, F-2 |  | every 1 marks | PRESELECT\n"
            "F-3, F-4 | Assembly.Block-1.Top | every 5 marks | U,RF | points 1,5 | rebar 1 | "
            "filter Smooth\n"
            "F-5 | Assembly.Block-1.Top | every 1 marks | S\n"
            "[Step-1 history]\n"
            "H-1 | Assembly.Block-1.Top | every 1 marks | U3 | sensor\n"
            "H-2 | Assembly.Block-1.Top | every 1 marks | U3 | sensor\n"
            "H-3, H-4 | Assembly.Block-1.Top | every 1 marks | U3\n"
            "H-5 | Assembly.Block-1.Top | every 1 marks | U3 | unshared\n"
            "[Step-2 field]\n"
            "Later |  | every 1 marks | PE\n"
            "[Step-2 history]\n");
}

// A remeshing rule of the step adds a field record with its variables and
// "EVOL", every increment or at the step's end; time marks follow the
// solver. Suppressed, incomplete and other steps' rules add nothing, and a
// rule's record merges with an equal request's.
TEST_F(OutputRequestRecordsTest, RemeshingRulesAddFieldRecords) {
  hst_ModelBuilder b;
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Crash", kprC_ExplicitDynamicsStep());
  b.AddStep("Quiet", kprC_StaticStep());
  const rgnC_Region core("Core", {"Assembly", "Block-1"});
  auto rule = [&](const char* name, const char* step, bool everyIncrement,
                  const char* description = "", bool suppressed = false, bool sizing = true) {
    karC_RemeshingRule r;
    r.SetStepName(step);
    r.SetRegion(core);
    r.SetVariables({"ENDENERI", "MISESERI"});
    r.SetOutputFrequency(everyIncrement);
    r.SetDescription(description);
    r.SetSuppressed(suppressed);
    r.SetHasSizingMethod(sizing);
    b.AddRemeshingRule(name, r);
  };
  rule("R-1", "Step-1", false, "Refine the core");
  rule("R-2", "Step-1", true);
  rule("R-3", "Step-1", true, "", true);
  rule("R-4", "Step-1", true, "", false, false);
  rule("R-5", "Crash", true);
  korC_FieldOutput same = RecordsTestRequest<korC_FieldOutput>(korC_REGION, core);
  same.SetPlainOutput(false);
  korC_FieldOutputState state =
      RecordsTestState<korC_FieldOutputState>({"ENDENERI", "MISESERI", "EVOL"});
  state.SetNumberInterval(0);
  same.SetState("Step-1", state);
  b.AddFieldOutput("Same", same);

  EXPECT_EQ(CollectedRecords(b, {"Step-1", "Crash", "Quiet"}),
            "[Step-1 field]\n"
            "Same,  from REMESHING RULE: R-2 | Assembly.Block-1.Core | every 1 marks | "
            "ENDENERI,MISESERI,EVOL\n"
            " from REMESHING RULE: R-1\n"
            "Refine the core | Assembly.Block-1.Core | every 99999 marks | "
            "ENDENERI,MISESERI,EVOL\n"
            "[Step-1 history]\n"
            "[Crash field]\n"
            " from REMESHING RULE: R-5 | Assembly.Block-1.Core | every 1 | "
            "ENDENERI,MISESERI,EVOL\n"
            "[Crash history]\n"
            "[Quiet field]\n"
            "[Quiet history]\n");
}

// A kind the procedure allows is kept with the state's value; any other
// takes the kind of the procedure's default field output, with the value of
// the default of the record's own channel.
TEST_F(OutputRequestRecordsTest, FrequencyFallsBackToTheProcedureDefault) {
  hst_ModelBuilder b;
  b.AddStep("Static", kprC_StaticStep());
  b.AddStep("Crash", kprC_ExplicitDynamicsStep());
  b.AddStep("Modes", kprC_FrequencyStep());
  b.AddStep("Perturb", kprC_StaticLinearPerturbationStep());
  auto add = [&](const char* name, korC_TypeEnm kind) {
    korC_FieldOutputState fieldState = RecordsTestState<korC_FieldOutputState>({"U"}, 3);
    korC_HistoryOutputState historyState = RecordsTestState<korC_HistoryOutputState>({"U"}, 3);
    for (korC_OutputState* state : {static_cast<korC_OutputState*>(&fieldState),
                                    static_cast<korC_OutputState*>(&historyState)}) {
      state->SetFrequencyKind(kind);
      state->SetNumberInterval(7);
      state->SetTimeInterval(0.25);
      state->SetModeList({2, 4});
      state->SetTimePointsName("TP-1");
    }
    korC_FieldOutput field;
    korC_HistoryOutput history;
    for (const char* step : {"Static", "Crash", "Modes", "Perturb"}) {
      field.SetState(step, fieldState);
      history.SetState(step, historyState);
    }
    b.AddFieldOutput(name, field);
    b.AddHistoryOutput(name, history);
  };
  add("A-every", korC_FREQUENCY);
  add("B-intervals", korC_NUMBER_INTERVAL);
  add("C-interval", korC_TIME_INTERVAL);
  add("D-modes", korC_MODES);
  add("E-none", korC_NO_FREQUENCY);
  add("F-points", korC_TIME_POINTS);

  EXPECT_EQ(CollectedRecords(b, {"Static", "Crash", "Modes", "Perturb"}),
            "[Static field]\n"
            "A-every |  | every 3 marks | U\n"
            "B-intervals |  | intervals 7 marks | U\n"
            "C-interval |  | interval 0.25 marks | U\n"
            "D-modes, E-none |  | every 1 marks | U\n"
            "F-points |  | points TP-1 marks | U\n"
            "[Static history]\n"
            "A-every |  | every 3 marks | U\n"
            "B-intervals |  | intervals 7 marks | U\n"
            "C-interval |  | interval 0.25 marks | U\n"
            "D-modes, E-none |  | every 1 marks | U\n"
            "F-points |  | points TP-1 marks | U\n"
            "[Crash field]\n"
            "A-every |  | every 3 marks | U\n"
            "B-intervals |  | intervals 7 marks | U\n"
            "C-interval |  | interval 0.25 marks | U\n"
            "D-modes, E-none |  | intervals 20 marks | U\n"
            "F-points |  | points TP-1 marks | U\n"
            "[Crash history]\n"
            "A-every |  | every 3 marks | U\n"
            "B-intervals |  | intervals 7 marks | U\n"
            "C-interval |  | interval 0.25 marks | U\n"
            "D-modes, E-none |  | intervals 200 marks | U\n"
            "F-points |  | points TP-1 marks | U\n"
            "[Modes field]\n"
            "A-every, B-intervals, C-interval, E-none, F-points |  | modes  marks | U\n"
            "D-modes |  | modes 2,4 marks | U\n"
            "[Modes history]\n"
            "A-every |  | every 3 marks | U\n"
            "B-intervals, C-interval, E-none, F-points |  | modes  marks | U\n"
            "D-modes |  | modes 2,4 marks | U\n"
            "[Perturb field]\n"
            "A-every |  | every 3 marks | U\n"
            "B-intervals, C-interval, D-modes, E-none, F-points |  | every 1 marks | U\n"
            "[Perturb history]\n"
            "A-every |  | every 3 marks | U\n"
            "B-intervals, C-interval, D-modes, E-none, F-points |  | every 1 marks | U\n");
}

// A field request naming three substructure entries gives one record per
// entry, named with its number; the history request gives one record with
// its instance.
TEST_F(OutputRequestRecordsTest, SubstructureFieldRequestsGiveOneRecordPerEntry) {
  hst_ModelBuilder b;
  b.AddStep("Step-1", kprC_StaticStep());
  korC_FieldOutput field = RecordsTestRequest<korC_FieldOutput>(korC_SUBSTRUCTURE);
  field.SetSubstructureEntries({"Sub-1.Entire Substructure", "Sub-1.Skin", "Sub-2.Skin"});
  field.SetState("Step-1", RecordsTestState<korC_FieldOutputState>());
  b.AddFieldOutput("Sub", field);
  korC_HistoryOutput history = RecordsTestRequest<korC_HistoryOutput>(korC_SUBSTRUCTURE);
  history.SetInstanceName("Sub-1.Skin");
  history.SetState("Step-1", RecordsTestState<korC_HistoryOutputState>());
  b.AddHistoryOutput("Sub", history);

  EXPECT_EQ(CollectedRecords(b, {"Step-1"}),
            "[Step-1 field]\n"
            "Sub-1 |  | every 1 marks | PRESELECT | instance Sub-1.Entire Substructure\n"
            "Sub-2 |  | every 1 marks | PRESELECT | instance Sub-1.Skin\n"
            "Sub-3 |  | every 1 marks | PRESELECT | instance Sub-2.Skin\n"
            "[Step-1 history]\n"
            "Sub |  | every 1 marks | PRESELECT | instance Sub-1.Skin\n");
}

// A request for the preselected (all) variables is dropped where the
// variable table has none for the procedure and channel.
TEST_F(OutputRequestRecordsTest, RequestsForAnEmptyVariableListAreDropped) {
  hst_ModelBuilder b;
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", kprC_HeatTransferStep());
  korC_OdbRequestTable& table = thr_ThreadSingleton<korC_OdbRequestTable>::Instance();
  table.SetDefaults(1, kprC_StaticStep::TypeId(), {});
  table.SetAll(2, kprC_StaticStep::TypeId(), {});
  for (korC_VariablesTypeEnm kind : {korC_PRESELECTED, korC_ALL}) {
    korC_FieldOutputState fieldState = RecordsTestState<korC_FieldOutputState>();
    fieldState.SetVariablesKind(kind);
    korC_HistoryOutputState historyState = RecordsTestState<korC_HistoryOutputState>();
    historyState.SetVariablesKind(kind);
    korC_FieldOutput field;
    korC_HistoryOutput history;
    for (const char* step : {"Step-1", "Step-2"}) {
      field.SetState(step, fieldState);
      history.SetState(step, historyState);
    }
    const char* name = kind == korC_ALL ? "All" : "Preselected";
    b.AddFieldOutput(name, field);
    b.AddHistoryOutput(name, history);
  }

  EXPECT_EQ(CollectedRecords(b, {"Step-1", "Step-2"}),
            "[Step-1 field]\n"
            "All |  | every 1 marks | ALL\n"
            "[Step-1 history]\n"
            "Preselected |  | every 1 marks | PRESELECT\n"
            "[Step-2 field]\n"
            "All |  | every 1 marks | ALL\n"
            "Preselected |  | every 1 marks | PRESELECT\n"
            "[Step-2 history]\n"
            "All |  | every 1 marks | ALL\n"
            "Preselected |  | every 1 marks | PRESELECT\n");
}

// A layup request names the sets generated from its layups as they were
// written (each set a partial group was split into, a lightweight instance
// reaching its part's sets), with the section points its mode picks: every
// point, the chosen ply positions (none without a position), or the
// request's own points. A layup without sets adds nothing.
TEST_F(OutputRequestRecordsTest, LayupRequestsNameTheWrittenSets) {
  hst_ModelBuilder b;
  b.AddStep("Step-1", kprC_StaticStep());
  auto field = [&](const char* name, cow_List<cow_String> layups, int mode, bool middle = false) {
    korC_FieldOutput request = RecordsTestRequest<korC_FieldOutput>(korC_LAYUP);
    request.SetLayupNames(layups);
    request.SetLayupMode(mode);
    request.SetPlyMiddle(middle);
    request.SetSectionPoints({9});
    request.SetState("Step-1", RecordsTestState<korC_FieldOutputState>({"S"}));
    b.AddFieldOutput(name, request);
  };
  field("A-whole", {"Panel-1.Skin"}, 0);
  field("B-middle", {"Panel-2.Skin", "Panel-1.Core"}, 1, true);
  field("C-every", {"Skin"}, 2);
  field("D-none", {"Panel-1.Core", "Panel-1.Missing"}, 1);
  korC_HistoryOutput history = RecordsTestRequest<korC_HistoryOutput>(korC_LAYUP);
  history.SetLayupNames({"\"Panel-1\".Core"});
  history.SetState("Step-1", RecordsTestState<korC_HistoryOutputState>({"S"}));
  b.AddHistoryOutput("H", history);

  EXPECT_EQ(
      CollectedRecords(b, {"Step-1"},
                       [](aif_ModelInfo& info) {
                         akw_Layup2SecPtMap& map = info.LayupData();
                         map.AddSection("Panel-1", "Skin-1", "Skin-1-S", {3, 1}, "Panel", "Skin");
                         map.RewireSet("Panel-1", "Skin-1", "Skin-1-1");
                         map.RewireSet("Panel-1", "Skin-1", "Skin-1-3");
                         map.AddSection("Panel-1", "Core-1", "Core-1-S", {5}, "Panel", "Core");
                         map.AddSection("Other-1", "Skin-1", "Skin-1-S", {3, 1}, "Other", "Skin");
                         map.CloneLayupData("Panel-2", "Panel");
                       }),
      "[Step-1 field]\n"
      "A-whole | Assembly.Panel-1.Skin-1-1 | every 1 marks | S | points 1,2,3,4\n"
      "A-whole | Assembly.Panel-1.Skin-1-3 | every 1 marks | S | points 1,2,3,4\n"
      "B-middle | Assembly.Panel-2.Skin-1-1 | every 1 marks | S | points 2,4\n"
      "B-middle | Assembly.Panel-2.Skin-1-3 | every 1 marks | S | points 2,4\n"
      "B-middle | Assembly.Panel-1.Core-1 | every 1 marks | S | points 3\n"
      "C-every | Assembly.Panel-1.Skin-1-1 | every 1 marks | S | points 9\n"
      "C-every | Assembly.Panel-1.Skin-1-3 | every 1 marks | S | points 9\n"
      "C-every | Assembly.Panel-2.Skin-1-1 | every 1 marks | S | points 9\n"
      "C-every | Assembly.Panel-2.Skin-1-3 | every 1 marks | S | points 9\n"
      "C-every | Assembly.Other-1.Skin-1 | every 1 marks | S | points 9\n"
      "D-none | Assembly.Panel-1.Core-1 | every 1 marks | S\n"
      "[Step-1 history]\n"
      "H | Assembly.Panel-1.Core-1 | every 1 marks | S | points 1,2,3,4,5\n");
}

}  // namespace
