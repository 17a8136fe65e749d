// The restart-read check: a restart job must name a model with restart
// attributes, must not share its name with the job it restarts from, and
// must restart from an analysis step that exists; hand-edited keywords of
// the model are not carried into the continuation (a warning).
#pragma once

#include "AttributesGuiCommon/ajbC_Job.h"
#include "OdbAttrEO/kut_Check.h"

class chk_RestartReadCheck : public kut_Check {
 public:
  // Keeps the job's type and a copy of its name: the framework runs its
  // clone after the caller's job may be gone.
  chk_RestartReadCheck(const bas_NewModel& model, const cow_String& modelName, const ajbC_Job& job,
                       const cow_String& jobName);
  chk_RestartReadCheck(const chk_RestartReadCheck& other);
  ~chk_RestartReadCheck() override;

  chk_RestartReadCheck* Clone() const override;
  void Run() override;

 private:
  int jobType_;
  cow_String jobName_;
};
