// The boundary-condition builder: which conditions each step and load case
// writes by status and op, restart and buckling restatements, pore-pressure
// node sets, bolt-load boundaries, retained degrees of freedom, and
// condition kinds no keyword writes.
#include "aif/impl/conditions/aif_BoundaryConditionBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "AttributesGuiCommon/ajbC_Job.h"
#include "HostModules/hst_ModelBuilder.h"
#include "MSVCR90/rt_Runtime.h"
#include "OdbAttrEO/kbcC_BC.h"
#include "OdbAttrEO/kbcC_RetainedNodalDofsBC.h"
#include "OdbAttrEO/kbcC_SubmodelBC.h"
#include "OdbAttrEO/kloC_Load.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_Job.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "support/aif_DeckTestSupport.h"
#include "support/aif_FaultLoops.h"
#include "support/aif_BuilderRun.h"
#include "support/aif_TestSupport.h"

namespace {

constexpr char kBcBanner[] = "** \n** BOUNDARY CONDITIONS\n** \n";

// A kind of condition no keyword knows.
class BcBuilderOddCondition : public kbcC_BC {
  KERN_CLASS_HEAD(BcBuilderOddCondition, kbcC_BC, 0x29800F1)
};

rgnC_Region BcBuilderRegion(const char* name, std::initializer_list<int> nodes) {
  rgnC_Region region(name, {"Assembly", "Block-1"});
  region.SetKernelInstanceIds({1u});
  region.SetKernelNodeIndices(1, nodes);
  return region;
}

// A displacement state: components 0 to 2 as given (status `set` for each),
// the others unset.
kbcC_DisplacementBCState BcBuilderDisplacement(std::initializer_list<double> values, int set) {
  kbcC_DisplacementBCState state;
  std::size_t i = 0;
  for (double value : values)
    state.SetComponent(i++, value, set);
  return state;
}

// Only U3 set, to `value`, with the amplitude "Ramp".
kbcC_DisplacementBCState BcBuilderLift(double value) {
  kbcC_DisplacementBCState state;
  state.SetComponent(2, value, 1);
  state.SetAmplitude("Ramp", 1);
  return state;
}

kbcC_DistributedBCState BcBuilderMagnitude(double value, int set) {
  kbcC_DistributedBCState state;
  state.SetMagnitude(value, set);
  return state;
}

// A block placed once; the initial step and `steps` static steps.
hst_ModelBuilder BcBuilderModel(std::initializer_list<const char*> steps) {
  hst_ModelBuilder b;
  b.AddPart("Block", hst_GridMesh(1, 1, 1));
  b.AddInstance("Block-1", "Block");
  for (const char* step : steps)
    b.AddStep(step, kprC_StaticStep());
  return b;
}

using BcBuilderRun = aif_test::BuilderRun<aif_BoundaryConditionBuilder>;

}  // namespace

// Fixed: created in the initial step, carried over (2) everywhere. Drive:
// created in Step-1 with an amplitude, really modified in Step-2, carried
// over, removed in Step-4. Temp: created in Step-1, taken over (9) in
// Step-2, modified without a real change (10) in Step-3, removed (11) in
// Step-4. Idle: status 5 everywhere. Hidden: suppressed.
TEST(aif_BoundaryConditionBuilder, StepsByStatusAndOp) {
  hst_ModelBuilder b = BcBuilderModel({"Step-1", "Step-2", "Step-3", "Step-4"});
  kbcC_DisplacementBC fixed;
  fixed.SetRegion(BcBuilderRegion("Base", {0, 1, 2, 3}));
  fixed.SetState("Initial", 1, BcBuilderDisplacement({0.0, 0.0, 0.0}, 1));
  for (const char* step : {"Step-1", "Step-2", "Step-3", "Step-4"})
    fixed.SetState(step, 2, BcBuilderDisplacement({0.0, 0.0, 0.0}, 2));
  b.AddBoundaryCondition("Fixed", fixed);

  kbcC_DisplacementBC drive;
  drive.SetRegion(BcBuilderRegion("Top", {4, 5, 6, 7}));
  drive.SetState("Step-1", 1, BcBuilderLift(0.5));
  kbcC_DisplacementBCState moved;
  moved.SetComponent(2, 0.75, 1);
  moved.SetAmplitude("Ramp", 2);
  drive.SetState("Step-2", 3, moved);
  drive.SetModified("Step-2", true);
  drive.SetState("Step-3", 2, moved);
  drive.SetState("Step-4", 4, kbcC_DisplacementBCState());
  b.AddBoundaryCondition("Drive", drive);

  kbcC_TemperatureBC temp;
  temp.SetRegion(BcBuilderRegion("Top", {4, 5, 6, 7}));
  temp.SetState("Step-1", 1, BcBuilderMagnitude(20.0, 1));
  temp.SetState("Step-2", 9, BcBuilderMagnitude(20.0, 2));
  temp.SetState("Step-3", 10, BcBuilderMagnitude(30.0, 1));
  temp.SetState("Step-4", 11, kbcC_DistributedBCState());
  b.AddBoundaryCondition("Temp", temp);

  kbcC_TemperatureBC idle = temp;
  for (const char* step : {"Step-1", "Step-2", "Step-3", "Step-4"})
    idle.SetState(step, 5, BcBuilderMagnitude(1.0, 1));
  b.AddBoundaryCondition("Idle", idle);
  kbcC_TemperatureBC hidden = temp;
  hidden.SetSuppressed(true);
  b.AddBoundaryCondition("Hidden", hidden);

  const BcBuilderRun run(b);
  const std::string fixedLines = "Block-1.Base, 1, 1\nBlock-1.Base, 2, 2\nBlock-1.Base, 3, 3\n";
  EXPECT_EQ(std::string(kBcBanner) + "** Name: Fixed Type: Displacement/Rotation\n*Boundary\n" +
                fixedLines,
            run.Step("Initial"));
  EXPECT_EQ(std::string(kBcBanner) +
                "** Name: Drive Type: Displacement/Rotation\n"
                "*Boundary, amplitude=Ramp\nBlock-1.Top, 3, 3, 0.5\n"
                "** Name: Temp Type: Temperature\n*Boundary\nBlock-1.Top, 11, 11, 20.\n",
            run.Step("Step-1"));
  // Drive's real change restates every condition of the step.
  EXPECT_EQ(std::string(kBcBanner) +
                "** Name: Drive Type: Displacement/Rotation\n"
                "*Boundary, op=NEW, amplitude=Ramp\nBlock-1.Top, 3, 3, 0.75\n"
                "** Name: Fixed Type: Displacement/Rotation\n*Boundary, op=NEW\n" +
                fixedLines +
                "** Name: Temp Type: Temperature\n*Boundary, op=NEW\nBlock-1.Top, 11, 11, 20.\n",
            run.Step("Step-2"));
  EXPECT_EQ(std::string(kBcBanner) +
                "** Name: Temp Type: Temperature\n*Boundary\nBlock-1.Top, 11, 11, 30.\n",
            run.Step("Step-3"));
  EXPECT_EQ(std::string(kBcBanner) +
                "** Name: Drive Type: Displacement/Rotation\n*Boundary, op=NEW\n"
                "** Name: Fixed Type: Displacement/Rotation\n*Boundary, op=NEW\n" +
                fixedLines + "** Name: Temp Type: Temperature\n*Boundary, op=NEW\n",
            run.Step("Step-4"));
}

// Step-1 has four load cases: LC-1 names Drive at half its value, LC-2 takes
// over the base state (Fixed, 9 here), LC-3 names only the bolt, LC-4 names
// nothing; LC-5 is suppressed. The step's own list stays empty.
TEST(aif_BoundaryConditionBuilder, LoadCases) {
  hst_ModelBuilder b = BcBuilderModel({});
  kprC_StaticStep loading;
  for (const char* name : {"LC-1", "LC-2", "LC-3", "LC-4"})
    loading.AddLoadCase(name);
  loading.AddLoadCase("LC-5", true);
  loading.SetLoadCaseBCFactor("LC-1", "Drive", 0.5f);
  loading.SetLoadCaseBCFactor("LC-5", "Drive", 3.0f);
  loading.SetLoadCaseBaseState("LC-2", true);
  loading.SetLoadCaseFactor("LC-3", "Bolt", 2.0f);
  b.AddStep("Step-1", loading);

  kbcC_DisplacementBC fixed;
  fixed.SetRegion(BcBuilderRegion("Base", {0, 1, 2, 3}));
  fixed.SetState("Initial", 1, BcBuilderDisplacement({0.0}, 1));
  fixed.SetState("Step-1", 9, BcBuilderDisplacement({0.0}, 2));
  b.AddBoundaryCondition("Fixed", fixed);
  kbcC_DisplacementBC drive;
  drive.SetRegion(BcBuilderRegion("Top", {4, 5, 6, 7}));
  drive.SetState("Step-1", 1, BcBuilderLift(0.5));
  b.AddBoundaryCondition("Drive", drive);

  kloC_BoltLoad bolt;
  bolt.SetRegion(BcBuilderRegion("Shank", {0}));
  kloC_LoadState adjusted(1, {});
  adjusted.SetMethod(kloC_ADJUST_LENGTH, 1, false);
  adjusted.SetLength(0.25, 1);
  bolt.SetState("Step-1", 1, adjusted);
  b.AddLoad("Bolt", bolt);

  const BcBuilderRun run(b);
  EXPECT_EQ(
      "** Name: Drive Type: Displacement/Rotation   Scale factor: 0.5\n"
      "*Boundary, op=NEW, amplitude=Ramp\nBlock-1.Top, 3, 3, 0.25\n",
      run.Step("Step-1", "LC-1"));
  EXPECT_EQ(
      "** Name: Fixed Type: Displacement/Rotation   Scale factor: 1\n"
      "*Boundary, op=NEW\nBlock-1.Base, 1, 1\n",
      run.Step("Step-1", "LC-2"));
  EXPECT_EQ(
      "** Name: Bolt Type: Bolt load   Scale factor: 2\n"
      "*Boundary, op=NEW\n_Bolt_blrn_, 1, 1, 0.5\n",
      run.Step("Step-1", "LC-3"));
  EXPECT_EQ("*Boundary, op=NEW\n", run.Step("Step-1", "LC-4"));
  EXPECT_EQ("", run.Step("Step-1", "LC-5"));
  EXPECT_EQ("", run.Step("Step-1"));

  // Without a condition of status 9 or 10, a base-state load case that names
  // nothing gets the lone line as well.
  fixed.SetState("Step-1", 2, BcBuilderDisplacement({0.0}, 2));
  b.AddBoundaryCondition("Fixed", fixed);
  EXPECT_EQ("*Boundary, op=NEW\n", BcBuilderRun(b).Step("Step-1", "LC-2"));
}

// Fixed carries over (2) from the initial step into every step. A buckling
// step restates it (its first load case); a restart that resumes at the end
// of Step-1 restates it in the perturbation step after it and in the first
// general step after that, not later.
TEST(aif_BoundaryConditionBuilder, RestartAndBucklingRestate) {
  hst_ModelBuilder b = BcBuilderModel({"Step-1"});
  b.AddStep("Buckle", kprC_BuckleStep());
  b.AddStep("Step-3", kprC_StaticStep());
  b.AddStep("Step-4", kprC_StaticStep());
  kbcC_DisplacementBC fixed;
  fixed.SetRegion(BcBuilderRegion("Base", {0}));
  fixed.SetState("Initial", 1, BcBuilderDisplacement({0.0}, 1));
  kbcC_DisplacementBCState carried = BcBuilderDisplacement({0.0}, 2);
  carried.SetBucklingCase(1);
  for (const char* step : {"Step-1", "Buckle", "Step-3", "Step-4"})
    fixed.SetState(step, 2, carried);
  b.AddBoundaryCondition("Fixed", fixed);

  const std::string restated = std::string(kBcBanner) +
                               "** Name: Fixed Type: Displacement/Rotation\n"
                               "*Boundary, op=NEW\nBlock-1.Base, 1, 1\n";
  const std::string buckled = std::string(kBcBanner) +
                              "** Name: Fixed Type: Displacement/Rotation\n"
                              "*Boundary, op=NEW, load case=1\nBlock-1.Base, 1, 1\n";
  {
    const BcBuilderRun run(b);
    EXPECT_EQ("", run.Step("Step-1"));
    EXPECT_EQ(buckled, run.Step("Buckle"));
    EXPECT_EQ("", run.Step("Step-3"));
    EXPECT_EQ("", run.Step("Step-4"));
  }
  b.MutableModel().SetRestart("Job-0", "Step-1", 5, true);
  {
    const BcBuilderRun run(b, ajbC_RESTART);
    EXPECT_EQ("", run.Step("Step-1"));
    EXPECT_EQ(buckled, run.Step("Buckle"));
    EXPECT_EQ(restated, run.Step("Step-3"));
    EXPECT_EQ("", run.Step("Step-4"));
  }
  // No restart increment: nothing restated for the restart.
  b.MutableModel().SetRestart("Job-0", "Step-1", -2, true);
  EXPECT_EQ("", BcBuilderRun(b, ajbC_RESTART).Step("Step-3"));
}

// Two conditions on one instance region share one "_PP_" set in the
// instance; an assembly region gets its set in the assembly; a name with a
// space is quoted whole; an invalid region writes neither its set nor its
// condition, with a warning.
TEST(aif_BoundaryConditionBuilder, PorePressureNodeSets) {
  hst_ModelBuilder b = BcBuilderModel({"Step-1"});
  auto pore = [&](const char* name, const rgnC_Region& region, double value) {
    kbcC_PorePressureBC condition;
    condition.SetRegion(region);
    condition.SetState("Step-1", 1, BcBuilderMagnitude(value, 1));
    b.AddBoundaryCondition(name, condition);
  };
  pore("P-1", BcBuilderRegion("Wet", {0, 1}), 5.0);
  pore("P-2", BcBuilderRegion("Wet", {0, 1}), 6.0);
  rgnC_Region assembly("Wet zone", {"Assembly"});
  assembly.SetKernelInstanceIds({1u});
  assembly.SetKernelNodeIndices(1, {2});
  pore("P-3", assembly, 7.0);
  rgnC_Region invalid = BcBuilderRegion("Gone", {3});
  invalid.SetKernelValid(false);
  pore("P-4", invalid, 8.0);

  cmdC_WIP::Clear();
  const BcBuilderRun run(b);
  EXPECT_EQ("*Nset, nset=Wet_PP_, internal\n 1, 2\n",
            BcBuilderRun::Text(run.builder.InstanceDefinition("Block-1")));
  EXPECT_EQ("*Nset, nset=\"Wet zone_PP_\", internal, instance=Block-1\n 3,\n",
            BcBuilderRun::Text(run.builder.AssemblyDefinition()));
  EXPECT_EQ(std::string(kBcBanner) +
                "** Name: P-1 Type: Pore pressure\n*Boundary\nBlock-1.Wet_PP_, 8, 8, 5.\n"
                "** Name: P-2 Type: Pore pressure\n*Boundary\nBlock-1.Wet_PP_, 8, 8, 6.\n"
                "** Name: P-3 Type: Pore pressure\n*Boundary\n\"Wet zone_PP_\", 8, 8, 7.\n",
            run.Step("Step-1"));
  EXPECT_EQ((std::vector<std::string>{
                "The pore pressure boundary condition P-4 is not written: its region is not "
                "valid."}),
            cmdC_WIP::Texts(cmdC_WIP::Kind::Warning));
}

// A substructure generation step writes the conditions it creates and the
// degrees of freedom retained by the conditions created in it. (The
// generation step makes the file flat.)
TEST(aif_BoundaryConditionBuilder, SubstructureRetainsDofs) {
  hst_ModelBuilder b = BcBuilderModel({"Step-1"});
  b.AddStep("Reduce", kprC_SubstructureGenerateStep());
  kbcC_DisplacementBC old;
  old.SetRegion(BcBuilderRegion("Base", {0}));
  old.SetState("Step-1", 1, BcBuilderDisplacement({0.0}, 1));
  old.SetState("Reduce", 2, BcBuilderDisplacement({0.0}, 2));
  b.AddBoundaryCondition("Old", old);
  kbcC_DisplacementBC held;
  held.SetRegion(BcBuilderRegion("Top", {4}));
  held.SetState("Reduce", 1, BcBuilderDisplacement({0.0, 0.0}, 1));
  b.AddBoundaryCondition("Held", held);
  for (const char* name : {"Keep", "Later"}) {
    kbcC_RetainedNodalDofsBC keep;
    keep.SetRegion(BcBuilderRegion("Top", {4}));
    keep.SetCreatedStepName(name[0] == 'K' ? "Reduce" : "Step-1");
    keep.SetStatus("Reduce", 1);
    keep.SetState("Reduce", kbcC_RetainedNodalDofsBCState({true, true, true, false, false, true}));
    b.AddBoundaryCondition(name, keep);
  }
  const BcBuilderRun run(b);
  EXPECT_EQ(std::string(kBcBanner) +
                "** Name: Held Type: Displacement/Rotation\n*Boundary\n"
                "Block-1_Top, 1, 1\nBlock-1_Top, 2, 2\n"
                "*Retained Nodal Dofs\nBlock-1_Top, 1, 3\nBlock-1_Top, 6, 6\n",
            run.Step("Reduce"));
}

// A kind the builder does not know is named by the builder; the kind it
// passes on but no boundary keyword writes is refused by the keyword. Either
// stops the write and removes the file; a read-only file stays as it was.
TEST(aif_BoundaryConditionBuilder, UnknownKindsStopTheWrite) {
  hst_ModelBuilder b = BcBuilderModel({"Step-1"});
  BcBuilderOddCondition odd;
  odd.SetRegion(BcBuilderRegion("Base", {0}));
  odd.SetState("Step-1", 1, kbcC_BCState());
  odd.SetSuppressed(true);
  b.AddBoundaryCondition("Odd one", odd);
  const aif_test::TempDeck deck("BcBuilderUnknown");
  EXPECT_EQ("", aif_test::DriverWriteError(b, deck.Path()));
  EXPECT_TRUE(std::filesystem::exists(deck.Path()));

  odd.SetSuppressed(false);
  b.AddBoundaryCondition("Odd one", odd);
  EXPECT_EQ("Unimplemented keyword for boundary condition Odd one",
            aif_test::DriverWriteError(b, deck.Path()));
  EXPECT_FALSE(std::filesystem::exists(deck.Path()));

  hst_ModelBuilder other = BcBuilderModel({"Step-1"});
  kbcC_OtherBC passed;
  passed.SetRegion(BcBuilderRegion("Base", {0}));
  passed.SetState("Step-1", 1, kbcC_BCState());
  other.AddBoundaryCondition("Other one", passed);
  std::ofstream(deck.Path()) << "old deck\n";
  EXPECT_EQ("Unimplemented boundary condition in input file.",
            aif_test::DriverWriteError(other, deck.Path()));
  EXPECT_FALSE(std::filesystem::exists(deck.Path()));

  std::ofstream(deck.Path()) << "old deck\n";
  rt_FailCall(rt_Call::WriteAccess, 1, false);
  EXPECT_EQ("", aif_test::DriverWriteError(other, deck.Path()));
  rt_ClearFaults();
  EXPECT_EQ("old deck\n", aif_test::ReadFile(deck.Path()));
}

// The flow settings reach the fluid keywords only in flow steps: a wall that
// holds the fluid at rest writes its wall distance and turbulence lines in
// the flow step, and only its velocities in a static step. A wall with
// nothing to write in a flow step files neither comment nor banner.
TEST(aif_BoundaryConditionBuilder, FlowSettingsOnlyInFlowSteps) {
  hst_ModelBuilder b = BcBuilderModel({});
  b.AddStep("Flow", kprC_FlowStep());
  b.AddStep("Static", kprC_StaticStep());
  b.Steps().SetFlowSettings(1, 1);
  for (const char* step : {"Flow", "Static"}) {
    kbcC_FluidWallConditionBC wall;
    wall.SetRegion(BcBuilderRegion("Wall", {0, 1}));
    wall.SetWallConditionType(1);
    wall.SetState(step, 1, kbcC_FluidBCState());
    b.AddBoundaryCondition(std::string("Wall-") + step, wall);
  }
  const std::string atRest =
      "*Fluid Boundary, type=Surface\nBlock-1.Wall, VELX, 0.\n"
      "Block-1.Wall, VELY, 0.\nBlock-1.Wall, VELZ, 0.\n";
  {
    const BcBuilderRun run(b);
    EXPECT_EQ(std::string(kBcBanner) + "** Name: Wall-Flow Type: Fluid wall condition\n" +
                  "*Fluid Boundary, type=Surface\nBlock-1.Wall, DIST, 0.\n" + atRest +
                  "*Fluid Boundary, type=Surface\nBlock-1.Wall, TURBNU, 0.\n",
              run.Step("Flow"));
    EXPECT_EQ(std::string(kBcBanner) + "** Name: Wall-Static Type: Fluid wall condition\n" + atRest,
              run.Step("Static"));
  }

  hst_ModelBuilder idle = BcBuilderModel({});
  idle.AddStep("Flow", kprC_FlowStep());
  idle.Steps().SetFlowSettings(1, 0);
  kbcC_FluidWallConditionBC still;
  still.SetRegion(BcBuilderRegion("Wall", {0, 1}));
  still.SetState("Flow", 1, kbcC_FluidBCState());
  idle.AddBoundaryCondition("Still", still);
  EXPECT_EQ("", BcBuilderRun(idle).Step("Flow"));
}

// Driven submodel conditions of a step share one comment and the first
// one's header, and compatible ones one "*Submodel"; a fixed one stands on
// its own. A connector motion is filed with its comment.
TEST(aif_BoundaryConditionBuilder, SubmodelGroupsAndConnectorMotion) {
  hst_ModelBuilder b = BcBuilderModel({"Step-1"});
  auto submodel = [&](const char* name, const char* set, bool fixed) {
    kbcC_SubmodelBC condition;
    condition.SetRegion(BcBuilderRegion(set, {0}));
    condition.SetGlobalElset("Global");
    kbcC_SubmodelBCState state;
    state.SetSubmodel("Step-9", false, fixed, 0, 1.0);
    state.SetDofs({1, 2}, 1);
    condition.SetState("Step-1", 1, state);
    b.AddBoundaryCondition(name, condition);
  };
  submodel("A", "Base", false);
  submodel("B", "Top", false);
  submodel("C", "Side", true);
  kbcC_ConnDisplacementBC motion;
  motion.SetRegion(rgnC_Region("Wire", {"Assembly"}));
  kbcC_ConnDisplacementBCState pulled;
  pulled.SetComponent(0, 0.5, 1);
  motion.SetState("Step-1", 1, pulled);
  b.AddBoundaryCondition("Pull", motion);

  const BcBuilderRun run(b);
  EXPECT_EQ(std::string(kBcBanner) +
                "** Name: C Type: Submodel\n*Boundary, fixed\n"
                "Block-1.Side, 1, 1\nBlock-1.Side, 2, 2\n"
                "** Name: Pull Type: Connector displacement\n"
                "*Connector Motion\nWire, 1, 0.5\n"
                "** Name: A, B Type: Submodel\n*Boundary, submodel, step=Step-9\n"
                "Block-1.Base, 1, 1\nBlock-1.Base, 2, 2\nBlock-1.Top, 1, 1\nBlock-1.Top, 2, 2\n",
            run.Step("Step-1"));
  EXPECT_EQ(
      "*Submodel, type=NODE, global elset=Global\n"
      "Block-1.Base, \nBlock-1.Top, \nBlock-1.Side, \n",
      BcBuilderRun::Text(run.builder.AssemblyDefinition()));
}

// Bolt loads in steps without load cases: an adjusted length is written, a
// force is not; a bolt whose region is not valid keeps its comment only;
// a change back to a force ends the boundary (its method change restates the
// step).
TEST(aif_BoundaryConditionBuilder, BoltLoadBoundaries) {
  hst_ModelBuilder b = BcBuilderModel({"Step-1", "Step-2"});
  auto bolt = [&](const char* name, const rgnC_Region& region, kloC_BoltLoadMethodEnm method) {
    kloC_BoltLoad load;
    load.SetRegion(region);
    kloC_LoadState first(1, {});
    first.SetMethod(method, 1, false);
    first.SetLength(0.25, 1);
    load.SetState("Step-1", 1, first);
    kloC_LoadState second(3, {});
    second.SetMethod(kloC_APPLY_FORCE, 1, method != kloC_APPLY_FORCE);
    load.SetState("Step-2", 3, second);
    b.AddLoad(name, load);
  };
  bolt("A", BcBuilderRegion("Shank", {0}), kloC_ADJUST_LENGTH);
  bolt("B", BcBuilderRegion("Shank", {0}), kloC_APPLY_FORCE);
  rgnC_Region gone = BcBuilderRegion("Gone", {1});
  gone.SetKernelValid(false);
  bolt("C", gone, kloC_FIX_LENGTH);

  const BcBuilderRun run(b);
  EXPECT_EQ(std::string(kBcBanner) +
                "** Name: A Type: Bolt load\n*Boundary\n_A_blrn_, 1, 1, 0.25\n"
                "** Name: C Type: Bolt load\n",
            run.Step("Step-1"));
  EXPECT_EQ(std::string(kBcBanner) +
                "** Name: A Type: Bolt load\n*Boundary, op=NEW\n"
                "** Name: C Type: Bolt load\n",
            run.Step("Step-2"));
}
