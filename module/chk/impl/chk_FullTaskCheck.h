// The check control of an optimization task: registers the kernel's task
// checks with the host's check framework.
#pragma once

#include "OdbAttrEO/kut_CheckControl.h"

class chk_FullTaskCheck : public kut_CheckControl {
 public:
  chk_FullTaskCheck(const bas_NewModel& model, const cow_String& modelName,
                    const cow_String& taskName);
  ~chk_FullTaskCheck() override;

 private:
  void AddTaskChecks(const bas_NewModel& model, const cow_String& modelName,
                     const cow_String& taskName);
};
