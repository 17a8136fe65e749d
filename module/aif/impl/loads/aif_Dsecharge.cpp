#include "aif/impl/loads/aif_Dsecharge.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kDsechargeFile[] = "module/aif/impl/loads/aif_Dsecharge.cpp";

aif_FluxLoadTable DsechargeTable() {
  aif_FluxLoadTable table;
  table.keyword = "*Dsecharge";
  table.rule = aif_FluxValueRule::kStatusAndParts;
  table.marker = aif_ComplexMarker::kRealImaginary;
  table.setText = ",ES,";
  table.fieldLines = false;
  return table;
}

}  // namespace

aif_Dsecharge::aif_Dsecharge(const kloC_SurfaceCharge& load, const cow_String& stepName,
                             bool opFlag, const cow_String& surfaceName, double scaleFactor)
    : aif_FluxLoadFrame(DsechargeTable(), load, stepName, opFlag, surfaceName, nullptr, scaleFactor,
                        kDsechargeFile, __LINE__) {}
