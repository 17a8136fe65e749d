#include "aif/impl/loads/aif_Decharge.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kDechargeFile[] = "module/aif/impl/loads/aif_Decharge.cpp";

// "set,EBF,value" and "element,EBF, value", at element centroids for body
// and surface loads alike; a surface load's lines name the face number.
aif_FluxLoadTable DechargeTable(const char* label, bool surface, const char* kind) {
  aif_FluxLoadTable table;
  table.keyword = "*Decharge";
  table.kind = kind;
  table.rule = aif_FluxValueRule::kStatusAndParts;
  table.marker = aif_ComplexMarker::kRealImaginary;
  table.setText = cow_String(",") + label + ",";
  table.perElement = true;
  table.category = 1003;
  table.beforeLabel = ",";
  table.label = label;
  table.afterLabel = ", ";
  table.face = surface ? aif_FacePolicy::kFaceDigit : aif_FacePolicy::kNone;
  return table;
}

}  // namespace

aif_Decharge::aif_Decharge(const kloC_SurfaceCharge& load, const cow_String& stepName,
                           const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                           double scaleFactor)
    : aif_FluxLoadFrame(DechargeTable("ES", true, "surface charge"), load, stepName, opFlag,
                        setName, &info, scaleFactor, kDechargeFile, __LINE__) {}

aif_Decharge::aif_Decharge(const kloC_BodyCharge& load, const cow_String& stepName,
                           const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                           double scaleFactor)
    : aif_FluxLoadFrame(DechargeTable("EBF", false, "body charge"), load, stepName, opFlag, setName,
                        &info, scaleFactor, kDechargeFile, __LINE__) {}
