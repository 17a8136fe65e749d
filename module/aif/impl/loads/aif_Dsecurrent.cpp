#include "aif/impl/loads/aif_Dsecurrent.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kDsecurrentFile[] = "module/aif/impl/loads/aif_Dsecurrent.cpp";

aif_FluxLoadTable DsecurrentTable() {
  aif_FluxLoadTable table;
  table.keyword = "*Dsecurrent";
  table.rule = aif_FluxValueRule::kStatusAndParts;
  table.marker = aif_ComplexMarker::kLoadCase;
  table.setText = ",CS,";
  table.fieldLines = false;
  return table;
}

}  // namespace

aif_Dsecurrent::aif_Dsecurrent(const kloC_SurfaceCurrent& load, const cow_String& stepName,
                               bool opFlag, const cow_String& surfaceName, double scaleFactor)
    : aif_FluxLoadFrame(DsecurrentTable(), load, stepName, opFlag, surfaceName, nullptr,
                        scaleFactor, kDsecurrentFile, __LINE__) {}
