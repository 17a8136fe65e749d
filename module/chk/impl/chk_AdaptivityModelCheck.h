// The adaptivity model check: an adaptivity process remeshes parts between
// its analyses, so it needs an input file written with parts and assemblies.
// The check asks the writer's own part-based decision and reports one error
// when the model would be written flat.
#pragma once

#include "OdbAttrEO/kut_Check.h"

class chk_AdaptivityModelCheck : public kut_Check {
 public:
  chk_AdaptivityModelCheck(const bas_NewModel& model, const cow_String& modelName);
  chk_AdaptivityModelCheck(const chk_AdaptivityModelCheck& other);
  ~chk_AdaptivityModelCheck() override;

  chk_AdaptivityModelCheck* Clone() const override;
  void Run() override;
};
