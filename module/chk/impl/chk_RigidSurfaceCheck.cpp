#include "chk/impl/chk_RigidSurfaceCheck.h"
#include "chk/impl/chk_RootAssembly.h"

#include <algorithm>
#include <string>
#include <vector>

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/ptsK_AnalyticRigidPoints.h"
#include "ModKerLow/rgnF_Utils.h"
#include "ModKerLow/rgnK_Region.h"
#include "ModelDatabase/mdl_Repository.h"
#include "OdbAttrEO/kcoC_Constraint.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/constraints/aif_RigidBodyRegions.h"

namespace {

const char* const kRigidSurfaceCheckFile = "module/chk/impl/chk_RigidSurfaceCheck.cpp";

// The surfaces found on one analytical rigid instance: the side of each, and
// the names of the user's surfaces and of the application's own (internal)
// ones.
struct RigidSurfaceCheckSurfaces {
  std::vector<int> sides;
  std::vector<std::string> named;
  std::vector<std::string> internal;

  void Add(const rgnK_Region& region, const std::string& name) {
    cow_List<gdy_HitRecord> components;
    cow_List<int> componentSides;
    region.GetAllGeomComponents(components, componentSides);
    // A surface's side is its first component's; one without components
    // counts as side 0 rather than reading past the list.
    sides.push_back(componentSides.IsEmpty() ? 0 : componentSides[0]);
    (region.IsInternal() ? internal : named).push_back(name);
  }
};

// The geometric surface ids of `features` in ascending id order.
cow_List<unsigned> RigidSurfaceCheckSurfaceIds(const ftr_FeatureList& features) {
  cow_List<unsigned> ids = rgnF_Utils::GetGeomSurfaceIds(features);
  std::vector<unsigned> sorted(ids.begin(), ids.end());
  std::sort(sorted.begin(), sorted.end());
  cow_List<unsigned> result;
  for (unsigned id : sorted)
    result.Append(id);
  return result;
}

}  // namespace

chk_RigidSurfaceCheck::chk_RigidSurfaceCheck(const bas_NewModel& model, const cow_String& modelName)
    : kut_Check(model, modelName) {}

chk_RigidSurfaceCheck::chk_RigidSurfaceCheck(const chk_RigidSurfaceCheck& other) = default;

chk_RigidSurfaceCheck::~chk_RigidSurfaceCheck() = default;

chk_RigidSurfaceCheck* chk_RigidSurfaceCheck::Clone() const {
  return new chk_RigidSurfaceCheck(*this);
}

void chk_RigidSurfaceCheck::Run() {
  // A missing or stale assembly is the mesh check's finding.
  const asoK_Assembly* root = chk_RootAssembly(Model(), kRigidSurfaceCheckFile, __LINE__);
  if (!root) return;
  const asoK_Assembly& assembly = *root;
  if (assembly.IsOutOfDate()) return;

  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  const cow_List<unsigned> ids =
      ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features);
  CollectRigidBodyInstances(assembly);
  for (unsigned id : ids) {
    const asoF_PartInstance* instance = asoF_Utils::ConstGetPartInstance(features, id);
    if (!instance) continue;
    const ptoK_Part& part = asoK_Assembly::GetOriginalPart(*instance);
    if (part.GetAnalysis() == ptoK_ANALYTIC_RIGID) {
      CheckAnalyticSurfaces(*instance, assembly);
      CheckAnalyticSketch(*instance, part);
      CheckReferencePoint(*instance);
    } else if (instance->GetAnalysis() == ptoK_DISCRETE_RIGID) {
      CheckReferencePoint(*instance);
    }
  }
}

void chk_RigidSurfaceCheck::CollectRigidBodyInstances(const asoK_Assembly& assembly) {
  const auto& constraints = nex_canDynamicCastRef<const mdl_MapString2ObjCow<kcoC_Constraint>>(
      Model().ConstGetExtension(bas_NewModel::constraintCmd), kRigidSurfaceCheckFile, __LINE__);
  for (const auto& entry : constraints.ConstGetMap()) {
    if (entry.second->DynTypeId() != kcoC_RigidBody::TypeId()) continue;
    const auto& body = nex_canDynamicCastRef<const kcoC_RigidBody>(
        *entry.second, kRigidSurfaceCheckFile, __LINE__);
    for (const rgnC_Region& region : aif_RigidBodyRegions(body))
      rigidBodyInstances_.Append(RegionInstanceIds(region, assembly));
  }
}

cow_List<unsigned> chk_RigidSurfaceCheck::RegionInstanceIds(const rgnC_Region& region,
                                                            const asoK_Assembly& assembly) const {
  const rgnK_Region kernel(&assembly, ModelName(), region);
  if (!kernel.IsValid(true)) return cow_List<unsigned>();
  return kernel.InstanceIds(true);
}

void chk_RigidSurfaceCheck::CheckReferencePoint(const asoF_PartInstance& instance) {
  if (rigidBodyInstances_.IndexOf(instance.Id()) >= 0) return;
  if (instance.NmrRefPoints() >= 1) return;
  ErrorList().Append(atr_TranslateWithArg(
      "The rigid part instance %s is missing a reference point.\n\nEither assign a reference "
      "point to the corresponding part,\nor include the entire part instance in a rigid body "
      "constraint.",
      instance.Name()));
}

void chk_RigidSurfaceCheck::CheckAnalyticSketch(const asoF_PartInstance& instance,
                                                const ptoK_Part& part) {
  cow_String message;
  if (!ptsK_CheckSketchValidityForAnalytic(part, instance.Name(), message))
    ErrorList().Append(atr_String(message));
}

void chk_RigidSurfaceCheck::CheckAnalyticSurfaces(const asoF_PartInstance& instance,
                                                  const asoK_Assembly& assembly) {
  RigidSurfaceCheckSurfaces surfaces;
  // The assembly's surfaces on this instance, under their own names.
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  for (unsigned id : RigidSurfaceCheckSurfaceIds(features)) {
    const rgnF_Set* set = rgnF_Utils::GetRegion(features, id);
    if (!set) continue;
    const rgnK_Region region(features, cow_String(), *set);
    if (region.InstanceIds(true).IndexOf(instance.Id()) < 0) continue;
    surfaces.Add(region, set->Name().Str());
  }
  // The part's surfaces, under the instance's name.
  const ftr_FeatureList& partFeatures =
      asoK_Assembly::GetOriginalPart(instance).ConstGetFeatureList();
  for (unsigned id : RigidSurfaceCheckSurfaceIds(partFeatures)) {
    const rgnF_Set* set = rgnF_Utils::GetRegion(partFeatures, id);
    if (!set) continue;
    surfaces.Add(rgnK_Region(partFeatures, cow_String(), *set),
                 instance.Name().Str() + "." + set->Name().Str());
  }

  if (surfaces.sides.empty()) {
    WarningList().Append(atr_TranslateWithArg(
        "Instance %s is an analytical rigid part instance and has not been referred to\nby any "
        "surface or attribute (such as a load or interaction). No surface will \nbe generated  "
        "in the input file for this instance.\n",
        instance.Name()));
    return;
  }
  const int first = surfaces.sides.front();
  if (std::all_of(surfaces.sides.begin(), surfaces.sides.end(),
                  [first](int side) { return side == first; }))
    return;

  std::string text = atr_TranslateWithArg(
                         "The analytic rigid part instance \"%s\" has surfaces defined on both "
                         "sides.\nThis is not allowed.\n",
                         instance.Name())
                         .Str();
  if (!surfaces.named.empty()) {
    text += atr_Translate("Surfaces defined on this instance are:\n").Str();
    for (std::size_t i = 0; i < surfaces.named.size(); ++i) {
      text += i == 0 ? " " : ", ";
      if (i != 0 && i % 4 == 0) text += "\n";
      text += surfaces.named[i];
    }
    text += "\n";
  }
  if (!surfaces.internal.empty()) {
    std::string internal = atr_Translate(
                               "Internal surfaces (%d in number) have been defined by picking this "
                               "instance\nfor creation of contact interactions, tie constraints or "
                               "rigid body constraints.\n")
                               .Str();
    const std::size_t mark = internal.find("%d");
    if (mark != std::string::npos)
      internal.replace(mark, 2, std::to_string(surfaces.internal.size()));
    text += internal;
  }
  ErrorList().Append(atr_String(cow_String(std::move(text))));
}
