#include "aif/impl/core/aif_AnalyticRigidSurfaceMap.h"

#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/rgnF_Utils.h"
#include "ModKerLow/rgnK_Region.h"
#include "QivBasicUtils/nex_Exception.h"

namespace {

constexpr char kAnalyticRigidSurfaceMapFile[] = "aif_AnalyticRigidSurfaceMap.cpp";

}  // namespace

aif_AnalyticRigidSurfaceMap::aif_AnalyticRigidSurfaceMap(const asoK_Assembly& assembly) {
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const ptoK_Part& part = asoF_Utils::ConstGetPartInstance(features, id)->ConstGetPart();
    if (part.GetAnalysis() != ptoK_ANALYTIC_RIGID) continue;
    const ftr_FeatureList& partFeatures = part.ConstGetFeatureList();
    for (unsigned surface : rgnF_Utils::GetGeomSurfaceIds(partFeatures))
      Add(id, partFeatures.Get(surface)->Name());
  }
  for (unsigned surface : rgnF_Utils::GetGeomSurfaceIds(features)) {
    const auto& geomSurface = nex_canDynamicCastRef<const rgnF_GeomSurface>(
        *features.Get(surface), kAnalyticRigidSurfaceMapFile, __LINE__);
    const rgnK_Region region(&assembly, cow_String(), geomSurface.Region());
    if (!region.ContainsAnalRigidSurf()) continue;
    const cow_List<unsigned> instances = region.InstanceIds(true);
    if (!instances.IsEmpty()) Add(instances[0], geomSurface.Name());
  }
}

void aif_AnalyticRigidSurfaceMap::Add(unsigned instanceId, const cow_String& name) {
  names_.Modify(instanceId).Append(name);
}

cow_String aif_AnalyticRigidSurfaceMap::SurfaceName(unsigned instanceId) const {
  if (const cow_List<cow_String>* names = names_.Find(instanceId))
    for (const cow_String& name : *names)
      if (name.IsEmpty() || name[0] != '_') return name;
  return "RigidSurface_";
}
