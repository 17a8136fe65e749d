#include "chk/impl/chk_RestartReadCheck.h"

#include "ModelDatabase/bas_KeywordBlock.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/nex_Exception.h"

namespace {

const char* const kRestartReadCheckFile = "module/chk/impl/chk_RestartReadCheck.cpp";

}  // namespace

chk_RestartReadCheck::chk_RestartReadCheck(const bas_NewModel& model, const cow_String& modelName,
                                           const ajbC_Job& job, const cow_String& jobName)
    : kut_Check(model, modelName), jobType_(job.JobType()), jobName_(jobName) {}

chk_RestartReadCheck::chk_RestartReadCheck(const chk_RestartReadCheck& other) = default;

chk_RestartReadCheck::~chk_RestartReadCheck() = default;

chk_RestartReadCheck* chk_RestartReadCheck::Clone() const {
  return new chk_RestartReadCheck(*this);
}

void chk_RestartReadCheck::Run() {
  if (jobType_ != ajbC_RESTART) return;
  const cow_String& restartJob = Model().RestartJobName();
  if (restartJob.IsEmpty()) {
    ErrorList().Append(
        atr_Translate("The Restart Job must reference a Model with\nrestart attributes.\n"));
    return;
  }
  if (jobName_ == restartJob) {
    ErrorList().Append(atr_TranslateWithArg(
        "To restart from the results of %s,\nold and new Jobs must have a different name.\nCreate "
        "a new Job or rename the current one.",
        restartJob));
    return;
  }
  const kprC_StepContainer& steps = nex_canDynamicCastRef<const kprC_StepContainer>(
      Model().ConstGetExtension(bas_NewModel::stepCmd), kRestartReadCheckFile, __LINE__);
  const cow_String& restartStep = Model().RestartStepName();
  long long position = steps.UnsuppressedKeys().IndexOf(restartStep);
  if (position == 0) {
    ErrorList().Append(
        atr_Translate("Restarting the analysis from the end of Step Initial\nis not "
                      "applicable.\nChange the Restart Step in the Model to an analysis Step.\n"));
  } else if (position < 0) {
    ErrorList().Append(atr_TranslateWithArg(
        "Invalid Restart Step: %s.\nChange the Model attribute to a valid analysis Step.\n",
        restartStep));
  }
  const bas_KeywordBlock& keywords = nex_canDynamicCastRef<const bas_KeywordBlock>(
      Model().ConstGetExtension(bas_NewModel::keywordBlockCmd), kRestartReadCheckFile, __LINE__);
  if (keywords.Edited())
    WarningList().Append(atr_TranslateWithArg(
        "Changes made to the restart model, \"%s\",\nthrough Edit Keywords will not be included "
        "in the\ncontinuation of the analysis.\n",
        ModelName()));
}
