#include "aif/impl/interactions/aif_Cradiate.h"

#include <utility>

#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/interactions/aif_ThermalConditionLines.h"

namespace {

constexpr const char* kCradiateFile = "module/aif/impl/interactions/aif_Cradiate.cpp";
// The propagation status of a condition removed in a step.
constexpr int kCradiateRemoved = 4;

constexpr const char* kCradiateMessage =
    "\nDue to the failure of evaluating the emissivity of concentrated\nradiation \"%s\" from "
    "analytical field \"%s\",\nthis interaction will be missing in the input file.";

}  // namespace

aif_Cradiate::aif_Cradiate(const kinC_ConcRadiationToAmbient& condition, const cow_String& stepName,
                           bool keepOp, cow_String nodeSetName, const akw_ModelInfo& info)
    : nodeSetName_(std::move(nodeSetName)),
      stepName_(stepName),
      keepOp_(keepOp),
      condition_(condition),
      info_(nex_canDynamicCastRef<const aif_ModelInfo>(info, kCradiateFile, __LINE__)) {}

void aif_Cradiate::Write(utl_Stream& stream) const {
  if (condition_.GetPropStatus(stepName_) == kCradiateRemoved) {
    aif_WriteThermalInactive(stream, "*Cradiate", keepOp_);
    return;
  }
  const kinC_ConcRadiationToAmbientState& state = condition_.ConstGetState(stepName_);
  aif_ThermalFactor emissivity;
  const bool distributed = condition_.UsesField(emissivity.fieldName);
  aif_ThermalConditionLines lines;
  bool evaluated = false;
  if (distributed) {
    // Only an expression distributes a nodal emissivity.
    const auto& fields = info_.ModelAdapter().AnalyticalFields();
    if (fields.Contains(emissivity.fieldName))
      nex_canDynamicCastRef<const kfdC_ExpressionField>(fields.ConstGet(emissivity.fieldName),
                                                        kCradiateFile, __LINE__);
    emissivity.kind = aif_ThermalFactor::kAnalytical;
    emissivity.message = kCradiateMessage;
    evaluated = lines.Evaluate(info_, condition_.Region(), aif_ThermalConditionLines::kNodes,
                               condition_.Name(), emissivity, aif_ThermalFactor());
  }

  stream << "*Cradiate";
  aif_WriteThermalAmplitude(stream, "amplitude=", state.Amplitude().Value());
  aif_WriteThermalRegionType(stream, condition_, stepName_, condition_.RegionType());
  if (!keepOp_) stream << ", op=NEW";
  stream.LineBreak();

  aif_ThermalLine line;
  line.nodal = true;
  line.nodalValue = state.NodalArea().Value();
  line.sink = state.SinkTemperature().Value();
  line.coefficient = state.Emissivity().Value();
  if (distributed) {
    if (evaluated) lines.Write(stream, line);
    return;
  }
  stream << nodeSetName_ << ", " << line.nodalValue << ", " << line.sink << ", " << line.coefficient
         << endl;
}
