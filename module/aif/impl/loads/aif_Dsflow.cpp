#include "aif/impl/loads/aif_Dsflow.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kDsflowFile[] = "module/aif/impl/loads/aif_Dsflow.cpp";

aif_FluxLoadTable DsflowTable() {
  aif_FluxLoadTable table;
  table.keyword = "*Dsflow";
  table.amplitudeBreak = true;
  table.setText = ", S, ";
  table.userText = ", SNU, ";
  table.fieldLines = false;
  return table;
}

}  // namespace

aif_Dsflow::aif_Dsflow(const kloC_SurfacePoreFluid& load, const cow_String& stepName, bool opFlag,
                       const cow_String& surfaceName, double scaleFactor)
    : aif_FluxLoadFrame(DsflowTable(), load, stepName, opFlag, surfaceName, nullptr, scaleFactor,
                        kDsflowFile, __LINE__) {}
