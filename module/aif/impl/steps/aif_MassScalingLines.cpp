#include "aif/impl/steps/aif_MassScalingLines.h"

#include "OdbAttrEO/kprC_StepRecords.h"
#include "QivBasicUtils/omu_PrimEnum.h"
#include "QivBasicUtils/utl_Stream.h"

void aif_WriteMassScalingKind(utl_Stream& stream, const char* kind) {
  stream << "** Mass Scaling: " << kind;
  stream.LineBreak();
}

void aif_WriteMassScalingLabel(utl_Stream& stream, const kprC_MassScaling& scaling,
                               const cow_String& regionName) {
  stream << "**               ";
  if (scaling.RegionKind() == 0)
    stream << "Whole Model";
  else
    stream << regionName;
  stream.LineBreak();
}

void aif_WriteMassScalingElset(utl_Stream& stream, const kprC_MassScaling& scaling,
                               const cow_String& regionName) {
  if (scaling.RegionKind() != 0) stream << ", elset=" << regionName;
}

void aif_WriteMassScalingTarget(utl_Stream& stream, const kprC_MassScaling& scaling) {
  if (scaling.Dt() == 0.0) return;
  stream << ", dt=" << scaling.Dt();
  cow_String text;
  switch (scaling.Type()) {
    case kprC_MassScaling::BELOW_MIN:
      text = "below min";
      break;
    case kprC_MassScaling::SET_EQUAL_DT:
      text = "set equal dt";
      break;
    default:
      text = omu_PrimEnum<kprC_MassScaling::MassScalingTypeEnm>(scaling.Type()).GetString();
  }
  if (text.IsEmpty()) return;
  stream << ", type=";
  for (const char* c = text.CStr(); *c; ++c)
    stream << static_cast<char>(*c >= 'A' && *c <= 'Z' ? *c - 'A' + 'a' : *c);
}

void aif_WriteMassScalingInterval(utl_Stream& stream, const kprC_MassScaling& scaling) {
  if (scaling.Frequency() == 0)
    stream << ", number interval=" << scaling.NumIntervals();
  else
    stream << ", frequency=" << scaling.Frequency();
}
