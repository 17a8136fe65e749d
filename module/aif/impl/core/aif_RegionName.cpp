#include "aif/impl/core/aif_RegionName.h"

#include <algorithm>
#include <string>

#include "ModKerLow/rgnK_Region.h"
#include "aif/impl/core/aif_AnalyticRigidSurfaceMap.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"

namespace {

// Bits of the region's flag word (the region class defines them): a region
// with bit 0 or 2 set and bit 3 clear is named by its "_CNS_" set.
constexpr int kCnsBits = (1 << 0) | (1 << 2);
constexpr int kNoCnsBit = 1 << 3;

cow_String DotsToUnderscores(const cow_String& name) {
  std::string text = name.Str();
  std::replace(text.begin(), text.end(), '.', '_');
  return cow_String(std::move(text));
}

}  // namespace

cow_String aif_RegionName::QualifiedName(int scope) const {
  return ScopedName(region_.Name(), scope);
}

cow_String aif_RegionName::ScopedName(const cow_String& name, int scope) const {
  cow_String scoped;
  if (!info_.IsPartBased()) {
    scoped = aif_InstanceQualifiedName(region_, name);
    const cow_List<cow_String>& owners = region_.OwnerNames();
    if (owners.Length() == 1 && owners[0] != "Assembly" && owners[0] != "rootAssembly")
      scoped = owners[0] + "." + scoped;
    scoped = DotsToUnderscores(scoped);
  } else if (scope == 1) {
    scoped = name;
  } else if (scope == 2) {
    scoped = aif_InstanceQualifiedName(region_, name);
  } else if (scope == 3) {
    scoped = "Assembly." + aif_InstanceQualifiedName(region_, name);
  }
  return aif_PrintableName(scoped) + suffix_;
}

cow_String aif_RegionName::SetName(int scope) const {
  const asoK_Assembly* assembly = info_.Assembly();
  const rgnK_Region kernelRegion(assembly, info_.Model().Name(), region_);
  if (!kernelRegion.IsValid(true)) return aif_PrintableName(region_.Name()) + suffix_;

  const bool partBased = info_.IsPartBased();
  cow_String name;
  if (kernelRegion.ContainsAnalRigidSurf()) {
    const unsigned instance = kernelRegion.InstanceIds(true)[0];
    const aif_AnalyticRigidSurfaceMap surfaces =
        assembly ? aif_AnalyticRigidSurfaceMap(*assembly) : aif_AnalyticRigidSurfaceMap();
    name = info_.FeatureName(instance) + (partBased ? "." : "_") + surfaces.SurfaceName(instance);
  } else {
    name = aif_InstanceQualifiedName(region_, region_.Name());
    if (!partBased) name = DotsToUnderscores(name);
  }
  const int flags = region_.Flags();
  if ((flags & kNoCnsBit) == 0 && (flags & kCnsBits) != 0) name = DotsToUnderscores(name) + "_CNS_";
  if (partBased && scope == 3) name = "Assembly." + name;
  return aif_PrintableName(name) + suffix_;
}
