// The crack check: warns about the cracks of the assembly for which the
// writer writes nothing or that the solver cannot use: XFEM cracks whose
// level sets cannot be generated (with the reason), contour-integral cracks
// that no active history output request names, and contour-integral cracks
// whose front and tip cannot be mapped into layers of node sets. Warnings
// only.
#pragma once

#include "OdbAttrEO/kut_Check.h"

class chk_CrackCheck : public kut_Check {
 public:
  chk_CrackCheck(const bas_NewModel& model, const cow_String& modelName);
  chk_CrackCheck(const chk_CrackCheck& other);
  ~chk_CrackCheck() override;

  chk_CrackCheck* Clone() const override;
  void Run() override;
};
