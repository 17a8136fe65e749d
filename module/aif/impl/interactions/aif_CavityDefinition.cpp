#include "aif/impl/interactions/aif_CavityDefinition.h"

#include <cfloat>
#include <cstddef>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kinC_CavityRadiation.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

constexpr char kCavityDefinitionFile[] = "module/aif/impl/interactions/aif_CavityDefinition.cpp";

}  // namespace

aif_CavityDefinition::aif_CavityDefinition(const cow_String& name,
                                           const cow_COW<kinC_Interaction>& interaction,
                                           const aif_ModelInfo& info)
    : name_(name), interaction_(interaction), info_(&info) {}

void aif_CavityDefinition::Write(utl_Stream& stream) const {
  const auto& cavity = nex_canDynamicCastRef<const kinC_CavityRadiation>(
      *interaction_, kCavityDefinitionFile, __LINE__);
  stream << "*Cavity Definition, name=" << akw_MorvexName(name_, false) << ", Set property";
  if (cavity.AmbientTemperature() != DBL_MAX)
    stream << ", ambient temp=" << cavity.AmbientTemperature();
  stream << endl;
  const cow_List<rgnC_Region>& surfaces = cavity.Surfaces();
  const cow_List<cow_String>& properties = cavity.SurfacePropertyNames();
  for (std::size_t i = 0; i < surfaces.Length(); ++i) {
    stream << aif_RegionName(surfaces[i], *info_).SetName(2) << ", ";
    if (i < properties.Length()) stream << akw_MorvexName(properties[i], false);
    stream.LineBreak();
  }
}
