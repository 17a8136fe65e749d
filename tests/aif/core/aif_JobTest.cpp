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

TEST(aif_JobTest, InputFileJobIsProductThreeModelJobAsksItsStepContainer) {
  const ajbC_InputFileJob inputFile("/tmp/deck.inp");
  const aif_Job fromInputFile("Job-1", inputFile);
  EXPECT_EQ(1, fromInputFile.Kind());
  EXPECT_EQ(kprC_INPUT_FILE, fromInputFile.AnalysisProduct());
  // The handle holds a copy of the job, of the job's own class.
  const auto* held = dynamic_cast<const ajbC_InputFileJob*>(&fromInputFile.JobObject());
  ASSERT_NE(nullptr, held);
  EXPECT_NE(&inputFile, held);
  EXPECT_EQ("/tmp/deck.inp", held->InputFile().Str());

  hst_ModelBuilder builder;
  builder.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  bas_NewModel model = builder.Model();
  model.SetPreamble("first");
  const aif_Job fromModel("Job-2", builder.Job(), model);
  model.SetPreamble("changed");
  EXPECT_EQ(0, fromModel.Kind());
  EXPECT_EQ("Job-2", fromModel.Name().Str());
  EXPECT_EQ(kprC_EXPLICIT, fromModel.AnalysisProduct());
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

TEST(aif_JobTest, CloneSharesTheJobObjectAndRestartIsJobTypeTwo) {
  hst_ModelBuilder builder;
  builder.Steps().SetAnalysisProduct(kprC_EXPLICIT);
  const bas_NewModel model = builder.Model();
  auto job = std::make_unique<aif_Job>("Job-1", builder.Job(ajbC_RESTART), model);
  std::unique_ptr<akw_Job> clone(job->Clone());
  const auto& copy = dynamic_cast<const aif_Job&>(*clone);
  EXPECT_TRUE(copy.JobHandle().SharesWith(job->JobHandle()));
  EXPECT_NE(&copy.Model(), &job->Model());
  job.reset();  // the clone outlives the job it was made from
  EXPECT_EQ("Job-1", clone->Name().Str());
  EXPECT_EQ(kprC_EXPLICIT, clone->AnalysisProduct());
  EXPECT_TRUE(clone->IsRestart());

  EXPECT_FALSE(aif_Job("Job-2", builder.Job(ajbC_FULL_ANALYSIS), model).IsRestart());
  EXPECT_FALSE(aif_Job("Job-3", builder.Job(ajbC_RECOVER), model).IsRestart());
  ajbC_InputFileJob restart("/tmp/deck.inp");
  restart.SetJobType(ajbC_RESTART);
  const aif_Job fromInputFile("Job-4", restart);
  std::unique_ptr<akw_Job> inputFileClone(fromInputFile.Clone());
  EXPECT_TRUE(inputFileClone->IsRestart());
  EXPECT_EQ(kprC_INPUT_FILE, inputFileClone->AnalysisProduct());  // the kind is copied
}

TEST(aif_OptimizationProcessTest, ReportsNameObjectAndProductAndClonesShareTheObject) {
  hst_ModelBuilder builder;
  builder.Steps().SetAnalysisProduct(kprC_CFD);
  const ajbC_Optimization given("Model-1", "Task-1");
  auto process = std::make_unique<aif_OptimizationProcess>("Opt-1", given, builder.Model());
  EXPECT_EQ("Opt-1", process->Name().Str());
  EXPECT_NE(&given, &process->OptimizationObject());
  EXPECT_EQ("Task-1", process->OptimizationObject().TaskName().Str());
  EXPECT_EQ(kprC_CFD, process->AnalysisProduct());

  std::unique_ptr<akw_OptimizationProcess> clone(process->Clone());
  const auto& copy = dynamic_cast<const aif_OptimizationProcess&>(*clone);
  EXPECT_TRUE(copy.OptimizationHandle().SharesWith(process->OptimizationHandle()));
  EXPECT_NE(&copy.Model(), &process->Model());
  process.reset();
  EXPECT_EQ("Opt-1", clone->Name().Str());
  EXPECT_EQ("Model-1", clone->OptimizationObject().ModelName().Str());
  EXPECT_EQ(kprC_CFD, clone->AnalysisProduct());
}

}  // namespace
