#include "aif/impl/loads/aif_FluidFlux.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kFluidFluxFile[] = "module/aif/impl/loads/aif_FluidFlux.cpp";

// "set, value": no degree of freedom, no field.
aif_FluxLoadTable FluidFluxTable() {
  aif_FluxLoadTable table;
  table.keyword = "*Fluid Flux";
  table.kind = "hydrostatic fluid flow";
  table.amplitudeBreak = true;
  table.setText = ", ";
  table.fieldLines = false;
  return table;
}

}  // namespace

aif_FluidFlux::aif_FluidFlux(const kloC_HydroFluidFlow& load, const cow_String& stepName,
                             bool opFlag, const cow_String& setName, double scaleFactor)
    : aif_FluxLoadFrame(FluidFluxTable(), load, stepName, opFlag, setName, nullptr, scaleFactor,
                        kFluidFluxFile, __LINE__) {}
