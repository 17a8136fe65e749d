#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "BasMem/mem_Allocator.h"
#include "HostModules/hst_ModelBuilder.h"
#include "HostModules/hst_Modules.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kut_KernelChecks.h"
#include "VwrCmd/cmdC_WIP.h"
#include "chk/impl/chk_CosimulationCheck.h"
#include "chk/impl/chk_FullModelCheck.h"
#include "chk/impl/chk_FullTaskCheck.h"

namespace {

// Each registered check as "name" or "name(arguments)".
std::vector<std::string> RegisteredChecksOf(const kut_CheckControl& control) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < control.CheckCount(); ++i) {
    std::string line = control.CheckName(i).Str();
    const kut_Check& check = control.RegisteredCheck(i);
    if (check.ModelName() != "Model-1") line += " on " + check.ModelName().Str();
    std::string arguments;
    if (auto* kernel = dynamic_cast<const kut_RecordingCheck<kinK_InteractionCheck>*>(&check))
      arguments = kernel->Arguments().front();
    if (auto* kernel = dynamic_cast<const kut_RecordingCheck<karK_RemeshingRuleCheck>*>(&check))
      arguments = kernel->Arguments().front();
    if (auto* kernel = dynamic_cast<const kut_RecordingCheck<kopK_OptimizationCheck>*>(&check))
      arguments = kernel->Arguments().front();
    if (!arguments.empty()) line += "(" + arguments + ")";
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> ModelChecksInOrder(bool adaptivity) {
  std::vector<std::string> lines{"chk_MeshCheck",
                                 "chk_RigidSurfaceCheck",
                                 "chk_TransformsCheck",
                                 "kfdK_FieldCheck",
                                 "kseK_CompositeLayupCheck",
                                 "kseK_MaterialOrientationCheck",
                                 "kseK_SectionAssignmentCheck",
                                 "kinK_InteractionCheck(true)",
                                 "chk_BeamSectionsCheck",
                                 "kcoK_ConstraintContainerCheck",
                                 "kprK_StepContainerCheck",
                                 "kmaK_MaterialContainerCheck",
                                 "kloK_LoadCheck",
                                 "kbcK_BCCheck",
                                 "klcK_StepContainerCheck",
                                 "chk_FieldOutputCheck",
                                 "chk_HistoryOutputCheck",
                                 "chk_ConstraintCheck",
                                 "kcnK_ConnectorCheck",
                                 "chk_PhysicalConstantsCheck",
                                 "kpfK_FieldCheck"};
  if (!adaptivity) lines.push_back("chk_RestartReadCheck");
  lines.push_back("chk_CrackCheck");
  lines.push_back("chk_IntegratedOutputSectionCheck");
  lines.push_back("chk_StepCheck");
  lines.push_back("chk_EngineeringFeaturesCheck");
  lines.push_back("chk_BCCheck");
  lines.push_back("chk_RestartTransformsCheck");
  lines.push_back(adaptivity ? "karK_RemeshingRuleCheck(true)" : "karK_RemeshingRuleCheck(false)");
  if (adaptivity) lines.push_back("chk_AdaptivityModelCheck");
  return lines;
}

}  // namespace

// Both forms register their checks in one order, between the progress
// object's start (with no text) and completion; the restart-read check only
// in the job form, the remeshing rule check with the form's setting.
TEST(chk_CheckControlTest, FullModelCheckRegistersInOrder) {
  hst_ModelBuilder b("Model-1");
  bas_NewModel model = b.Model();
  cmdC_WIP::Clear();
  chk_FullModelCheck jobForm(model, "Model-1", b.Job(), "Job-1", true);
  EXPECT_EQ(ModelChecksInOrder(false), RegisteredChecksOf(jobForm));
  EXPECT_EQ((std::vector<cmdC_WIP::Record>{{cmdC_WIP::Kind::ProcessStart, ""},
                                           {cmdC_WIP::Kind::ProcessComplete, ""}}),
            cmdC_WIP::Records());

  cmdC_WIP::Clear();
  chk_FullModelCheck adaptivityForm(model, "Model-1", ajbC_Adaptivity(b.Job()), true);
  EXPECT_EQ(ModelChecksInOrder(true), RegisteredChecksOf(adaptivityForm));
  EXPECT_EQ((std::vector<cmdC_WIP::Record>{{cmdC_WIP::Kind::ProcessStart, ""},
                                           {cmdC_WIP::Kind::ProcessComplete, ""}}),
            cmdC_WIP::Records());
  cmdC_WIP::Clear();

  // The framework runs the clones in the order of registration.
  hst_CallLog::Clear();
  adaptivityForm.RunChecks();
  std::vector<std::string> ran = hst_CallLog::Calls();
  hst_CallLog::Clear();
  std::vector<std::string> expected = ModelChecksInOrder(true);
  // The system's own checks record nothing.
  std::erase_if(expected, [](const std::string& name) { return name.starts_with("chk_"); });
  expected[4] = "kinK_InteractionCheck";  // the flag is not part of the name
  expected.back() = "karK_RemeshingRuleCheck";
  EXPECT_EQ(expected, ran);
}

// The task control registers the five task checks with the task's name and
// leaves the progress object alone.
TEST(chk_CheckControlTest, FullTaskCheckRegistersTheTaskChecks) {
  hst_ModelBuilder b("Model-1");
  cmdC_WIP::Clear();
  chk_FullTaskCheck control(b.Model(), "Model-1", "Task-1");
  EXPECT_EQ((std::vector<std::string>{"kopK_OptimizationCheck(Task-1)", "kopK_DesignResponseCheck",
                                      "kopK_ObjectiveFunctionCheck", "kopK_ConstraintCheck",
                                      "kopK_GeometricRestrictionCheck"}),
            RegisteredChecksOf(control));
  EXPECT_TRUE(cmdC_WIP::Records().empty());
  EXPECT_TRUE(control.Errors().IsEmpty());
}

// A missing master or slave model is the control's own error and nothing is
// registered: the master first, then the first missing slave only.
TEST(chk_CheckControlTest, CosimulationNeedsItsModelsInTheDatabase) {
  hst_ModelBuilder("Cosim-Master").Model();
  hst_ModelBuilder("Cosim-Slave").Model();
  auto errorsOf = [](const kut_CheckControl& control) { return chk_test::Texts(control.Errors()); };

  chk_CosimulationCheck bothMissing(ajbC_Coexecution("No-Master", {"No-Slave"}));
  EXPECT_EQ((std::vector<std::string>{"Master model No-Master referenced in the\nco-execution "
                                      "cannot be found in the database.\n"}),
            errorsOf(bothMissing));
  EXPECT_EQ(0u, bothMissing.CheckCount());

  chk_CosimulationCheck emptyMaster(ajbC_Coexecution("", {}));
  EXPECT_EQ((std::vector<std::string>{"Master model  referenced in the\nco-execution cannot be "
                                      "found in the database.\n"}),
            errorsOf(emptyMaster));

  chk_CosimulationCheck twoSlavesMissing(
      ajbC_Coexecution("Cosim-Master", {"Cosim-Slave", "Gone-1", "Gone-2"}));
  EXPECT_EQ((std::vector<std::string>{"Slave model Gone-1 referenced in the\nco-execution cannot "
                                      "be found in the database.\n"}),
            errorsOf(twoSlavesMissing));
  EXPECT_EQ(0u, twoSlavesMissing.CheckCount());

  chk_CosimulationCheck found(ajbC_Coexecution("Cosim-Master", {"Cosim-Slave"}));
  EXPECT_TRUE(found.Errors().IsEmpty());
  EXPECT_EQ((std::vector<std::string>{"kinK_CosimulationCheck on Cosim-Master"}),
            RegisteredChecksOf(found));
  bas_Basis::Instance().Fetch().RemoveModel("Cosim-Master");
  bas_Basis::Instance().Fetch().RemoveModel("Cosim-Slave");
}

// The job and its name may be gone before the framework runs the checks:
// the registered checks carry what they read (under the sanitizers a kept
// reference is a read after the end of its scope).
TEST(chk_CheckControlTest, ChecksOutliveTheCallersJob) {
  hst_ModelBuilder b("Model-1");
  b.MutableModel().SetRestart("Job-Old", "Initial", -2, false);
  // An explicit analysis whose section defines point motion: a restart job
  // is warned about it.
  b.AddStep("Step-1", kprC_ExplicitDynamicsStep());
  korC_IntegratedOutputSection section;
  section.SetSurfaceRegion(rgnC_Region("Surf-1", {"Assembly"}));
  section.SetRefNodeRegion(rgnC_Region("RP-1", {"Assembly"}));
  b.AddIntegratedOutputSection("Section-1", section);
  const std::string pointMotion =
      "Point motion is defined in the following integrated output\nsections but is ignored "
      "during restart analyses:\n Section-1\n";
  auto registered = [](const kut_CheckControl& control, const char* name) {
    const kut_Check* check = nullptr;
    for (std::size_t i = 0; i < control.CheckCount(); ++i)
      if (control.CheckName(i) == name) check = &control.RegisteredCheck(i);
    return check;
  };

  std::unique_ptr<chk_FullModelCheck> control;
  {
    ajbC_ModelJob job = b.Job(ajbC_RESTART);
    std::string name = "Job-Old";
    control =
        std::make_unique<chk_FullModelCheck>(b.Model(), "Model-1", job, cow_String(name), false);
  }
  control->RunChecks();
  const kut_Check* restart = registered(*control, "chk_RestartReadCheck");
  ASSERT_NE(nullptr, restart);
  ASSERT_EQ(1u, restart->Errors().Length());
  EXPECT_EQ(
      "To restart from the results of Job-Old,\nold and new Jobs must have a different "
      "name.\nCreate a new Job or rename the current one.",
      restart->Errors()[0].Str());
  const kut_Check* sections = registered(*control, "chk_IntegratedOutputSectionCheck");
  ASSERT_NE(nullptr, sections);
  ASSERT_EQ(1u, sections->Warnings().Length());
  EXPECT_EQ(pointMotion, sections->Warnings()[0].Str());

  // The adaptivity form hands the process's job to the section check; the
  // process may be gone too.
  std::unique_ptr<chk_FullModelCheck> adaptivity;
  {
    ajbC_Adaptivity process(b.Job(ajbC_RESTART));
    adaptivity = std::make_unique<chk_FullModelCheck>(b.Model(), "Model-1", process, false);
  }
  adaptivity->RunChecks();
  const kut_Check* adaptivitySections = registered(*adaptivity, "chk_IntegratedOutputSectionCheck");
  ASSERT_NE(nullptr, adaptivitySections);
  ASSERT_EQ(1u, adaptivitySections->Warnings().Length());
  EXPECT_EQ(pointMotion, adaptivitySections->Warnings()[0].Str());
  cmdC_WIP::Clear();
}

// Every allocation failure while the control registers its checks reaches
// the caller; the construction that goes through registers them all.
TEST(chk_CheckControlTest, AllocationFaultsReachTheCaller) {
  hst_ModelBuilder b("Model-1");
  bas_NewModel model = b.Model();
  ajbC_ModelJob job = b.Job();
  for (long n = 1;; ++n) {
    mem_FailAllocation(n, false);
    std::unique_ptr<chk_FullModelCheck> control;
    bool failed = false;
    try {
      control = std::make_unique<chk_FullModelCheck>(model, "Model-1", job, "Job-1", true);
    } catch (const std::bad_alloc&) {
      failed = true;
    }
    mem_ClearFault();
    if (!failed) {
      EXPECT_EQ(ModelChecksInOrder(false), RegisteredChecksOf(*control));
      EXPECT_GT(n, 15);
      break;
    }
    ASSERT_LT(n, 1000) << "the construction never completes";
  }
  cmdC_WIP::Clear();
}
