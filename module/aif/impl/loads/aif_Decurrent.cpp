#include "aif/impl/loads/aif_Decurrent.h"

#include "OdbAttrEO/kloC_Load.h"

namespace {

constexpr char kDecurrentFile[] = "module/aif/impl/loads/aif_Decurrent.cpp";

// "set,CBF,value" and "element,CBF, value", at element centroids for body
// and surface loads alike; a surface load's lines name the face number.
aif_FluxLoadTable DecurrentTable(const char* label, bool surface, const char* kind) {
  aif_FluxLoadTable table;
  table.keyword = "*Decurrent";
  table.kind = kind;
  table.rule = aif_FluxValueRule::kStatusAndParts;
  table.marker = aif_ComplexMarker::kLoadCase;
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

aif_Decurrent::aif_Decurrent(const kloC_SurfaceCurrent& load, const cow_String& stepName,
                             const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                             double scaleFactor)
    : aif_FluxLoadFrame(DecurrentTable("CS", true, "surface current"), load, stepName, opFlag,
                        setName, &info, scaleFactor, kDecurrentFile, __LINE__) {}

aif_Decurrent::aif_Decurrent(const kloC_BodyCurrent& load, const cow_String& stepName,
                             const aif_ModelInfo& info, bool opFlag, const cow_String& setName,
                             double scaleFactor)
    : aif_FluxLoadFrame(DecurrentTable("CBF", false, "body current"), load, stepName, opFlag,
                        setName, &info, scaleFactor, kDecurrentFile, __LINE__) {}
