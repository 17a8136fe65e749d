#include "aif/impl/loads/aif_Dflow.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kDflowFile[] = "module/aif/impl/loads/aif_Dflow.cpp";

// "set, S, value" ("SNU" user-defined) and "element, S4, value" at face
// centroids; a flow into the positive side of a shell is negated.
aif_FluxLoadTable DflowTable() {
  aif_FluxLoadTable table;
  table.keyword = "*Dflow";
  table.kind = "surface pore fluid flow";
  table.amplitudeBreak = true;
  table.setText = ", S, ";
  table.userText = ", SNU, ";
  table.perElement = true;
  table.category = 1002;
  table.beforeLabel = ", ";
  table.label = "S";
  table.afterLabel = ", ";
  table.face = aif_FacePolicy::kNegatePos;
  return table;
}

}  // namespace

aif_Dflow::aif_Dflow(const kloC_Distributed& load, const cow_String& stepName, bool opFlag,
                     const cow_String& setName, const aif_ModelInfo& info, double scaleFactor)
    : aif_FluxLoadFrame(DflowTable(), load, stepName, opFlag, setName, &info, scaleFactor,
                        kDflowFile, __LINE__) {}
