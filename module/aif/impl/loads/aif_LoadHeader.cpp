#include "aif/impl/loads/aif_LoadHeader.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "ModKerLow/dtmK_Datum.h"
#include "OdbAttrEO/kloC_Load.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omi_complex.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/model/aif_SurfaceRoutines.h"

aif_LoadStatus::aif_LoadStatus(const kloC_Load& load, const cow_String& step, bool opFlag,
                               aif_RestateBy restateBy, const char* file, int line,
                               aif_InactiveBy inactiveBy)
    : newOp_(!opFlag), restate_(opFlag) {
  const int status = load.Status(step);
  if (inactiveBy == aif_InactiveBy::kDeactivatedOnly) {
    inactive_ = status == 4;
    if (inactive_) restate_ = false;
  } else {
    aif_IsLoadInactive(status, inactive_, restate_);
  }
  if (inactive_) return;
  const auto& state =
      nex_canDynamicCastRef<const kloC_LoadState>(load.ConstGetStateQuad(step), file, line);
  amplitude_ = state.AmplitudeName();
  const bool newState = restateBy == aif_RestateBy::kStateOrAmplitudeStatus &&
                        aif_IsNewOpStatus(state.Status(), restate_);
  if (newState || aif_IsNewOpStatus(state.Amplitude().Status(), restate_)) restate_ = false;
}

bool aif_LoadStatus::IsNew(int status) const {
  return aif_IsNewOpStatus(status, restate_);
}

void aif_WriteLoadHeader(utl_Stream& stream, const char* keyword,
                         const aif_LoadHeaderPieces& pieces) {
  stream << keyword << pieces.beforeOp;
  if (pieces.newOp) stream << ", op=NEW";
  if (pieces.follower) stream << ", follower";
  if (!pieces.amplitude.IsEmpty()) {
    if (pieces.amplitudeBreak) stream.OptionalLineBreak();
    stream << ", amplitude=" << akw_MorvexName(pieces.amplitude, false);
  }
  if (pieces.cyclic) stream << ", cyclic mode=" << pieces.cyclicMode;
  if (pieces.part == 1) stream << ", real";
  if (pieces.part == 2) stream << ", imaginary";
}

double aif_ComplexPart(const omi_complex& value, int part) {
  if (part == 1) return value.IsConverted() ? value.ConvertedReal() : value.Real();
  return value.IsConverted() ? value.ConvertedImag() : value.Imag();
}

cow_String aif_TractionOrientation(const aif_ModelInfo& info, const cow_String& orientationName,
                                   const dtmC_DatumRef& datum, double angle,
                                   const cow_String& loadName) {
  if (!orientationName.IsEmpty()) return akw_MorvexName(orientationName, false).Printable();
  if (!datum.IsNullRef()) return info.DatumCsysName(datum, angle, loadName);
  return cow_String();
}

void aif_WriteTractionOptions(utl_Stream& stream, bool notFollower, const cow_String& orientation,
                              bool constantResultant) {
  if (notFollower) stream << ", follower=NO";
  if (!orientation.IsEmpty()) stream << ", orientation=" << orientation;
  if (constantResultant) stream << ", constant resultant=YES";
}

void aif_WriteLoadDataLine(utl_Stream& stream, const cow_String& name, const cow_String& label,
                           double value, bool lineBreak, bool writeZero) {
  if (value == 0.0 && !writeZero) return;
  stream << name << ", " << label << ", " << value;
  if (lineBreak) stream.LineBreak();
}
