#include "chk/impl/chk_RestartReadCheck.h"

#include <gtest/gtest.h>

#include "support/chk_TestSupport.h"

#include <string>
#include <vector>

#include "HostModules/hst_ModelBuilder.h"
#include "ModelDatabase/bas_KeywordBlock.h"
#include "OdbAttrEO/kprC_Step.h"

namespace {

using RestartReadFindings = chk_test::Findings;

RestartReadFindings RunRestartRead(const bas_NewModel& model, int jobType,
                                   const cow_String& jobName) {
  ajbC_ModelJob job("Model-1");
  job.SetJobType(jobType);
  chk_RestartReadCheck check(model, "Model-1", job, jobName);
  check.Run();
  RestartReadFindings findings = chk_test::FindingsOf(check);
  return findings;
}

hst_ModelBuilder RestartModel(const cow_String& restartStep, bool editedKeywords) {
  hst_ModelBuilder b("Model-1");
  b.AddStep("Step-1", kprC_StaticStep());
  b.AddStep("Step-2", hst_ModelBuilder::MakeStep<kprC_StaticStep>(true));
  b.MutableModel().SetRestart("Job-1", restartStep, -2, false);
  dynamic_cast<bas_KeywordBlock&>(b.MutableModel().MutableExtension(bas_NewModel::keywordBlockCmd))
      .SetEdited(editedKeywords);
  return b;
}

const char* const kEditedKeywordsWarning =
    "Changes made to the restart model, \"Model-1\",\nthrough Edit Keywords will not be included "
    "in the\ncontinuation of the analysis.\n";

}  // namespace

TEST(chk_RestartReadCheckTest, Findings) {
  // Not a restart job: nothing, with or without restart attributes.
  EXPECT_TRUE(RunRestartRead(hst_ModelBuilder("Model-1").Model(), ajbC_FULL_ANALYSIS, "Job-2")
                  .errors.empty());
  EXPECT_TRUE(RunRestartRead(RestartModel("Nowhere", true).Model(), ajbC_FULL_ANALYSIS, "Job-1")
                  .errors.empty());

  // A restart job of a model without restart attributes.
  RestartReadFindings plain =
      RunRestartRead(hst_ModelBuilder("Model-1").Model(), ajbC_RESTART, "Job-2");
  EXPECT_EQ((std::vector<std::string>{
                "The Restart Job must reference a Model with\nrestart attributes.\n"}),
            plain.errors);
  EXPECT_TRUE(plain.warnings.empty());

  // Named like its source: that error alone, even with a bad step and edits.
  RestartReadFindings sameName =
      RunRestartRead(RestartModel("Initial", true).Model(), ajbC_RESTART, "Job-1");
  EXPECT_EQ((std::vector<std::string>{
                "To restart from the results of Job-1,\nold and new Jobs must have a different "
                "name.\nCreate a new Job or rename the current one."}),
            sameName.errors);
  EXPECT_TRUE(sameName.warnings.empty());

  // From the initial step, with edited keywords: the error and the warning.
  RestartReadFindings initial =
      RunRestartRead(RestartModel("Initial", true).Model(), ajbC_RESTART, "Job-2");
  EXPECT_EQ((std::vector<std::string>{
                "Restarting the analysis from the end of Step Initial\nis not applicable.\nChange "
                "the Restart Step in the Model to an analysis Step.\n"}),
            initial.errors);
  EXPECT_EQ((std::vector<std::string>{kEditedKeywordsWarning}), initial.warnings);

  // From a suppressed step.
  RestartReadFindings suppressed =
      RunRestartRead(RestartModel("Step-2", false).Model(), ajbC_RESTART, "Job-2");
  EXPECT_EQ((std::vector<std::string>{"Invalid Restart Step: Step-2.\nChange the Model attribute "
                                      "to a valid analysis Step.\n"}),
            suppressed.errors);
  EXPECT_TRUE(suppressed.warnings.empty());

  // From an analysis step: only the warning of edited keywords.
  RestartReadFindings valid =
      RunRestartRead(RestartModel("Step-1", true).Model(), ajbC_RESTART, "Job-2");
  EXPECT_TRUE(valid.errors.empty());
  EXPECT_EQ((std::vector<std::string>{kEditedKeywordsWarning}), valid.warnings);
  EXPECT_TRUE(RunRestartRead(RestartModel("Step-1", false).Model(), ajbC_RESTART, "Job-2")
                  .warnings.empty());
}
