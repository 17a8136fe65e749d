#include "aif/impl/sections/aif_InstanceScope.h"

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_SurfaceFromElements.h"

aif_InstanceScope aif_InstanceScope::Of(const asoF_PartInstance& instance,
                                        const aif_ModelInfo& info) {
  aif_InstanceScope scope;
  scope.instance = &instance;
  scope.part = &asoK_Assembly::GetOriginalPart(instance);
  scope.mesh = instance.ConstGetMesh();
  scope.name = instance.Name();
  scope.partName = instance.GetPartName();
  scope.id = static_cast<int>(instance.Id());
  scope.partLevel = info.IsLightweightInstance(instance);
  scope.flat = !info.IsPartBased();
  scope.owner = scope.partLevel ? scope.partName : scope.name;
  scope.setScope = aif_SurfaceFromElements::InternalSetScope(instance, info);
  scope.featureName = info.FeatureName(static_cast<unsigned>(scope.id));
  scope.nodeOffset = info.NodeOffset(scope.name);
  scope.transform = scope.flat ? instance.GetTransform() : gsl_Matrix();
  return scope;
}

cow_String aif_InstanceScope::RefPointName() const {
  return aif_PrintableName(owner + akw_ModelInfo::RefPtSuffix());
}
