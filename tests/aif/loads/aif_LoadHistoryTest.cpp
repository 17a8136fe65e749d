#include <gtest/gtest.h>

#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Job.h"
#include "aif_LoadHarness.h"

namespace {

// A load state of `status` whose values all have `status`.
kloC_LoadState HistoryState(int status, std::initializer_list<double> values) {
  return kloC_LoadState(status, values);
}

rgnC_Region HistoryRegion(const char* name, unsigned instance) {
  rgnC_Region region(name, {"Assembly", instance == 1 ? "Block-1" : "Block-2"});
  region.SetKernelInstanceIds({instance});
  return region;
}

// Two instances of a column of two bricks; two steps. Two forces on one node
// set (so concentrated loads restate in every step), a pressure from a field
// on the top face of the upper brick of Block-1, deactivated in Step-2 (so
// every "*Dload" restates there), and gravity on Block-2, unchanged in
// Step-2.
hst_ModelBuilder HistoryModel() {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 2));
  b.AddInstance("Block-1", "Block");
  hst_ModelBuilder::InstanceOptions placed;
  placed.transform = gsl_Matrix::Translation(gsl_Vector(3.0, 0.0, 0.0));
  b.AddInstance("Block-2", "Block", placed);
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", kprC_StaticStep());
  kfdC_ExpressionField ramp;
  ramp.constant = 1.0;
  ramp.gradient = {0.0, 0.0, 1.0};
  b.AddAnalyticalField("Ramp", ramp);

  rgnC_Region tip = HistoryRegion("Tip", 1);
  tip.SetKernelNodeIndices(1, {11});
  for (const char* name : {"Force-1", "Force-2"}) {
    const bool first = name[6] == '1';
    const double x = first ? 0.0 : 5.0, y = first ? -10.0 : 0.0;
    kloC_ConcentratedForce force;
    force.SetRegion(tip);
    force.SetState("Step-1", 1, HistoryState(1, {x, y, 0.0}));
    force.SetState("Step-2", 2, HistoryState(2, {x, y, 0.0}));
    b.AddLoad(name, force);
  }

  kloC_Pressure pressure;
  rgnC_Region top = HistoryRegion("Top", 1);
  top.SetKernelElementIndices(1, {1}, {"S2"});
  pressure.SetRegion(top);
  pressure.SetFieldName("Ramp");
  pressure.SetDistribution(3);
  pressure.SetState("Step-1", 1, HistoryState(1, {2.0}));
  pressure.SetState("Step-2", 4, HistoryState(4, {2.0}));
  b.AddLoad("Pressure", pressure);

  kloC_Gravity gravity;
  rgnC_Region all = HistoryRegion("All", 2);
  all.SetKernelElementIndices(2, {0, 1});
  gravity.SetRegion(all);
  gravity.SetState("Step-1", 1, HistoryState(1, {0.0, -9.81, 0.0}));
  gravity.SetState("Step-2", 2, HistoryState(2, {0.0, -9.81, 0.0}));
  b.AddLoad("Gravity", gravity);
  return b;
}

std::string HistoryOf(hst_ModelBuilder b, bool flat) {
  if (flat) b.Assembly().SetRequiresFlatInputFile(true);
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  return aif_load_test::LoadHistory(info);
}

}  // namespace

TEST(aif_LoadHistory, TwoStepsPartBasedAndFlat) {
  ajbC_CheckingMessages::Instance().Messages().Clear();
  aif_test::ExpectGolden(HistoryOf(HistoryModel(), false),
                         "aif/loads/golden/history_part_based.inp");
  aif_test::ExpectGolden(HistoryOf(HistoryModel(), true), "aif/loads/golden/history_flat.inp");
  EXPECT_TRUE(ajbC_CheckingMessages::Instance().Messages().IsEmpty());
}

namespace {

// Step-2 of a load created in Step-1: modified, every value carried over,
// the amplitude "Ramp" given in this step.
kloC_LoadState AmplitudeOnlyState(std::initializer_list<double> values) {
  kloC_LoadState state(3, values);
  for (std::size_t c = 0; c < values.size(); ++c)
    state.SetValue(c, values.begin()[c], 2);
  state.SetAmplitude("Ramp", 1);
  return state;
}

// One load of each kind on a region of its own (so that no kind restates
// under ", op=NEW"), created in Step-1 without an amplitude and given the
// amplitude "Ramp" alone in Step-2.
hst_ModelBuilder AmplitudeOnlyModel() {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 2));
  b.AddInstance("Block-1", "Block");
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", kprC_StaticStep());
  kfdC_ExpressionField grade;
  grade.constant = 2.0;
  b.AddAnalyticalField("Grade", grade);

  auto add = [&](const char* name, kloC_Load& load, const char* region,
                 std::initializer_list<double> values) {
    rgnC_Region held = HistoryRegion(region, 1);
    held.SetKernelNodeIndices(1, {11});
    held.SetKernelElementIndices(1, {1}, {"S2"});
    load.SetRegion(held);
    load.SetState("Step-1", 1, HistoryState(1, values));
    load.SetState("Step-2", 3, AmplitudeOnlyState(values));
    b.AddLoad(name, load);
  };
  kloC_ConcentratedForce force;
  add("A-Cload", force, "Tip", {5.0, 0.0, -2.0});
  kloC_Pressure uniform;
  add("B-Dsload", uniform, "Top", {3.0});
  kloC_Gravity gravity;
  add("C-Gravity", gravity, "All", {0.0, 0.0, -9.81});
  kloC_BodyForce body;
  add("D-BodyForce", body, "Body", {1.0, 2.0, 3.0});
  kloC_LineLoad line;
  add("E-LineLoad", line, "Beam", {4.0, 0.0, 6.0});
  kloC_RotationalBodyForce turning;
  turning.SetEffects(true, false);
  turning.SetAxis({0.0, 0.0, 0.0}, {0.0, 0.0, 2.0});
  add("F-Rotation", turning, "Spin", {3.0});
  kloC_CoriolisForce coriolis;
  coriolis.SetAxis({0.0, 0.0, 0.0}, {0.0, 1.0, 0.0});
  add("G-Coriolis", coriolis, "Turn", {0.5});
  kloC_PipePressure pipe;
  pipe.SetExternal(true);
  pipe.SetFixedValue(0.25);
  add("H-Pipe", pipe, "Pipe", {7.0});
  kloC_Pressure byField;
  byField.SetFieldName("Grade");
  byField.SetDistribution(3);
  add("I-FieldPressure", byField, "Face", {1.5});
  kloC_ConnectorForce connector;
  add("J-Connector", connector, "Wire", {10.0, 0.0, 0.0});
  kloC_ConcentratedCurrent current;
  add("K-Cecurrent", current, "Lead", {0.5});
  kloC_ConcentratedCharge charge;
  add("L-Cecharge", charge, "Pole", {0.75});
  kloC_BodyCurrent bodyCurrent;
  add("M-Decurrent", bodyCurrent, "Core", {1.25});
  kloC_BodyCharge bodyCharge;
  add("N-Decharge", bodyCharge, "Mass", {1.75});
  kloC_SurfaceCurrent surfaceCurrent;
  add("O-Dsecurrent", surfaceCurrent, "Skin", {2.25});
  kloC_SurfaceCharge surfaceCharge;
  add("P-Dsecharge", surfaceCharge, "Shell", {2.5});
  kloC_ConcentratedHeatFlux heat;
  add("Q-Cflux", heat, "Hot", {8.0});
  kloC_BodyHeatFlux bodyHeat;
  add("R-Dflux", bodyHeat, "Warm", {9.0});
  return b;
}

}  // namespace

// An amplitude new in a step restates every value of the load with it,
// whatever the keyword: the values carried over would otherwise keep the old
// amplitude, or a keyword line would stand without its data.
TEST(aif_LoadHistory, AmplitudeAloneNewInAStepRestatesEveryKind) {
  ajbC_CheckingMessages::Instance().Messages().Clear();
  const std::string history = HistoryOf(AmplitudeOnlyModel(), false);
  const std::size_t second = history.find("** STEP: Step-2\n");
  ASSERT_NE(second, std::string::npos) << history;
  EXPECT_EQ(history.substr(second),
            "** STEP: Step-2\n"
            "** Load: A-Cload\n"
            "*Cload, amplitude=Ramp\n"
            "Block-1.Tip, 1, 5.\n"
            "Block-1.Tip, 2, 0.\n"
            "Block-1.Tip, 3, -2.\n"
            "** Load: B-Dsload\n"
            "*Dsload, amplitude=Ramp\n"
            "Block-1.Top, P, 3.\n"
            "** Load: C-Gravity\n"
            "*Dload, amplitude=Ramp\n"
            "Block-1.All, GRAV, 9.81, 0., 0., -1.\n"
            "** Load: D-BodyForce\n"
            "*Dload, amplitude=Ramp\n"
            "Block-1.Body, BX, 1.\n"
            "Block-1.Body, BY, 2.\n"
            "Block-1.Body, BZ, 3.\n"
            "** Load: E-LineLoad\n"
            "*Dload, amplitude=Ramp\n"
            "Block-1.Beam, PX, 4.\n"
            "Block-1.Beam, PY, 0.\n"
            "Block-1.Beam, PZ, 6.\n"
            "** Load: F-Rotation\n"
            "*Dload, amplitude=Ramp\n"
            "Block-1.Spin, CENTRIF, 9.,0.,0.,0.,0.,0.,1.\n"
            "** Load: G-Coriolis\n"
            "*Dload, amplitude=Ramp\n"
            "Block-1.Turn, CORIO, 0.5,0.,0.,0.,0.,1.,0.\n"
            "** Load: H-Pipe\n"
            "*Dload, amplitude=Ramp\n"
            "Block-1.Pipe, PE, 7., 0.25\n"
            "** Load: I-FieldPressure\n"
            "*Dload, amplitude=Ramp\n"
            "Block-1.2, P2, 3.\n"
            "** Load: J-Connector\n"
            "*Connector Load, amplitude=Ramp\n"
            "Block-1.Wire, 1, 10.\n"
            "** Load: K-Cecurrent\n"
            "*Cecurrent, amplitude=Ramp\n"
            "Block-1.Lead, ,0.5\n"
            "** Load: L-Cecharge\n"
            "*Cecharge, amplitude=Ramp\n"
            "Block-1.Pole, ,0.75\n"
            "** Load: M-Decurrent\n"
            "*Decurrent, amplitude=Ramp\n"
            "Block-1.Core,CBF,1.25\n"
            "** Load: N-Decharge\n"
            "*Decharge, amplitude=Ramp\n"
            "Block-1.Mass,EBF,1.75\n"
            "** Load: O-Dsecurrent\n"
            "*Dsecurrent, amplitude=Ramp\n"
            "Block-1.Skin,CS,2.25\n"
            "** Load: P-Dsecharge\n"
            "*Dsecharge, amplitude=Ramp\n"
            "Block-1.Shell,ES,2.5\n"
            "** Load: Q-Cflux\n"
            "*Cflux, amplitude=Ramp\n"
            "Block-1.Hot, 11, 8.\n"
            "** Load: R-Dflux\n"
            "*Dflux, amplitude=Ramp\n"
            "Block-1.Warm, BF, 9.\n");
  EXPECT_TRUE(ajbC_CheckingMessages::Instance().Messages().IsEmpty());
}
