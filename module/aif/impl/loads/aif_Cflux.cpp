#include "aif/impl/loads/aif_Cflux.h"

#include <string>

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kCfluxFile[] = "module/aif/impl/loads/aif_Cflux.cpp";

// "set, dof, value" and "node, dof, value", every value written.
aif_FluxLoadTable CfluxTable(int dof, const char* kind) {
  aif_FluxLoadTable table;
  table.keyword = "*Cflux";
  table.kind = kind;
  table.amplitudeBreak = true;
  table.setText = cow_String(", " + std::to_string(dof) + ", ");
  table.beforeLabel = table.setText;
  return table;
}

}  // namespace

aif_Cflux::aif_Cflux(const kloC_ConcentratedConcentrationFlux& load, const cow_String& stepName,
                     const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                     double scaleFactor)
    : aif_FluxLoadFrame(CfluxTable(11, "concentrated concentration flux"), load, stepName, opFlag,
                        setName, &info, scaleFactor, kCfluxFile, __LINE__) {}

aif_Cflux::aif_Cflux(const kloC_ConcentratedHeatFlux& load, const cow_String& stepName,
                     const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                     double scaleFactor)
    : aif_FluxLoadFrame(CfluxTable(load.Dof(), "concentrated heat flux"), load, stepName, opFlag,
                        setName, &info, scaleFactor, kCfluxFile, __LINE__) {}
