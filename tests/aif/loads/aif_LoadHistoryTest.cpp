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
