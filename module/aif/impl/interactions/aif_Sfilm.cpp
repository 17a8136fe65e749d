#include "aif/impl/interactions/aif_Sfilm.h"

#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/interactions/aif_ThermalConditionLines.h"

namespace {

// The propagation status of a condition removed in a step.
constexpr int kSfilmRemoved = 4;

}  // namespace

aif_Sfilm::aif_Sfilm(const kinC_FilmCondition& condition, const cow_String& stepName, bool keepOp,
                     cow_String surfaceName)
    : surfaceName_(std::move(surfaceName)),
      keepOp_(keepOp),
      condition_(condition),
      stepName_(stepName) {}

void aif_Sfilm::Write(utl_Stream& stream) const {
  if (condition_.GetPropStatus(stepName_) == kSfilmRemoved) {
    aif_WriteThermalInactive(stream, "*Sfilm", keepOp_);
    return;
  }
  const kinC_FilmConditionState& state = condition_.ConstGetState(stepName_);
  const int definition = condition_.FilmCoefficientDefinition();
  stream << "*Sfilm";
  if (definition != 2)
    aif_WriteThermalAmplitude(stream, "amplitude=", state.SinkAmplitude().Value());
  if (definition == 0)
    aif_WriteThermalAmplitude(stream, "film amplitude=", state.FilmAmplitude().Value());
  if (!keepOp_) stream << ", op=NEW";
  stream.LineBreak();

  stream << surfaceName_ << ", ";
  const double sink = state.SinkTemperature().Value();
  switch (definition) {
    case 0:
      stream << "F, " << sink << ", " << state.FilmCoefficient().Value();
      break;
    case 1:
      stream << "F, " << sink << ", " << akw_MorvexName(state.FilmProperty().Value(), false);
      break;
    case 2:
      stream << "FNU, " << sink << ", " << state.FilmCoefficient().Value();
      break;
    default:
      break;
  }
  stream << endl;
}
