// "*Field": a numbered field variable prescribed in one step, its uniform
// values on a set, a user subroutine or a results file; or its removal in a
// step where the field is deactivated. The field builder makes one per field
// and step.
#pragma once

#include "BasShared/cow_String.h"
#include "aif/impl/conditions/aif_PredefFieldKeyword.h"

class kpfC_Field;
class kpfC_GeneralField;

class aif_GeneralField : public aif_PredefFieldKeyword {
 public:
  // `field` (a kpfC_GeneralField, tested here) is the model's own field and
  // must outlive the keyword; it is not copied. `keepOp` says the block
  // modifies the previous step (no ", op=NEW"). `regionName` heads the data
  // line as given. Status 4 or 15 in `stepName` makes the keyword a removal:
  // "*Field, op=NEW" alone. Uniform values are multiplied by `scale` (a load
  // case's factor; 1 otherwise).
  aif_GeneralField(const kpfC_Field& field, const cow_String& stepName, bool keepOp,
                   const cow_String& regionName, double scale = 1.0);
  aif_GeneralField(const aif_GeneralField&) = default;

  akw_Keyword* Clone() const override { return new aif_GeneralField(*this); }

  // The keyword line and its data line (uniform values: the set name and
  // seven values on the first line, eight on each further one, every value
  // followed by ", " but the last of a full line). A distribution no option
  // stands for writes nothing and appends a checking message that the field
  // is missing.
  void Write(utl_Stream& stream) const override;

 private:
  const kpfC_GeneralField& Field() const;
};
