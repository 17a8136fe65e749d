// The integrated output section check: only an explicit analysis honours
// integrated output sections. With a first analysis step that is not
// explicit the sections are ignored (a warning); otherwise the check reports
// sections whose regions have no mesh (errors) and, for a restart job,
// point motion the restart ignores (a warning).
#pragma once

#include "AttributesGuiCommon/ajbC_Job.h"
#include "OdbAttrEO/kut_Check.h"

class chk_IntegratedOutputSectionCheck : public kut_Check {
 public:
  // Keeps the job's type only: the framework runs its clone after the
  // caller's job may be gone.
  chk_IntegratedOutputSectionCheck(const bas_NewModel& model, const cow_String& modelName,
                                   const ajbC_Job& job);
  chk_IntegratedOutputSectionCheck(const chk_IntegratedOutputSectionCheck& other);
  ~chk_IntegratedOutputSectionCheck() override;

  chk_IntegratedOutputSectionCheck* Clone() const override;
  void Run() override;

 private:
  int jobType_;
};
