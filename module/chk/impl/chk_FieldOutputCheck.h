// The field output check: field output requests that ask for output by a
// number of intervals where the step cannot honour it (an error), time marks
// the step ignores (a warning), and requests on fasteners that do not exist
// or use the Rigid MPC setting (an error).
#pragma once

#include "OdbAttrEO/kut_Check.h"

class chk_FieldOutputCheck : public kut_Check {
 public:
  chk_FieldOutputCheck(const bas_NewModel& model, const cow_String& modelName);
  chk_FieldOutputCheck(const chk_FieldOutputCheck& other);
  ~chk_FieldOutputCheck() override;

  chk_FieldOutputCheck* Clone() const override;
  void Run() override;
};
