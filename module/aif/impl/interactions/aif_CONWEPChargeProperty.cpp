#include "aif/impl/interactions/aif_CONWEPChargeProperty.h"

#include "OdbAttrEO/kinC_IncidentWaveProperty.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kConwepChargeFile[] = "module/aif/impl/interactions/aif_CONWEPChargeProperty.cpp";

}  // namespace

aif_CONWEPChargeProperty::aif_CONWEPChargeProperty(
    const cow_COW<kinC_InteractionProperty>& property)
    : property_(property) {}

void aif_CONWEPChargeProperty::Write(utl_Stream& stream) const {
  const auto& property = nex_canDynamicCastRef<const kinC_IncidentWaveProperty>(
      *property_, kConwepChargeFile, __LINE__);
  const int type = property.WaveType();
  if (type != kinC_IncidentWaveProperty::kAirBlast &&
      type != kinC_IncidentWaveProperty::kSurfaceBlast)
    return;
  stream << "*CONWEP Charge Property";
  stream.LineBreak();
  stream << property.BlastEquivalentMass() << ", " << property.BlastMassFactor() << endl;
  stream << property.BlastLengthFactor() << ", " << property.BlastTimeFactor() << ", "
         << property.BlastPressureFactor() << endl;
}
