// "*Pressure Stress": an equivalent pressure stress prescribed in one step,
// uniform on a set, from a user subroutine or a results file; or its removal
// in a step where the field is deactivated. The field builder makes one per
// field and step.
#pragma once

#include "BasShared/cow_String.h"
#include "aif/impl/conditions/aif_PredefFieldKeyword.h"

class kpfC_Field;

class aif_PressureStress : public aif_PredefFieldKeyword {
 public:
  // `field` (a kpfC_PressureStress, tested here) is the model's own field
  // and must outlive the keyword; it is not copied. `keepOp` says the block
  // modifies the previous step (no ", op=NEW"). Status 4 or 15 in
  // `stepName` makes the keyword a removal. The uniform value is multiplied
  // by `scale` (a load case's factor; 1 otherwise).
  aif_PressureStress(const kpfC_Field& field, const cow_String& stepName, bool keepOp,
                     const cow_String& regionName, double scale = 1.0);
  aif_PressureStress(const aif_PressureStress&) = default;

  akw_Keyword* Clone() const override { return new aif_PressureStress(*this); }

  // The keyword line and its data line. A distribution no option stands for
  // writes nothing and appends a checking message that the field is missing.
  void Write(utl_Stream& stream) const override;
};
