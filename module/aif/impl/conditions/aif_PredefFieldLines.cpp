#include "aif/impl/conditions/aif_PredefFieldLines.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kpfC_Field.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_NameRoutines.h"

bool aif_IsPredefFieldRemoved(int status) {
  return status == 4 || status == 15;
}

void aif_WritePredefFieldKeyword(utl_Stream& stream, const char* keyword, bool keepOp) {
  stream << keyword;
  if (!keepOp) stream << ", op=NEW";
}

void aif_WritePredefFieldAmplitude(utl_Stream& stream, const kpfC_GeneralFieldBaseState& state) {
  const cow_String& amplitude = state.Amplitude().Value();
  if (!amplitude.IsEmpty()) stream << ", amplitude=" << akw_MorvexName(amplitude, false);
}

void aif_ReportUnwrittenPredefField(const kpfC_Field& field, const cow_String& stepName) {
  ajbC_CheckingMessages::Instance().Messages().Append(atr_TranslateFormat3(
      "The predefined field %s is not written in step %s: its distribution (%s) cannot be "
      "written in the input file.",
      field.Name(), stepName, aif_NumberText(field.Distribution())));
}
