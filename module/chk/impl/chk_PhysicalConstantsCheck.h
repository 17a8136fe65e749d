// The physical-constants check: registered with every full model check, it
// finds nothing (the constants are the host's to validate).
#pragma once

#include "OdbAttrEO/kut_Check.h"

class chk_PhysicalConstantsCheck : public kut_Check {
 public:
  chk_PhysicalConstantsCheck(const bas_NewModel& model, const cow_String& modelName);
  chk_PhysicalConstantsCheck(const chk_PhysicalConstantsCheck& other);
  ~chk_PhysicalConstantsCheck() override;

  chk_PhysicalConstantsCheck* Clone() const override;
  void Run() override;
};
