// Whole parameter files written through the driver: golden files of a
// topology and a shape task, a task the model lacks, the identifier
// registry of each write, failures and the fault loops.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "BasMem/mem_Allocator.h"
#include "MSVCR90/rt_Runtime.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_KestBuilder.h"
#include "aif/impl/optimization/aif_KestLines.h"
#include "aif_KestTestSupport.h"
#include "support/aif_TestSupport.h"

namespace {

using aif_kest_test::Context;
using aif_test::ReadFile;

// The optimization object of the file tests: 30 iterations, a description,
// the solver input file Job-1.inp.
ajbC_Optimization KestFileOptimization(const cow_String& task = "Task-1") {
  ajbC_Optimization opt = aif_kest_test::Optimization(task);
  opt.SetIterationLimit(30);
  opt.SetDescription("Lighter plate");
  opt.SetInputBaseName("Job-1");
  return opt;
}

// A step "Step-1" with the load cases "Heavy" and "Light" after the
// initial step.
kopC_StepOption KestFileOption(const char* step, const char* loadCase) {
  kopC_StepOption option;
  option.SetStepName(step);
  option.SetLoadCaseName(loadCase);
  return option;
}

// A topology task on the plate: the design set, the sensitivity form with a
// filter radius, a local stop condition named like the task, a stop
// condition of another kind (its banner alone) and a suppressed one. Its
// objective minimizes a weighted sum of the compliance and the stress (in
// Csys-1) under a bound on the stress; a frozen clamp, ribs of a member
// size and a mirror plane restrict the design.
hst_ModelBuilder KestTopologyModel() {
  aif_kest_test::KestVariables();
  hst_ModelBuilder b = aif_kest_test::PlateModel();
  b.AddStep("Step-1", kprC_StaticStep(), {"Heavy", "Light"});
  kopC_TopologyTask task;
  task.SetDesignRegion(rgnC_Region("Design", {"Plate-1"}, 2));
  task.SetAlgorithm(2);
  task.SetAlgorithmKind(1);
  task.SetFreezeLoadRegions(true);
  task.SetFilterRadius(0.8);
  kopC_LocalStopCondition stop;
  stop.SetMeasureType(1);
  stop.SetComparison(3);
  stop.SetReferenceValue(1.5);
  stop.SetReferenceOperation(2);
  stop.SetReferenceBase(1);
  kopC_LocalStopCondition off;
  off.SetSuppressed(true);
  task.Add("Task-1", stop).Add("Global-Other", kopC_StopCondition()).Add("Off", off);

  kopC_SingleTermDesignResponse compliance;
  compliance.SetVariableName("ENERGY");
  compliance.SetRegion(rgnC_Region("Design", {"Plate-1"}, 2));
  compliance.SetGroupOperator(3);
  compliance.SetLoadCaseSelection(1);
  compliance.SetStepOptions({KestFileOption("Step-1", "Heavy"), KestFileOption("Step-1", "Light")});
  kopC_SingleTermDesignResponse stress;
  stress.SetVariableName("SIG_MISES");
  stress.SetGroupOperator(1);
  stress.SetCsys(aif_kest_test::Datum("Csys-1"));
  kopC_StepOption anyStatic;
  anyStatic.SetAnalysisKind(1);
  anyStatic.SetAll(false);
  anyStatic.SetLast(5);
  stress.SetStepOptions({anyStatic});
  kopC_CombinedTermDesignResponse weighted;
  weighted.SetOperator(6);
  weighted.SetVariables({"Compliance", "Stress"});
  weighted.SetWeights({1.0, 0.5});
  task.Add("Compliance", compliance).Add("Stress", stress).Add("Weighted", weighted);
  kopC_Objective term;
  term.SetDesignResponse("Weighted");
  kopC_KestObjectiveFunction objective;
  objective.SetTerms({term});
  kopC_KestConstraint bound;
  bound.SetDesignResponse("Stress");
  bound.SetRelation(3);
  bound.SetValue(0.4);
  task.Add("Stiff", objective).Add("Stress-Bound", bound);

  kopC_FrozenArea clamp;
  clamp.SetRegion(rgnC_Region("Clamp", {"Plate-1"}, 2));
  kopC_TopologyMemberSize ribs;
  ribs.SetSizeKind(2);
  ribs.SetMinThickness(0.5);
  ribs.SetMaxThickness(2.0);
  ribs.SetDistance(4.0);
  kopC_TopologyPlanarSymmetry mirror;
  mirror.SetAxis(1);
  mirror.SetCsys(aif_kest_test::Datum("Csys-1"));
  task.Add("Clamp", clamp).Add("Ribs", ribs).Add("Mirror", mirror);
  b.AddTask("Task-1", task);
  return b;
}

// A shape task: its design set, the boundary-condition check, node-layer
// smoothing and a stop condition.
hst_ModelBuilder KestShapeModel() {
  aif_kest_test::KestVariables();
  hst_ModelBuilder b = aif_kest_test::PlateModel();
  kopC_ShapeTask task;
  task.SetDesignRegion(rgnC_Region("Surface Nodes", {"Plate-1"}, 4));
  task.SetAlgorithm(4);
  task.SetCheckBoundaryConditions(true);
  task.SetCheckFeasibleStart(true);
  task.SetCheckRegion(rgnC_Region("Loaded", {"Plate-1"}, 4));
  task.SetSmoothingRegionKind(2);
  task.SetSmoothingNodeRegion(rgnC_Region("Around", {"Plate-1"}, 4));
  task.SetSmoothingLayers(3);
  task.SetQualityLevel(2);
  kopC_LocalStopCondition stop;
  stop.SetRegion(rgnC_Region("Surface Nodes", {"Plate-1"}, 4));
  stop.SetQuantity(3);
  stop.SetReferenceValue(0.1);
  task.Add("Stop-Move", stop);

  kopC_SingleTermDesignResponse disp;
  disp.SetVariableName("DISP");
  disp.SetRegion(rgnC_Region("Surface Nodes", {"Plate-1"}, 4));
  disp.SetGroupOperator(1);
  kopC_Objective term;
  term.SetDesignResponse("Disp");
  term.SetSecondValue(0.0);
  kopC_KestObjectiveFunction objective;
  objective.SetTerms({term});
  task.Add("Disp", disp).Add("Min-Disp", objective);
  kopC_FixedRegion fixed;
  fixed.SetRegion(rgnC_Region("Loaded", {"Plate-1"}, 4));
  fixed.SetCsys(aif_kest_test::Datum("Cyl"));
  fixed.SetFixed1(true);
  fixed.SetFixed2(true);
  kopC_Growth growth;
  growth.SetGrowthLimit(0.5);
  kopC_TurnControl turn;
  turn.SetMasterKind(2);
  turn.SetMasterRegion(rgnC_Region("Axis", {"Plate-1"}, 4));
  turn.SetDirection(gsl_ModelSegment(gsl_Point(0, 0, 0), gsl_Point(0, 0, 2)));
  turn.SetTolerance1(0.01);
  turn.SetTolerance2(0.01);
  turn.SetTolerance3(0.1);
  task.Add("Fixed", fixed).Add("Limit", growth).Add("Turn", turn);
  b.AddTask("Task-1", task);
  return b;
}

class aif_KestFile : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = (std::filesystem::temp_directory_path() /
             ("aif_KestFile." + std::to_string(getpid()) + ".par"))
                .string();
  }
  void TearDown() override {
    rt_ClearFaults();
    mem_ClearFault();
    std::filesystem::remove(path_);
  }

  // The file the driver writes for `b`'s task, with the extra line `extra`.
  std::string Write(const hst_ModelBuilder& b,
                    const ajbC_Optimization& opt = KestFileOptimization(),
                    const cow_String& extra = "") {
    Context c(b, opt);
    aif_KestBuilder kest(c.Info());
    EXPECT_TRUE(kest.WriteInputFile(path_, extra, false, true));
    return ReadFile(path_);
  }

  // The message of the error that stops the write of `b`'s task.
  std::string WriteError(const hst_ModelBuilder& b) {
    Context c(b, KestFileOptimization());
    aif_KestBuilder kest(c.Info());
    try {
      kest.WriteInputFile(path_, "", false, true);
    } catch (const aif_Exception& e) {
      return e.Message().Str();
    }
    return std::string();
  }

  std::string path_;
};

TEST_F(aif_KestFile, GoldenTopologyTask) {
  aif_test::ExpectGolden(Write(KestTopologyModel()), "aif/optimization/golden/topology_task.par");
}

TEST_F(aif_KestFile, GoldenShapeTask) {
  aif_test::ExpectGolden(Write(KestShapeModel(), KestFileOptimization(), "DRIVER 2"),
                         "aif/optimization/golden/shape_task.par");
}

TEST_F(aif_KestFile, ATaskTheModelLacksGivesTheHeadingAndFemInputAlone) {
  EXPECT_EQ(
      "! Lighter plate\n!\n! Optimization Process name: Opt-1\n! Model name: Model-1\n"
      "! Task name: Task-2\n! Generated by: Model Pre-processor 1.0\nFEM_INPUT\n"
      "  ID_NAME = Job-1_INP_\n  FILE = Job-1.inp\nEND_\nDRIVER\nEXIT\n",
      Write(KestShapeModel(), KestFileOptimization("Task-2"), "DRIVER"));
}

TEST_F(aif_KestFile, EachWriteStartsWithAnEmptyRegistryAndTwoWritesAgree) {
  Context c(KestTopologyModel(), KestFileOptimization());
  aif_KestBuilder kest(c.Info());
  // A name left over from earlier use of the context owns nothing now.
  aif_KestIdName(c.Info(), "Task-1", aif_kKestStopCondition);
  ASSERT_TRUE(kest.WriteInputFile(path_, "", false, true));
  const std::string first = ReadFile(path_);
  EXPECT_NE(std::string::npos, first.find("OPTIMIZE\n  ID_NAME = Task-1\n"));
  EXPECT_NE(std::string::npos,
            first.find("STOP\n  ID_NAME = Task-1_STOPCOND_\n  OPTIMIZE = Task-1\n"));
  ASSERT_TRUE(kest.WriteInputFile(path_, "", false, true));
  EXPECT_EQ(first, ReadFile(path_));
}

TEST_F(aif_KestFile, ADatumThatIsNoSystemStopsTheWriteAndLeavesNoFile) {
  hst_ModelBuilder b = KestShapeModel();
  kopC_ShapeTask task = static_cast<const kopC_ShapeTask&>(Context(b).Task());
  kopC_FixedRegion fixed;
  fixed.SetCsys(aif_kest_test::Datum("Point"));
  task.Add("Fixed", fixed);
  b.AddTask("Task-1", task);
  std::ofstream(path_) << "old parameters\n";
  EXPECT_EQ("Wrong datum type. Expected CSYS.", WriteError(b));
  EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(aif_KestFile, ALoadFixationOrAShortCombineStopsTheWriteAndLeavesNoFile) {
  hst_ModelBuilder b = KestTopologyModel();
  kopC_TopologyTask task = static_cast<const kopC_TopologyTask&>(Context(b).Task());
  kopC_TopologyTask fixation = task;
  fixation.Add("Held Load", kopC_LoadFixation());
  b.AddTask("Task-1", fixation);
  std::ofstream(path_) << "old parameters\n";
  EXPECT_EQ("Unimplemented geometric restriction input file writing method Held Load",
            WriteError(b));
  EXPECT_FALSE(std::filesystem::exists(path_));

  kopC_CombinedTermDesignResponse shortWeights;
  shortWeights.SetOperator(6);
  shortWeights.SetVariables({"Compliance", "Stress"});
  shortWeights.SetWeights({1.0});
  task.Add("Weighted", shortWeights);
  b.AddTask("Task-1", task);
  std::ofstream(path_) << "old parameters\n";
  EXPECT_EQ("The combined design response Weighted has fewer weights than variables.",
            WriteError(b));
  EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(aif_KestFile, AReferenceToAResponseWithoutABlockIsRefusedAndNoFileLeft) {
  // Builders share their model: each case starts from a new one.
  const auto topology = [] {
    return static_cast<const kopC_TopologyTask&>(Context(KestTopologyModel()).Task());
  };
  const std::string lacking = ", which the task does not hold or holds suppressed.";
  const auto refused = [&](const kopC_TopologyTask& task, const std::string& message) {
    hst_ModelBuilder b = KestTopologyModel();
    b.AddTask("Task-1", task);
    std::filesystem::remove(path_);
    EXPECT_EQ(message, WriteError(b));
    EXPECT_FALSE(std::filesystem::exists(path_));
    std::ofstream(path_) << "old parameters\n";
    EXPECT_EQ(message, WriteError(b));
    EXPECT_FALSE(std::filesystem::exists(path_));
  };
  // The bound's response suppressed; the objective's combined response
  // naming one the task lacks; an objective term on a missing response.
  kopC_TopologyTask task = topology();
  kopC_SingleTermDesignResponse stress =
      static_cast<const kopC_SingleTermDesignResponse&>(task.DesignResponses().ConstGet("Stress"));
  kopC_SingleTermDesignResponse stressOff = stress;
  stressOff.SetSuppressed(true);
  kopC_TopologyTask suppressed = task;
  suppressed.Add("Stress", stressOff);
  // The combined response is met first, then the constraint.
  refused(suppressed, "The combined design response Weighted combines the design response Stress" +
                          lacking);
  kopC_CombinedTermDesignResponse weighted;
  weighted.SetOperator(6);
  weighted.SetVariables({"Compliance"});
  weighted.SetWeights({1.0});
  suppressed.Add("Weighted", weighted);
  refused(suppressed, "The constraint Stress-Bound bounds the design response Stress" + lacking);
  kopC_TopologyTask missing = task;
  weighted.SetVariables({"Compliance", "Strain"});
  weighted.SetWeights({1.0, 1.0});
  missing.Add("Weighted", weighted);
  refused(missing, "The combined design response Weighted combines the design response Strain" +
                       lacking);
  kopC_Objective onMass;
  onMass.SetDesignResponse("Mass");
  kopC_KestObjectiveFunction lighter;
  lighter.SetTerms({onMass});
  kopC_TopologyTask term = task;
  term.Add("Lighter", lighter);
  refused(term, "The objective function Lighter names the design response Mass" + lacking);

  // Suppressed objectives and constraints and excluded terms on such
  // responses are passed over: the file is the task's without them.
  const std::string complete = Write(KestTopologyModel());
  kopC_TopologyTask quiet = task;
  lighter.SetSuppressed(true);
  onMass.SetExcluded(true);
  kopC_KestObjectiveFunction excluded;
  excluded.SetTerms({onMass});
  excluded.SetSuppressed(false);
  kopC_KestConstraint bound;
  bound.SetDesignResponse("Mass");
  bound.SetSuppressed(true);
  kopC_CombinedTermDesignResponse combinedOff;
  combinedOff.SetVariables({"Mass"});
  combinedOff.SetWeights({1.0});
  combinedOff.SetSuppressed(true);
  quiet.Add("Lighter", lighter).Add("Mass-Bound", bound).Add("Mass-Sum", combinedOff);
  hst_ModelBuilder b = KestTopologyModel();
  b.AddTask("Task-1", quiet);
  EXPECT_EQ(complete, Write(b));
  quiet.Add("Lighter-Excluded", excluded);
  b.AddTask("Task-1", quiet);
  const std::string withExcluded = Write(b);
  EXPECT_NE(std::string::npos,
            withExcluded.find("OBJ_FUNC\n  ID_NAME = Lighter-Excluded\n  TARGET = MIN\nEND_\n"));
}

TEST_F(aif_KestFile, ALinkWhoseMasterGivesNoNodeGroupStopsTheWriteAndLeavesNoFile) {
  hst_ModelBuilder b = KestShapeModel();
  kopC_ShapeTask task = static_cast<const kopC_ShapeTask&>(Context(b).Task());
  kopC_TurnControl turn =
      static_cast<const kopC_TurnControl&>(task.GeometricRestrictions().ConstGet("Turn"));
  turn.SetMasterRegion(rgnC_Region("Skin", {"Plate-1"}, 8));
  task.Add("Turn", turn);
  b.AddTask("Task-1", task);
  std::ofstream(path_) << "old parameters\n";
  EXPECT_EQ("The master region of the shape restriction Turn_LINK_ gives no node group.",
            WriteError(b));
  EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(aif_KestFile, EveryFaultLeavesNoFile) {
  const hst_ModelBuilder b = KestTopologyModel();
  const std::string complete = Write(b);
  std::filesystem::remove(path_);
  Context c(b, KestFileOptimization());
  aif_KestBuilder kest(c.Info());
  for (long n = 1;; ++n) {
    rt_FailCall(rt_Call::Write, n, false);
    bool written = false;
    std::string error;
    try {
      written = kest.WriteInputFile(path_, "", false, true);
    } catch (const aif_Exception& e) {
      error = e.Message().Str();
    }
    rt_ClearFaults();
    if (written) break;
    EXPECT_EQ(
        "The input file " + path_ + " could not be written completely (the disk may be full).",
        error);
    EXPECT_FALSE(std::filesystem::exists(path_)) << "write " << n;
    ASSERT_LT(n, 10) << "the write never completes";
  }
  EXPECT_EQ(complete, ReadFile(path_));
  std::filesystem::remove(path_);
  for (long n = 1;; ++n) {
    mem_FailAllocation(n, false);
    bool written = false;
    try {
      written = kest.WriteInputFile(path_, "", false, true);
    } catch (const nex_OutOfMemoryException& e) {
      EXPECT_EQ("Out of memory.", e.UserReport().Str());
    }
    mem_ClearFault();
    if (written) break;
    EXPECT_FALSE(std::filesystem::exists(path_)) << "allocation " << n;
    ASSERT_LT(n, 100000) << "the write never completes";
  }
  EXPECT_EQ(complete, ReadFile(path_));
}

}  // namespace
