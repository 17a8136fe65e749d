#include "aif/impl/conditions/aif_PredefFieldKeyword.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_NameRoutines.h"

bool aif_IsPredefFieldRemoved(int status) {
  return status == 4 || status == 15;
}

aif_PredefFieldKeyword::aif_PredefFieldKeyword(const kpfC_GeneralFieldBase& field,
                                               const cow_String& stepName, bool keepOp,
                                               const cow_String& regionName, double scale)
    : field_(&field), stepName_(stepName), regionName_(regionName), keepOp_(keepOp), scale_(scale) {
  if (aif_IsPredefFieldRemoved(field.Status(stepName))) {
    inactive_ = true;
    keepOp_ = false;
  }
}

bool aif_PredefFieldKeyword::WriteStart(utl_Stream& stream, const char* keyword,
                                        bool writable) const {
  if (!inactive_ && !writable) {
    ajbC_CheckingMessages::Instance().Messages().Append(atr_TranslateFormat3(
        "The predefined field %s is not written in step %s: its distribution (%s) cannot be "
        "written in the input file.",
        field_->Name(), stepName_, aif_NumberText(field_->Distribution())));
    return false;
  }
  stream << keyword;
  if (!keepOp_) stream << ", op=NEW";
  if (inactive_) {
    stream.LineBreak();
    return false;
  }
  return true;
}

void aif_PredefFieldKeyword::WriteUserLines(utl_Stream& stream) const {
  stream << ", user";
  stream.LineBreak();
  stream << regionName_;
  stream.LineBreak();
}

void aif_PredefFieldKeyword::EndWithAmplitude(utl_Stream& stream) const {
  const cow_String& amplitude = State().Amplitude().Value();
  if (!amplitude.IsEmpty()) stream << ", amplitude=" << akw_MorvexName(amplitude, false);
  stream.LineBreak();
}

const kpfC_GeneralFieldBaseState& aif_PredefFieldKeyword::State() const {
  return field_->ConstGetState(stepName_);
}
