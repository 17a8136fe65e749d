#include "aif/impl/constraints/aif_CrackBuilder.h"

#include <memory>
#include <set>
#include <string>

#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/mgt_ContourIntegralMgr.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/korC_Output.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/nex_Exception.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/constraints/aif_ContourIntegral.h"
#include "aif/impl/constraints/aif_Enrichment.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/model/aif_Nset.h"

namespace {

constexpr char kCrackBuilderFile[] = "module/aif/impl/constraints/aif_CrackBuilder.cpp";
constexpr int kCrackBuilderAssemblyScope = 2;
// Propagation statuses of a request in a step: created there, modified
// there, switched off there. Only these write its contour integral.
constexpr int kCrackRequestCreated = 1;
constexpr int kCrackRequestModified = 3;
constexpr int kCrackRequestSwitchedOff = 4;
// The front kind whose front is always taken apart into named segments.
constexpr int kCrackSegmentedFrontKind = 2;

bool CrackRequestWritten(int status) {
  return status == kCrackRequestCreated || status == kCrackRequestModified ||
         status == kCrackRequestSwitchedOff;
}

// The name of a crack-front or crack-tip node set of one segment: the
// region's assembly-level name `qualified` (as written, perhaps quoted) with
// its components unquoted and every "." turned "_", then `suffix`, made
// printable once as a whole, so that a quoted name gets its suffix inside
// its quotes ("\"Part 1-1\".Front" + "-F1_" gives "\"Part 1-1_Front-F1_\"").
cow_String CrackSegmentSetName(const cow_String& qualified, const std::string& suffix) {
  const std::string_view text = qualified.View();
  std::string name;
  bool quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] == '"') quoted = !quoted;
    if (i < text.size() && (text[i] != '.' || quoted)) continue;
    if (start > 0) name += '_';
    name += aif_UnquoteName(cow_String(text.substr(start, i - start))).View();
    start = i + 1;
  }
  for (char& c : name)
    if (c == '.') c = '_';
  return aif_PrintableName(cow_String(name + suffix));
}

}  // namespace

aif_CrackBuilder::aif_CrackBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}

aif_ModelInfo& aif_CrackBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_CrackBuilder::Build() {
  BuildEnrichments();
  BuildContourIntegrals();
}

const kefC_EngineeringFeatures* aif_CrackBuilder::CrackFeatures() const {
  const asoK_Assembly* assembly = Info().Assembly();
  if (!assembly || !assembly->EngineeringFeaturesReady()) return nullptr;
  const auto& features = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
      assembly->ConstGetEngineeringFeatures(), kCrackBuilderFile, __LINE__);
  return features.Cracks().Length() == 0 ? nullptr : &features;
}

void aif_CrackBuilder::BuildEnrichments() {
  const kefC_EngineeringFeatures* features = CrackFeatures();
  if (!features) return;
  aif_ModelInfo& info = Info();
  for (const auto& [name, object] : features->Cracks().ConstGetMap()) {
    if (object->DynTypeId() != kefC_XFEMCrack::TypeId()) continue;
    // The keyword keeps a reference to the crack the assembly holds.
    const auto& crack =
        nex_canDynamicCastRef<const kefC_XFEMCrack>(*object, kCrackBuilderFile, __LINE__);
    if (crack.IsSuppressed()) continue;
    AddAssemblyDefinition(aif_Enrichment(crack, name, &info));
  }
}

void aif_CrackBuilder::BuildContourIntegrals() {
  const kefC_EngineeringFeatures* features = CrackFeatures();
  if (!features) return;
  aif_ModelInfo& info = Info();
  const aif_Model& model = info.ModelAdapter();
  const cow_List<cow_String> steps = model.Steps().UnsuppressedKeys();
  const auto& cracks = features->Cracks();
  // Two requests on one contour-integral crack, or one request written in
  // several steps, name the same crack-front node sets (the layers come
  // from the crack's regions, not from the request or the step): each set
  // is filed once per write, when a contour integral first names it. That
  // is mostly the step the request is created in; a request created in a
  // step the file leaves out is first written where it is modified or
  // switched off, and its sets come with it there.
  std::set<std::string> filedSets;

  for (const auto& [requestName, handle] : model.HistoryOutputRequests().ConstGetMap()) {
    const korC_HistoryOutput& request = *handle;
    const cow_String& crackName = request.CrackName();
    if (crackName.IsEmpty() || !cracks.Contains(crackName) || request.Suppressed()) continue;
    const kern_Object& object = cracks.ConstGet(crackName);
    const bool xfem = object.DynTypeId() == kefC_XFEMCrack::TypeId();
    const bool contour = object.DynTypeId() == kefC_ContourIntegral::TypeId();
    if (!xfem && !contour) continue;
    if (xfem
            ? nex_canDynamicCastRef<const kefC_XFEMCrack>(object, kCrackBuilderFile, __LINE__)
                  .IsSuppressed()
            : nex_canDynamicCastRef<const kefC_ContourIntegral>(object, kCrackBuilderFile, __LINE__)
                  .IsSuppressed())
      continue;

    // The residual stresses of a step the file does not hold cannot be
    // subtracted: the request is written without them, and the user told
    // once, with its first contour integral.
    int residualStep = -1;
    bool unknownResidual = false;
    const cow_String& residualName = request.ResidualStressStepName();
    if (!residualName.IsEmpty()) {
      residualStep = static_cast<int>(steps.IndexOf(residualName));
      unknownResidual = residualStep < 0;
    }
    auto warnUnknownResidual = [&]() {
      if (!unknownResidual) return;
      unknownResidual = false;
      cmdC_WIP::Warning(atr_TranslateFormat3(
          "The residual stress step %s of the history output request %s on the crack %s is "
          "not a step of the input file: its contour integrals are written without residual "
          "stresses.",
          residualName, requestName, crackName));
    };

    for (std::size_t s = 1; s < steps.Length(); ++s) {
      const cow_String& step = steps[s];
      const int status = request.Status(step);
      if (!CrackRequestWritten(status)) continue;
      const aif_Comment comment("\nHISTORY OUTPUT: " + requestName + "\n");
      if (xfem) {
        const auto& crack =
            nex_canDynamicCastRef<const kefC_XFEMCrack>(object, kCrackBuilderFile, __LINE__);
        warnUnknownResidual();
        AddStepDefinition(step, comment);
        AddStepDefinition(step,
                          aif_ContourIntegral(request, requestName, crack, step, residualStep));
        continue;
      }
      const auto& crack =
          nex_canDynamicCastRef<const kefC_ContourIntegral>(object, kCrackBuilderFile, __LINE__);
      const asoK_Assembly* assembly = info.Assembly();
      const rgnK_Region frontRegion(assembly, info.ModelName(), crack.CrackFront());
      const rgnK_Region tipRegion(assembly, info.ModelName(), crack.CrackTip());
      gdy_CompositeHitSet frontHits, tipHits;
      frontRegion.GetCompositeHits(frontHits, false, false, false, true, false);
      tipRegion.GetCompositeHits(tipHits, false, false, false, true, false);
      const std::unique_ptr<gme_RegularGrid> grid =
          mgt_ContourIntegralMgr::BuildCrackFrontLayers(assembly, frontHits, tipHits);
      if (!grid || !grid->IsValid()) continue;

      const int segments = grid->NumSegments();
      const cow_String front =
          aif_RegionName(crack.CrackFront(), info).QualifiedName(kCrackBuilderAssemblyScope);
      const cow_String tip =
          aif_RegionName(crack.CrackTip(), info).QualifiedName(kCrackBuilderAssemblyScope);
      cow_List<cow_String> fronts, tips;
      if (crack.FrontKind() != kCrackSegmentedFrontKind && segments == 1) {
        fronts.Append(front);
        tips.Append(tip);
      } else {
        const bool same = front == tip;
        const bool labels = info.NodeLabelsUsable();
        for (int i = 1; i <= segments; ++i) {
          const std::string number = std::to_string(i);
          const cow_String frontSet =
              CrackSegmentSetName(front, (same ? "-F" : "-") + number + "_");
          const cow_String tipSet = CrackSegmentSetName(tip, (same ? "-T" : "-") + number + "_");
          fronts.Append(frontSet);
          tips.Append(tipSet);
          if (filedSets.insert(frontSet.Str()).second)
            AddAssemblyDefinition(aif_Nset(frontSet, grid->FrontNodes(i - 1, labels), true, info));
          if (filedSets.insert(tipSet.Str()).second)
            AddAssemblyDefinition(aif_Nset(tipSet, grid->TipNodes(i - 1, labels), true, info));
        }
      }
      warnUnknownResidual();
      AddStepDefinition(step, comment);
      AddStepDefinition(
          step, aif_ContourIntegral(request, requestName, crack, step, fronts, tips, residualStep));
    }
  }
}
