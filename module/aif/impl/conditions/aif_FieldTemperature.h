// "*Temperature" in a step: a predefined temperature, uniform on a set, from
// a user subroutine or a results file, or distributed node by node by an
// analytical or a discrete field; or its removal in a step where the field
// is deactivated. The field builder makes one per field and step.
#pragma once

#include <memory>

#include "BasShared/cow_String.h"
#include "aif/impl/conditions/aif_PredefFieldKeyword.h"

class akw_ModelInfo;
class aif_PredefFieldUtils;
class kpfC_Field;

class aif_FieldTemperature : public aif_PredefFieldKeyword {
 public:
  // `field` (a kpfC_Temperature, tested here) is the model's own field and
  // must outlive the keyword, as must `info`; the field is not copied.
  // `keepOp` says the block modifies the previous step (no ", op=NEW").
  // Status 4 or 15 in `stepName` makes the keyword a removal. Node lines
  // are laid out for `valueCount` values; every value is multiplied by
  // `scale`. The field evaluator is made here and shared by copies.
  aif_FieldTemperature(const kpfC_Field& field, const cow_String& stepName, bool keepOp,
                       const cow_String& regionName, int valueCount, const akw_ModelInfo& info,
                       double scale);
  aif_FieldTemperature(const aif_FieldTemperature&) = default;

  akw_Keyword* Clone() const override { return new aif_FieldTemperature(*this); }

  // The keyword line and its data lines (uniform magnitudes: the set name
  // and seven values on the first line, eight on each further one; node
  // lines of a distributing field). A distribution no option stands for
  // writes nothing and appends a checking message that the field is
  // missing; a field that fails to evaluate keeps its keyword line and
  // reports the failure in the checking messages.
  void Write(utl_Stream& stream) const override;

 private:
  void WriteUniform(utl_Stream& stream) const;
  void WriteFileOptions(utl_Stream& stream) const;

  int valueCount_;
  std::shared_ptr<const aif_PredefFieldUtils> fieldUtils_;
};
