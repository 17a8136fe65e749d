#include "aif/impl/interactions/aif_Foundation.h"

#include "BasShared/atr_String.h"
#include "ModKerLow/rgnK_Region.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/model/aif_SetLabelWriter.h"

namespace {

constexpr char kFoundationFile[] = "module/aif/impl/interactions/aif_Foundation.cpp";

// The propagation status of a foundation deactivated in a step.
constexpr int kFoundationDeactivated = 4;

struct FoundationLabel {
  const char* face;
  const char* load;
};
constexpr FoundationLabel kFoundationLabels[] = {{"S1", "F1"},  {"S2", "F2"}, {"S3", "F3"},
                                                 {"S4", "F4"},  {"S5", "F5"}, {"S6", "F6"},
                                                 {"SPOS", "F"}, {"SNEG", "F"}};

}  // namespace

aif_Foundation::aif_Foundation(const cow_COW<kinC_Interaction>& interaction,
                               const cow_String& stepName, const rgnK_Region& region,
                               const cow_String& setName)
    : stepName_(stepName), interaction_(interaction), setName_(setName) {
  cow_Map<int, cow_List<int>> elements;
  cow_Map<int, cow_List<cow_String>> faces;
  region.GetElementIds(elements, &faces, static_cast<int>(ftr_kAssemblyId), false, true);
  for (const auto& [face, name] : aif_SetLabelWriter::MapMemberNames(faces, setName))
    elementSets_.Set(name, face);
}

const char* aif_Foundation::LoadLabel(const cow_String& face) {
  for (const FoundationLabel& label : kFoundationLabels)
    if (face == label.face) return label.load;
  return "";
}

void aif_Foundation::Write(utl_Stream& stream) const {
  const auto& foundation =
      nex_canDynamicCastRef<const kinC_ElasticFoundation>(*interaction_, kFoundationFile, __LINE__);
  if (foundation.GetPropStatus(stepName_) == kFoundationDeactivated) {
    stream << "*Foundation" << endl;
    return;
  }
  const kinC_ElasticFoundationState& state = foundation.ConstGetState(stepName_);
  for (const auto& [name, face] : elementSets_)
    if (*LoadLabel(face) == '\0')
      nex_Exception::Throw(
          aif_Exception(atr_Translate("Unknown foundation interaction face label")),
          kFoundationFile, __LINE__);

  // The surface chose its face sets' names (a clash adds a counter) when it
  // wrote them, earlier in this write.
  const cow_Map<cow_String, cow_String>* written =
      aif_SetNameRegistry::Instance().SurfaceFaceSets(setName_);
  const double stiffness = state.Stiffness().Value();
  stream << "*Foundation" << endl;
  for (const auto& [name, face] : elementSets_) {
    const cow_String* set = written ? written->Find(face) : nullptr;
    // A face the surface wrote no set for lies only on elements left out of
    // the file (members of mesh-locked or inactive instances): no line.
    if (written && !set) continue;
    stream << (set ? *set : name) << ", " << LoadLabel(face) << ", " << stiffness << endl;
  }
}
