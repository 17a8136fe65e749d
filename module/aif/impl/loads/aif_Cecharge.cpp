#include "aif/impl/loads/aif_Cecharge.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kCechargeFile[] = "module/aif/impl/loads/aif_Cecharge.cpp";

// "set, ,value" and "node, , value": the degree of freedom left blank.
aif_FluxLoadTable CechargeTable() {
  aif_FluxLoadTable table;
  table.keyword = "*Cecharge";
  table.kind = "concentrated charge";
  table.rule = aif_FluxValueRule::kStatusAndParts;
  table.marker = aif_ComplexMarker::kRealImaginary;
  table.setText = ", ,";
  table.beforeLabel = ", , ";
  return table;
}

}  // namespace

aif_Cecharge::aif_Cecharge(const kloC_ConcentratedCharge& load, const cow_String& stepName,
                           const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                           double scaleFactor)
    : aif_FluxLoadFrame(CechargeTable(), load, stepName, opFlag, setName, &info, scaleFactor,
                        kCechargeFile, __LINE__) {}
