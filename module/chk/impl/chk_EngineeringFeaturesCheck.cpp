#include "chk/impl/chk_EngineeringFeaturesCheck.h"

#include <algorithm>
#include <vector>

#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kefC_SpringToGround.h"
#include "OdbAttrEO/kefC_TwoPointSpring.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"
#include "OdbAttrEO/kinC_Interaction.h"
#include "QivBasicUtils/nex_Exception.h"
#include "chk/impl/chk_Finding.h"
#include "chk/impl/chk_RootAssembly.h"

namespace {

const char* const kEngFeaturesCheckFile = "module/chk/impl/chk_EngineeringFeaturesCheck.cpp";

// The features of a list in name order (the order of the kernel's
// repositories, keyed by name).
template <class Feature>
std::vector<const Feature*> EngFeaturesByName(const cow_List<cow_COW<Feature>>& features) {
  std::vector<const Feature*> sorted;
  sorted.reserve(features.Length());
  for (const cow_COW<Feature>& feature : features)
    sorted.push_back(feature.Get());
  std::stable_sort(sorted.begin(), sorted.end(), [](const Feature* a, const Feature* b) {
    return a->Name().Str() < b->Name().Str();
  });
  return sorted;
}

// A region that cannot be written: not valid, or made on part instances that
// are gone.
bool EngFeaturesRegionCut(const rgnK_Region& region) {
  return !region.IsValid(true) || !region.OriginalPartInstancesStillExist();
}

bool EngFeaturesUnmeshed(const rgnK_Region& region) {
  bool partly = false;  // not read: a partly unmeshed region counts as unmeshed
  return !region.GCsAssociatedWithMesh(partly);
}

std::size_t EngFeaturesHitCount(const rgnK_Region& region) {
  cow_List<gdy_HitRecord> records;
  region.GetHitRecords(records, true, false);
  const std::size_t count = records.Length();
  rgnK_DeleteHitRecords(records);
  return count;
}

// The regions of a crack: an XFEM crack's domain and, when given, its
// initial crack; a contour integral's front and tip. Null for a kernel
// object of any other kind (no crack).
bool EngFeaturesCrackRegions(const kern_Object& crack, bool& suppressed,
                             cow_List<rgnC_Region>& regions) {
  if (const auto* xfem = dynamic_cast<const kefC_XFEMCrack*>(&crack)) {
    suppressed = xfem->IsSuppressed();
    regions.Append(xfem->CrackDomain());
    if (xfem->IsCrackSpecified()) regions.Append(xfem->InitialCrack());
    return true;
  }
  if (const auto* contour = dynamic_cast<const kefC_ContourIntegral*>(&crack)) {
    suppressed = contour->IsSuppressed();
    regions.Append(contour->CrackFront());
    regions.Append(contour->CrackTip());
    return true;
  }
  return false;
}

void EngFeaturesReport(const char* header, const cow_List<cow_String>& names,
                       cow_List<atr_String>& list) {
  chk_Finding finding(header, chk_LineForm::kIndented);
  for (const cow_String& name : names)
    finding.Add(name);
  finding.AppendTo(list);
}

}  // namespace

chk_EngineeringFeaturesCheck::chk_EngineeringFeaturesCheck(const bas_NewModel& model,
                                                           const cow_String& modelName)
    : kut_Check(model, modelName) {}

chk_EngineeringFeaturesCheck::chk_EngineeringFeaturesCheck(
    const chk_EngineeringFeaturesCheck& other) = default;

chk_EngineeringFeaturesCheck::~chk_EngineeringFeaturesCheck() = default;

chk_EngineeringFeaturesCheck* chk_EngineeringFeaturesCheck::Clone() const {
  return new chk_EngineeringFeaturesCheck(*this);
}

void chk_EngineeringFeaturesCheck::Run() {
  // A model without an assembly is examined through an empty one.
  asoK_Assembly assembly;
  if (const asoK_Assembly* root = chk_RootAssembly(Model(), kEngFeaturesCheckFile, __LINE__))
    assembly = *root;

  // Each part once, under the name of its first active instance.
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  cow_List<cow_String> visitedParts;
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (!instance || !visitedParts.AppendUnlessMember(instance->GetPartName())) continue;
    CheckObjectFeatures(asoK_Assembly::GetOriginalPart(*instance), instance->Name());
  }
  CheckObjectFeatures(assembly, "Assembly");
  if (assembly.EngineeringFeaturesReady()) CheckAssembledFasteners(assembly);

  EngFeaturesReport(
      "All of the points to which the following springs/dashpots\nhave been applied have been "
      "suppressed, deleted or excluded\nor belong to a reference representation.\nThe "
      "springs/dashpots will not be written to the input file.\n\n",
      whollyCutSprings_, WarningList());
  EngFeaturesReport(
      "At least some of the points to which the following springs/dashpots\nhave been applied "
      "has been suppressed, deleted or excluded or at\nleast a portion of the points belong to a "
      "reference representation.\n\n",
      partlyCutSprings_, WarningList());
  EngFeaturesReport(
      "The following Inertia objects reference a region that has been\nhas been suppressed, "
      "deleted or excluded or at least part of\nthe region belongs to a reference "
      "representation.\n\n",
      cutInertias_, WarningList());
}

void chk_EngineeringFeaturesCheck::CheckObjectFeatures(const ftr_PrimaryObject& object,
                                                       const cow_String& instanceName) {
  if (!object.EngineeringFeaturesReady()) return;
  const auto& features = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
      object.ConstGetEngineeringFeatures(), kEngFeaturesCheckFile, __LINE__);
  // The warnings name a part's features through the instance it is
  // examined under; the errors name every feature by its own name.
  const bool part = object.IsPart();
  const auto qualified = [&](const cow_String& name) {
    return part ? cow_String(instanceName.Str() + "." + name.Str()) : name;
  };

  // Springs and dashpots the writer writes: not excluded, with a spring or a
  // dashpot behaviour.
  cow_List<cow_String> unmeshedSprings;
  for (const kefC_Spring* spring : EngFeaturesByName(features.Springs())) {
    if (spring->IsExcluded() || (!spring->HasSpring() && !spring->HasDashpot())) continue;
    for (const rgnC_Region& region : spring->Regions())
      if (EngFeaturesUnmeshed(rgnK_Region(&object, ModelName(), region)))
        unmeshedSprings.AppendUnlessMember(spring->Name());

    if (spring->DynTypeId() == kefC_SpringToGround::TypeId()) {
      const auto& toGround = nex_canDynamicCastRef<const kefC_SpringToGround>(
          *spring, kEngFeaturesCheckFile, __LINE__);
      if (EngFeaturesRegionCut(rgnK_Region(&object, ModelName(), toGround.Region())))
        partlyCutSprings_.Append(qualified(spring->Name()));
    } else if (spring->DynTypeId() == kefC_TwoPointSpring::TypeId()) {
      const auto& twoPoint = nex_canDynamicCastRef<const kefC_TwoPointSpring>(
          *spring, kEngFeaturesCheckFile, __LINE__);
      // A spring without pairs has nothing to write: wholly cut.
      bool allCut = true;
      bool someCut = false;
      for (const rgnC_RegionPair& pair : twoPoint.RegionPairs()) {
        const rgnK_Region first(&object, ModelName(), pair.First());
        const rgnK_Region second(&object, ModelName(), pair.Second());
        if (EngFeaturesRegionCut(first) || EngFeaturesRegionCut(second)) {
          someCut = true;
        } else if (EngFeaturesHitCount(first) == 0 || EngFeaturesHitCount(second) == 0) {
          someCut = true;
        } else {
          allCut = false;
        }
      }
      if (allCut)
        whollyCutSprings_.Append(qualified(spring->Name()));
      else if (someCut)
        partlyCutSprings_.Append(qualified(spring->Name()));
    }
  }
  EngFeaturesReport(
      "The following springs/dashpots reference regions which\nare not associated with a mesh:\n",
      unmeshedSprings, ErrorList());

  // Inertias: a cut region is listed once for each such region.
  cow_List<cow_String> unmeshedInertias;
  for (const kefC_Inertia* inertia : EngFeaturesByName(features.Inertias())) {
    if (inertia->IsExcluded()) continue;
    for (const rgnC_Region& region : inertia->Regions()) {
      const rgnK_Region evaluated(&object, ModelName(), region);
      if (EngFeaturesRegionCut(evaluated))
        cutInertias_.Append(qualified(inertia->Name()));
      else if (EngFeaturesUnmeshed(evaluated))
        unmeshedInertias.AppendUnlessMember(inertia->Name());
    }
  }
  EngFeaturesReport(
      "The following inertias reference regions which\nare not associated with a mesh:\n",
      unmeshedInertias, ErrorList());

  // Cracks, and the XFEM crack growth interactions that name a crack which
  // may not grow.
  const auto& interactions =
      nex_canDynamicCastRef<const kprC_PropagatingContainer<kinC_Interaction>>(
          Model().ConstGetExtension(bas_NewModel::interactionCmd), kEngFeaturesCheckFile, __LINE__);
  cow_List<cow_String> unmeshedCracks;
  cow_List<cow_String> growthInteractions;
  cow_List<cow_String> stationaryCracks;
  for (const auto& [name, crack] : features.Cracks().ConstGetMap()) {
    bool suppressed = false;
    cow_List<rgnC_Region> regions;
    if (!EngFeaturesCrackRegions(*crack, suppressed, regions) || suppressed) continue;
    for (const rgnC_Region& region : regions)
      if (EngFeaturesUnmeshed(rgnK_Region(&object, ModelName(), region)))
        unmeshedCracks.AppendUnlessMember(name);

    if (crack->DynTypeId() != kefC_XFEMCrack::TypeId()) continue;
    const auto& xfem =
        nex_canDynamicCastRef<const kefC_XFEMCrack>(*crack, kEngFeaturesCheckFile, __LINE__);
    if (xfem.AllowGrowth()) continue;
    for (const auto& [interactionName, interaction] : interactions.ConstGetMap()) {
      if (interaction->DynTypeId() != kinC_XFEMCrackGrowth::TypeId() || interaction->Suppressed())
        continue;
      const auto& growth = nex_canDynamicCastRef<const kinC_XFEMCrackGrowth>(
          *interaction, kEngFeaturesCheckFile, __LINE__);
      if (growth.CrackName() != name) continue;
      stationaryCracks.Append(name);
      growthInteractions.Append(interactionName);
    }
  }
  EngFeaturesReport(
      "The following cracks reference regions which\nare not associated with a mesh:\n",
      unmeshedCracks, ErrorList());
  for (std::size_t i = 0; i < growthInteractions.Length(); ++i)
    ErrorList().Append(atr_TranslateFormat(
        "XFEM crack growth interaction \"%s\" references a\nstationary XFEM crack \"%s\". Delete "
        "or suppress\nthe interaction, or change the crack to allow growth.\n",
        growthInteractions[i], stationaryCracks[i]));
}
