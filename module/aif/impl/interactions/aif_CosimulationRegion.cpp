#include "aif/impl/interactions/aif_CosimulationRegion.h"

#include "OdbAttrEO/kinC_Cosimulation.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

constexpr char kCosimRegionFile[] = "module/aif/impl/interactions/aif_CosimulationRegion.cpp";
// The bit of a region's kind word that marks a surface.
constexpr int kCosimSurfaceKind = 1 << 3;
// Values of a Standard-Explicit data line.
constexpr int kCosimValuesPerLine = 8;

bool IsCosimSurface(const rgnC_Region& region) {
  return (region.Flags() & kCosimSurfaceKind) != 0;
}

cow_String CosimRegionName(const rgnC_Region& region, const aif_ModelInfo& info) {
  const aif_RegionName name(region, info);
  return IsCosimSurface(region) ? name.SetName(2) : name.QualifiedName(2);
}

// The keyword line of a fluid-structure block and one line per variable.
void WriteCosimExchangeBlock(utl_Stream& stream, const char* direction, const char* type,
                             const cow_String& regionName, const cow_List<cow_String>& variables) {
  if (variables.IsEmpty()) return;
  stream << "*Co-simulation Region, " << direction << ", type=" << type;
  stream.LineBreak();
  for (const cow_String& variable : variables) {
    stream << regionName << ", " << variable;
    stream.LineBreak();
  }
}

}  // namespace

aif_CosimulationRegion::aif_CosimulationRegion(const cow_COW<kinC_Interaction>& interaction,
                                               const cow_String& stepName,
                                               const aif_ModelInfo& info)
    : interaction_(interaction), stepName_(stepName), info_(&info) {}

void aif_CosimulationRegion::Write(utl_Stream& stream) const {
  if (interaction_.IsNull()) return;
  const kinC_Interaction& interaction = *interaction_;
  const unsigned typeId = interaction.DynTypeId();
  if (typeId == kinC_StdXplCosimulation::TypeId()) {
    const auto& cosim = nex_canDynamicCastRef<const kinC_StdXplCosimulation>(
        interaction, kCosimRegionFile, __LINE__);
    const cow_List<cow_String> variables =
        cosim.ConstGetState(stepName_).ExchangedVariables().Value();
    const cow_String regionName = CosimRegionName(cosim.Region(), *info_);
    stream << "*Co-simulation Region, type="
           << (IsCosimSurface(cosim.Region()) ? "SURFACE" : "NODE");
    stream.LineBreak();
    // One run of values, the region's name first: each value is followed by
    // ", ", except one that completes a line, which ends it.
    int inLine = 0;
    auto writeValue = [&](const cow_String& value) {
      stream << value;
      if (++inLine == kCosimValuesPerLine) {
        stream.LineBreak();
        inLine = 0;
      } else {
        stream << ", ";
      }
    };
    writeValue(regionName);
    for (const cow_String& variable : variables)
      writeValue(variable);
    if (inLine != 0) stream.LineBreak();
  } else if (typeId == kinC_FSICosimulation::TypeId()) {
    const auto& cosim =
        nex_canDynamicCastRef<const kinC_FSICosimulation>(interaction, kCosimRegionFile, __LINE__);
    const kinC_FSICosimulationState& state = cosim.ConstGetState(stepName_);
    const cow_String regionName = CosimRegionName(cosim.Region(), *info_);
    const char* type = IsCosimSurface(cosim.Region()) ? "SURFACE" : "NODE";
    WriteCosimExchangeBlock(stream, "import", type, regionName, state.ImportVariables().Value());
    WriteCosimExchangeBlock(stream, "export", type, regionName, state.ExportVariables().Value());
  }
}
