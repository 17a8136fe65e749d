#include "aif/impl/interactions/aif_Cfilm.h"

#include <utility>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/interactions/aif_ThermalConditionLines.h"

namespace {

constexpr const char* kCfilmFile = "module/aif/impl/interactions/aif_Cfilm.cpp";
// The propagation status of a condition removed in a step.
constexpr int kCfilmRemoved = 4;

constexpr const char* kCfilmCoefficientMessage =
    "\nDue to the failure of evaluating the film coefficient of concentrated\n film condition "
    "\"%s\" from analytical field \"%s\",\nthis interaction will be missing in the input file.";
constexpr const char* kCfilmSinkMessage =
    "\nDue to the failure of evaluating the sink temperature of concentrated\n film condition "
    "\"%s\" from analytical field \"%s\",\nthis interaction will be missing in the input file.";

}  // namespace

aif_Cfilm::aif_Cfilm(const kinC_ConcFilmCondition& condition, const cow_String& stepName,
                     bool keepOp, cow_String nodeSetName, const akw_ModelInfo& info)
    : nodeSetName_(std::move(nodeSetName)),
      keepOp_(keepOp),
      condition_(condition),
      stepName_(stepName),
      info_(nex_canDynamicCastRef<const aif_ModelInfo>(info, kCfilmFile, __LINE__)) {}

void aif_Cfilm::Write(utl_Stream& stream) const {
  if (condition_.GetPropStatus(stepName_) == kCfilmRemoved) {
    aif_WriteThermalInactive(stream, "*Cfilm", keepOp_);
    return;
  }
  const kinC_ConcFilmConditionState& state = condition_.ConstGetState(stepName_);
  const int definition = condition_.FilmCoefficientDefinition();
  aif_ThermalFactor coefficient, sink;
  aif_FilmThermalFactors(condition_, kCfilmCoefficientMessage, kCfilmSinkMessage, coefficient,
                         sink);
  const bool distributed =
      coefficient.kind != aif_ThermalFactor::kNone || sink.kind != aif_ThermalFactor::kNone;
  aif_ThermalConditionLines lines;
  const bool evaluated =
      distributed && lines.Evaluate(info_, condition_.Region(), aif_ThermalConditionLines::kNodes,
                                    condition_.Name(), coefficient, sink);

  stream << "*Cfilm";
  if (definition != 2)
    aif_WriteThermalAmplitude(stream, "amplitude=", state.SinkAmplitude().Value());
  if (definition == 0)
    aif_WriteThermalAmplitude(stream, "film amplitude=", state.FilmAmplitude().Value());
  aif_WriteThermalRegionType(stream, condition_, stepName_, condition_.RegionType());
  if (definition == 2) aif_Option(stream) << "user";
  if (!keepOp_) stream << ", op=NEW";
  stream.LineBreak();

  aif_ThermalLine line;
  line.nodal = true;
  line.nodalValue = state.NodalArea().Value();
  line.sink = state.SinkTemperature().Value();
  line.coefficient = state.FilmCoefficient().Value();
  if (definition == 1)
    line.coefficientText = akw_MorvexName(state.FilmProperty().Value(), false).Printable();
  if (distributed) {
    if (evaluated) lines.Write(stream, line);
    return;
  }
  stream << nodeSetName_ << ", " << line.nodalValue << ", " << line.sink << ", ";
  if (definition == 1)
    stream << line.coefficientText;
  else
    stream << line.coefficient;
  stream << endl;
}
