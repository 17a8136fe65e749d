#include "aif/impl/interactions/aif_Sradiate.h"

#include <utility>

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/interactions/aif_ThermalConditionLines.h"

namespace {

// The propagation status of a condition removed in a step.
constexpr int kSradiateRemoved = 4;
// The radiation kind written as an average over the surface.
constexpr int kSradiateAveraged = 1;

}  // namespace

aif_Sradiate::aif_Sradiate(const kinC_RadiationToAmbient& condition, const cow_String& stepName,
                           bool keepOp, cow_String surfaceName)
    : surfaceName_(std::move(surfaceName)),
      keepOp_(keepOp),
      condition_(condition),
      stepName_(stepName) {}

void aif_Sradiate::Write(utl_Stream& stream) const {
  if (condition_.GetPropStatus(stepName_) == kSradiateRemoved) {
    aif_WriteThermalInactive(stream, "*Sradiate", keepOp_);
    return;
  }
  const kinC_RadiationToAmbientState& state = condition_.ConstGetState(stepName_);
  const bool averaged = condition_.RadiationKind() == kSradiateAveraged;
  stream << "*Sradiate";
  if (!averaged) aif_WriteThermalAmplitude(stream, "amplitude=", state.Amplitude().Value());
  if (!keepOp_) stream << ", op=NEW";
  stream.LineBreak();

  stream << surfaceName_ << ", ";
  if (averaged)
    stream << "AVG, 0.0, " << state.Emissivity().Value();
  else
    stream << "R, " << state.SinkTemperature().Value() << ", " << state.Emissivity().Value();
  stream << endl;
}
