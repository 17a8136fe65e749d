#include "aif/impl/interactions/aif_Radiate.h"

#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/interactions/aif_ThermalConditionLines.h"

namespace {

constexpr const char* kRadiateFile = "module/aif/impl/interactions/aif_Radiate.cpp";
// The propagation status of a condition removed in a step.
constexpr int kRadiateRemoved = 4;

constexpr const char* kRadiateMessage =
    "\nDue to the failure of evaluating the emissivity of surface\nradiation \"%s\" from "
    "analytical field \"%s\",\nthis interaction will be missing in the input file.";

}  // namespace

aif_Radiate::aif_Radiate(const kinC_RadiationToAmbient& condition, const cow_String& stepName,
                         bool keepOp, const akw_ModelInfo& info)
    : stepName_(stepName),
      keepOp_(keepOp),
      condition_(condition),
      info_(nex_canDynamicCastRef<const aif_ModelInfo>(info, kRadiateFile, __LINE__)) {}

void aif_Radiate::Write(utl_Stream& stream) const {
  if (condition_.GetPropStatus(stepName_) == kRadiateRemoved) {
    aif_WriteThermalInactive(stream, "*Radiate", keepOp_);
    return;
  }
  aif_ThermalFactor emissivity;
  if (!condition_.UsesField(emissivity.fieldName))
    nex_Exception::Throw(
        aif_Exception(atr_Translate(
            "*RADIATE must be used with a FIELD defintion for the Radaition to Ambient")),
        kRadiateFile, __LINE__);
  emissivity.kind = aif_ThermalFactor::kAnalytical;
  emissivity.message = kRadiateMessage;
  const kinC_RadiationToAmbientState& state = condition_.ConstGetState(stepName_);
  aif_ThermalConditionLines lines;
  const bool evaluated =
      lines.Evaluate(info_, condition_.Region(), aif_ThermalConditionLines::kFaces,
                     condition_.Name(), emissivity, aif_ThermalFactor());

  // The op option stands before the amplitude here.
  stream << "*Radiate";
  if (!keepOp_) stream << ", op=NEW";
  aif_WriteThermalAmplitude(stream, "amplitude=", state.Amplitude().Value());
  stream.LineBreak();
  if (!evaluated) return;
  aif_ThermalLine line;
  line.faceLetter = "R";
  line.sink = state.SinkTemperature().Value();
  line.coefficient = state.Emissivity().Value();
  lines.Write(stream, line);
}
