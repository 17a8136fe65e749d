#include "aif/impl/conditions/aif_PressureStress.h"

#include "OdbAttrEO/kpfC_Field.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/conditions/aif_PredefFieldLines.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

constexpr char kPressureStressFile[] = "module/aif/impl/conditions/aif_PressureStress.cpp";

}  // namespace

aif_PressureStress::aif_PressureStress(const kpfC_Field& field, const cow_String& stepName,
                                       bool keepOp, const cow_String& regionName, double scale)
    : field_(
          &nex_canDynamicCastRef<const kpfC_PressureStress>(field, kPressureStressFile, __LINE__)),
      stepName_(stepName),
      regionName_(regionName),
      keepOp_(keepOp),
      scale_(scale) {
  if (aif_IsPredefFieldRemoved(field.Status(stepName))) {
    inactive_ = true;
    keepOp_ = false;
  }
}

void aif_PressureStress::Write(utl_Stream& stream) const {
  const int distribution = field_->Distribution();
  if (!inactive_ && distribution != 0 && distribution != 1 && distribution != 3 &&
      distribution != 4) {
    aif_ReportUnwrittenPredefField(*field_, stepName_);
    return;
  }
  aif_WritePredefFieldKeyword(stream, "*Pressure Stress", keepOp_);
  if (inactive_) {
    stream.LineBreak();
    return;
  }
  const kpfC_GeneralFieldBaseState& state = field_->ConstGetState(stepName_);
  if (distribution == 1) {
    stream << ", user";
    stream.LineBreak();
    stream << regionName_;
    stream.LineBreak();
    return;
  }
  if (distribution == 3 || distribution == 4) {
    if (distribution == 4) stream << ", user";
    stream << ", file=" << aif_ResultsFileName(state.FileName().Value());
    stream.LineBreak();
    return;
  }
  aif_WritePredefFieldAmplitude(stream, state);
  stream.LineBreak();
  // The pressure is the first magnitude; a state without one writes 0.
  const cow_List<mdl_PropAttr<double>>& values = state.Magnitudes();
  stream << regionName_ << ", " << (values.IsEmpty() ? 0.0 : values[0].Value() * scale_);
  stream.LineBreak();
}
