#include "aif/impl/interactions/aif_Film.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/interactions/aif_ThermalConditionLines.h"

namespace {

constexpr const char* kFilmFile = "module/aif/impl/interactions/aif_Film.cpp";
// The propagation status of a condition removed in a step.
constexpr int kFilmRemoved = 4;

constexpr const char* kFilmCoefficientMessage =
    "\nDue to the failure of evaluating the film coefficient of surface\n film condition \"%s\" "
    "from analytical field \"%s\",\nthis interaction will be missing in the input file.";
constexpr const char* kFilmSinkMessage =
    "\nDue to the failure of evaluating the sink temperature of surface\nfilm condition \"%s\" "
    "from analytical field \"%s\",\nthis interaction will be missing in the input file.";

}  // namespace

aif_Film::aif_Film(const kinC_FilmCondition& condition, const cow_String& stepName, bool keepOp,
                   const akw_ModelInfo& info)
    : keepOp_(keepOp),
      condition_(condition),
      stepName_(stepName),
      info_(nex_canDynamicCastRef<const aif_ModelInfo>(info, kFilmFile, __LINE__)) {}

void aif_Film::Write(utl_Stream& stream) const {
  if (condition_.GetPropStatus(stepName_) == kFilmRemoved) {
    aif_WriteThermalInactive(stream, "*Film", keepOp_);
    return;
  }
  aif_ThermalFactor coefficient, sink;
  aif_FilmThermalFactors(condition_, kFilmCoefficientMessage, kFilmSinkMessage, coefficient, sink);
  cow_String unused;
  if (!condition_.UsesField(unused) && !condition_.UsesSinkField(unused))
    nex_Exception::Throw(aif_Exception(atr_Translate(
                             "*FILM must be used with a FIELD defintion for the Film Condition")),
                         kFilmFile, __LINE__);
  const kinC_FilmConditionState& state = condition_.ConstGetState(stepName_);
  aif_ThermalConditionLines lines;
  const bool evaluated =
      lines.Evaluate(info_, condition_.Region(), aif_ThermalConditionLines::kFaces,
                     condition_.Name(), coefficient, sink);

  stream << "*Film";
  aif_WriteThermalAmplitude(stream, "amplitude=", state.SinkAmplitude().Value());
  aif_WriteThermalAmplitude(stream, "film amplitude=", state.FilmAmplitude().Value());
  if (!keepOp_) stream << ", op=NEW";
  stream.LineBreak();
  if (!evaluated) return;
  aif_ThermalLine line;
  line.faceLetter = "F";
  line.sink = state.SinkTemperature().Value();
  line.coefficient = state.FilmCoefficient().Value();
  if (condition_.FilmCoefficientDefinition() == 1)
    line.coefficientText = akw_MorvexName(state.FilmProperty().Value(), false).Printable();
  lines.Write(stream, line);
}
