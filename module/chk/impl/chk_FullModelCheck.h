// The check control of a job's model or of an adaptivity process: registers
// the system's own model checks and the kernel's, in one fixed order, with
// the host's check framework.
#pragma once

#include "AttributesGuiCommon/ajbC_Job.h"
#include "OdbAttrEO/kut_CheckControl.h"

class chk_FullModelCheck : public kut_CheckControl {
 public:
  // The job form: the restart job of the model is checked as well.
  chk_FullModelCheck(const bas_NewModel& model, const cow_String& modelName, const ajbC_Job& job,
                     const cow_String& jobName, bool flag);
  // The adaptivity form: the process's job stands for the job, with no name.
  chk_FullModelCheck(const bas_NewModel& model, const cow_String& modelName,
                     const ajbC_Adaptivity& adaptivity, bool flag);
  ~chk_FullModelCheck() override;

 private:
  // Registers the checks between the progress object's start and completion.
  // Nothing registered keeps a reference to the job or its name.
  void AddModelChecks(bool adaptivity, const bas_NewModel& model, const cow_String& modelName,
                      const ajbC_Job& job, const cow_String& jobName, bool flag);
};
