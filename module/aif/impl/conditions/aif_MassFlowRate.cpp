#include "aif/impl/conditions/aif_MassFlowRate.h"

#include <cstddef>

#include "OdbAttrEO/kpfC_Field.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/conditions/aif_PredefFieldLines.h"

namespace {

constexpr char kMassFlowRateFile[] = "module/aif/impl/conditions/aif_MassFlowRate.cpp";

// The values of a uniform mass flow rate.
constexpr std::size_t kMassFlowRateValues = 3;

}  // namespace

aif_MassFlowRate::aif_MassFlowRate(const kpfC_Field& field, const cow_String& stepName, bool keepOp,
                                   const cow_String& regionName, double scale)
    : field_(&nex_canDynamicCastRef<const kpfC_MassFlowRate>(field, kMassFlowRateFile, __LINE__)),
      stepName_(stepName),
      regionName_(regionName),
      keepOp_(keepOp),
      scale_(scale) {
  if (aif_IsPredefFieldRemoved(field.Status(stepName))) {
    inactive_ = true;
    keepOp_ = false;
  }
}

void aif_MassFlowRate::Write(utl_Stream& stream) const {
  const int distribution = field_->Distribution();
  if (!inactive_ && distribution != 0 && distribution != 1) {
    aif_ReportUnwrittenPredefField(*field_, stepName_);
    return;
  }
  aif_WritePredefFieldKeyword(stream, "*Mass Flow Rate", keepOp_);
  if (inactive_) {
    stream.LineBreak();
    return;
  }
  if (distribution == 1) {
    stream << ", user";
    stream.LineBreak();
    stream << regionName_;
    stream.LineBreak();
    return;
  }
  const kpfC_GeneralFieldBaseState& state = field_->ConstGetState(stepName_);
  aif_WritePredefFieldAmplitude(stream, state);
  stream.LineBreak();
  // The three values as stored; a value the state lacks is 0.
  const cow_List<mdl_PropAttr<double>>& values = state.Magnitudes();
  stream << regionName_;
  for (std::size_t k = 0; k < kMassFlowRateValues; ++k)
    stream << ", " << (k < values.Length() ? values[k].Value() * scale_ : 0.0);
  stream.LineBreak();
}
