#include "aif/impl/interactions/aif_UNDEXChargeProperty.h"

#include "OdbAttrEO/kinC_IncidentWaveProperty.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kUndexChargeFile[] = "module/aif/impl/interactions/aif_UNDEXChargeProperty.cpp";

}  // namespace

aif_UNDEXChargeProperty::aif_UNDEXChargeProperty(const cow_COW<kinC_InteractionProperty>& property)
    : property_(property) {}

void aif_UNDEXChargeProperty::SetWaveData(double value, const gsl_ModelSegment& segment) {
  waveValue_ = value;
  waveSegment_ = segment;
}

void aif_UNDEXChargeProperty::Write(utl_Stream& stream) const {
  const auto& p = nex_canDynamicCastRef<const kinC_IncidentWaveProperty>(
      *property_, kUndexChargeFile, __LINE__);
  const int type = p.WaveType();
  if (type == kinC_IncidentWaveProperty::kAirBlast ||
      type == kinC_IncidentWaveProperty::kSurfaceBlast ||
      p.SourceDefinition() != kinC_IncidentWaveProperty::kUndexCharge)
    return;
  stream << "*UNDEX Charge Property";
  stream.LineBreak();
  stream << p.ChargeK() << ", " << p.ChargeA() << ", " << p.ChargeKappa() << ", " << p.ChargeB()
         << ", " << p.ChargeC() << ", " << p.ChargeDensity();
  stream.LineBreak();
  // The flag's text carries its own separator.
  stream << p.BubbleFirstValue() << ", " << p.BubbleSecondValue() << ", " << p.BubbleGasConstant()
         << ", " << p.BubbleGasRatio() << ", " << (p.BubbleDrag() ? "1.0, " : "0.0, ")
         << p.BubbleDragFactor() << ", " << p.BubbleDragExponent();
  stream.LineBreak();
  stream << p.IntegrationDuration() << ", " << p.IntegrationSteps() << ", "
         << p.IntegrationTolerance() << ", " << p.IntegrationFirstFactor() << ", "
         << p.IntegrationSecondFactor();
  stream.LineBreak();
  const gsl_Vector direction = waveSegment_.Direction();
  stream << waveValue_ << ", " << direction.x << ", " << direction.y << ", " << direction.z;
  stream.LineBreak();
}
