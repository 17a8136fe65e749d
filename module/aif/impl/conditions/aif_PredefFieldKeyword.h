// The step keywords of predefined fields ("*Field", "*Mass Flow Rate",
// "*Pressure Stress", "*Temperature"): what they share. Each refers to the
// model's own field (never a copy), which must outlive it; status 4 or 15 in
// its step makes it a removal, its keyword line alone with ", op=NEW"; a
// distribution the keyword has no option for writes nothing and tells the
// user through the checking messages that the field is missing.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class kpfC_GeneralFieldBase;
class kpfC_GeneralFieldBaseState;

// Whether a field with propagation `status` in a step is removed there: 4
// (deactivated) and 15 (deactivated with its kind restated). The field op
// status marks the kind's category for both, so the removal and the other
// fields of the kind all carry ", op=NEW".
bool aif_IsPredefFieldRemoved(int status);

class aif_PredefFieldKeyword : public akw_Keyword {
 public:
  bool Inactive() const { return inactive_; }

 protected:
  // `field` in `stepName`, named `regionName` on the data lines. `keepOp`
  // says the block modifies the previous step (no ", op=NEW"); `scale`
  // multiplies the values written (a load case's factor; 1 otherwise).
  aif_PredefFieldKeyword(const kpfC_GeneralFieldBase& field, const cow_String& stepName,
                         bool keepOp, const cow_String& regionName, double scale);
  aif_PredefFieldKeyword(const aif_PredefFieldKeyword&) = default;

  // Starts the block. A field that is not removed and whose distribution is
  // not `writable` writes nothing: its failure goes to the checking
  // messages. Otherwise `keyword` and ", op=NEW" unless the block keeps the
  // op; a removal ends the line there. True when the caller goes on with
  // its options.
  bool WriteStart(utl_Stream& stream, const char* keyword, bool writable) const;
  // ", user", the line end, and the set name alone on its line.
  void WriteUserLines(utl_Stream& stream) const;
  // ", amplitude=" and the printable name when the step's state names an
  // amplitude; then the line end.
  void EndWithAmplitude(utl_Stream& stream) const;

  const kpfC_GeneralFieldBase& BaseField() const { return *field_; }
  const kpfC_GeneralFieldBaseState& State() const;
  const cow_String& StepName() const { return stepName_; }
  const cow_String& RegionName() const { return regionName_; }
  double Scale() const { return scale_; }

 private:
  const kpfC_GeneralFieldBase* field_;
  cow_String stepName_;
  cow_String regionName_;
  bool keepOp_;
  bool inactive_ = false;
  double scale_;
};
