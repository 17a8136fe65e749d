#include "aif/impl/interactions/aif_IncidentWaveProperty.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kinC_IncidentWaveProperty.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kIncidentWavePropertyFile[] =
    "module/aif/impl/interactions/aif_IncidentWaveProperty.cpp";

// The ", type=" option of a wave type code; empty for an unknown code.
const char* IncidentWaveTypeOption(int type) {
  switch (type) {
    case kinC_IncidentWaveProperty::kSphere:
      return ", type=SPHERE";
    case kinC_IncidentWaveProperty::kDiffuse:
      return ", type=DIFFUSE";
    case kinC_IncidentWaveProperty::kAirBlast:
      return ", type=AIR BLAST";
    case kinC_IncidentWaveProperty::kSurfaceBlast:
      return ", type=SURFACE BLAST";
    default:
      return "";
  }
}

}  // namespace

aif_IncidentWaveProperty::aif_IncidentWaveProperty(
    const cow_String& name, const cow_COW<kinC_InteractionProperty>& property)
    : name_(name), property_(property) {}

void aif_IncidentWaveProperty::Write(utl_Stream& stream) const {
  const auto& property = nex_canDynamicCastRef<const kinC_IncidentWaveProperty>(
      *property_, kIncidentWavePropertyFile, __LINE__);
  const int type = property.WaveType();
  stream << "*Incident Wave Interaction Property, name=" << akw_MorvexName(name_, false)
         << IncidentWaveTypeOption(type);
  stream.LineBreak();
  if (type == kinC_IncidentWaveProperty::kAirBlast ||
      type == kinC_IncidentWaveProperty::kSurfaceBlast)
    return;

  stream << property.FluidDensity() << ", " << property.SoundSpeed();
  if (type == kinC_IncidentWaveProperty::kDiffuse)
    stream << ", " << property.DiffuseSeeds();
  else if (property.SourceDefinition() == kinC_IncidentWaveProperty::kSourceValues)
    stream << ", " << property.SourceFirstValue() << ", " << property.SourceSecondValue() << ", "
           << property.SourceThirdValue();
  stream.LineBreak();
}
