// "*Mass Flow Rate": a mass flow rate prescribed in one step, its three
// uniform values on a set or a user subroutine; or its removal in a step
// where the field is deactivated. The field builder makes one per field and
// step.
#pragma once

#include "BasShared/cow_String.h"
#include "aif/impl/conditions/aif_PredefFieldKeyword.h"

class kpfC_Field;

class aif_MassFlowRate : public aif_PredefFieldKeyword {
 public:
  // `field` (a kpfC_MassFlowRate, tested here) is the model's own field and
  // must outlive the keyword; it is not copied. `keepOp` says the block
  // modifies the previous step (no ", op=NEW"). Status 4 or 15 in
  // `stepName` makes the keyword a removal. Uniform values are multiplied by
  // `scale` (a load case's factor; 1 otherwise).
  aif_MassFlowRate(const kpfC_Field& field, const cow_String& stepName, bool keepOp,
                   const cow_String& regionName, double scale = 1.0);
  aif_MassFlowRate(const aif_MassFlowRate&) = default;

  akw_Keyword* Clone() const override { return new aif_MassFlowRate(*this); }

  // The keyword line and its data line. Only uniform values and the user
  // subroutine are written; any other distribution writes nothing and
  // appends a checking message that the field is missing.
  void Write(utl_Stream& stream) const override;
};
