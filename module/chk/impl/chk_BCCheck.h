// The boundary-condition check: conditions fixed at their current position
// where nothing defines that position (an error), fluid conditions whose
// turbulence or thermal values were set under other flow settings than the
// current ones (warnings), and a flow analysis with neither a reference
// pressure load nor a pressure inlet (an error). A model that imports an
// initial state defines every position, so it reports nothing at all.
#pragma once

#include "OdbAttrEO/kut_Check.h"

class chk_BCCheck : public kut_Check {
 public:
  chk_BCCheck(const bas_NewModel& model, const cow_String& modelName);
  chk_BCCheck(const chk_BCCheck& other);
  ~chk_BCCheck() override;

  chk_BCCheck* Clone() const override;
  void Run() override;
};
