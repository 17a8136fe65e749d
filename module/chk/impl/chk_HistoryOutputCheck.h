// The history output check: what the field output check reports, for
// history requests, and requests on XFEM cracks whose output the solver
// cannot give: cracks that may grow, crack domains that are not all solid,
// and stress initialization steps that are missing, suppressed or later
// than the request's own step (all errors).
#pragma once

#include "OdbAttrEO/kut_Check.h"

class chk_HistoryOutputCheck : public kut_Check {
 public:
  chk_HistoryOutputCheck(const bas_NewModel& model, const cow_String& modelName);
  chk_HistoryOutputCheck(const chk_HistoryOutputCheck& other);
  ~chk_HistoryOutputCheck() override;

  chk_HistoryOutputCheck* Clone() const override;
  void Run() override;
};
