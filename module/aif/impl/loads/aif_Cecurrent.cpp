#include "aif/impl/loads/aif_Cecurrent.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kCecurrentFile[] = "module/aif/impl/loads/aif_Cecurrent.cpp";

// "set, ,value" and "node, , value": the degree of freedom left blank.
aif_FluxLoadTable CecurrentTable() {
  aif_FluxLoadTable table;
  table.keyword = "*Cecurrent";
  table.kind = "concentrated current";
  table.rule = aif_FluxValueRule::kStatusAndParts;
  table.marker = aif_ComplexMarker::kLoadCase;
  table.setText = ", ,";
  table.beforeLabel = ", , ";
  return table;
}

}  // namespace

aif_Cecurrent::aif_Cecurrent(const kloC_ConcentratedCurrent& load, const cow_String& stepName,
                             const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                             double scaleFactor)
    : aif_FluxLoadFrame(CecurrentTable(), load, stepName, opFlag, setName, &info, scaleFactor,
                        kCecurrentFile, __LINE__) {}
