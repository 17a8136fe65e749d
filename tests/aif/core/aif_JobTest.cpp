// The job and optimization-process wrappers: what they report of the host
// objects and models they were built from, and what their clones share.

#include "aif/impl/core/aif_Job.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "HostModules/hst_ModelBuilder.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_OptimizationProcess.h"

namespace {

// The text of the host error `f` throws.
template <class F>
std::string ThrownText(F&& f) {
  try {
    f();
  } catch (const nex_TextException& e) {
    return e.Text().Str();
  }
  return "nothing thrown";
}

TEST(aif_JobTest, KindProductAndRestartOfBothJobKinds) {
  ajbC_InputFileJob restart("/tmp/deck.inp");
  restart.SetJobType(ajbC_RESTART);
  const aif_Job fromInputFile("Job-1", restart);
  EXPECT_EQ(1, fromInputFile.Kind());
  EXPECT_EQ(kprC_INPUT_FILE, fromInputFile.AnalysisProduct());
  EXPECT_TRUE(fromInputFile.IsRestart());
  // The handle holds a copy of the job, of the job's own class.
  EXPECT_EQ("/tmp/deck.inp",
            dynamic_cast<const ajbC_InputFileJob&>(fromInputFile.JobObject()).InputFile().Str());

  hst_ModelBuilder builder;
  builder.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  bas_NewModel model = builder.Model();
  model.SetPreamble("first");
  const aif_Job fromModel("Job-2", builder.Job(ajbC_RECOVER), model);
  model.SetPreamble("changed");
  EXPECT_EQ(0, fromModel.Kind());
  EXPECT_EQ(kprC_EXPLICIT, fromModel.AnalysisProduct());
  EXPECT_FALSE(fromModel.IsRestart());
  EXPECT_EQ("first", fromModel.Model().Preamble().Str());  // a copy, not the caller's model

  // A step repository of another class fails the type test of the wrapper.
  model.SetExtension(bas_NewModel::stepCmd, std::make_shared<mdl_MapString2ObjCow<kloC_Load>>());
  const aif_Job job("Job-3", builder.Job(), model);
  EXPECT_EQ(
      "Type test failed: the object is not a kprC_StepContainer (source file "
      "module/aif/impl/aif_Job, line 25).",
      ThrownText([&] { job.AnalysisProduct(); }));
  const aif_OptimizationProcess process("Opt-1", ajbC_Optimization("Model-1", "Task-1"), model);
  EXPECT_EQ(
      "Type test failed: the object is not a kprC_StepContainer (source file "
      "module/aif/impl/aif_OptimizationProcess, line 22).",
      ThrownText([&] { process.AnalysisProduct(); }));
}

TEST(aif_JobTest, ClonesShareTheHostObjectAndOutliveTheOriginal) {
  hst_ModelBuilder builder;
  builder.Steps().SetAnalysisProduct(kprC_CFD);
  const bas_NewModel model = builder.Model();
  auto job = std::make_unique<aif_Job>("Job-1", builder.Job(ajbC_RESTART), model);
  std::unique_ptr<akw_Job> clone(job->Clone());
  EXPECT_TRUE(dynamic_cast<const aif_Job&>(*clone).JobHandle().SharesWith(job->JobHandle()));
  job.reset();  // the clone reads its own model
  EXPECT_EQ(kprC_CFD, clone->AnalysisProduct());
  EXPECT_TRUE(clone->IsRestart());

  auto process = std::make_unique<aif_OptimizationProcess>(
      "Opt-1", ajbC_Optimization("Model-1", "Task-1"), model);
  std::unique_ptr<akw_OptimizationProcess> processClone(process->Clone());
  EXPECT_TRUE(dynamic_cast<const aif_OptimizationProcess&>(*processClone)
                  .OptimizationHandle()
                  .SharesWith(process->OptimizationHandle()));
  process.reset();
  EXPECT_EQ("Task-1", processClone->OptimizationObject().TaskName().Str());
  EXPECT_EQ(kprC_CFD, processClone->AnalysisProduct());
}

}  // namespace
