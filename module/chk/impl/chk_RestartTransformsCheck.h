// The restart-transforms check: a model that continues an earlier analysis
// is written only from its restart step on, so the coordinate-system
// transforms of loads, boundary conditions and adaptive mesh constraints
// created in later steps are not written (a warning naming them).
#pragma once

#include "OdbAttrEO/kut_Check.h"

class chk_RestartTransformsCheck : public kut_Check {
 public:
  chk_RestartTransformsCheck(const bas_NewModel& model, const cow_String& modelName);
  chk_RestartTransformsCheck(const chk_RestartTransformsCheck& other);
  ~chk_RestartTransformsCheck() override;

  chk_RestartTransformsCheck* Clone() const override;
  void Run() override;
};
