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
  if (!info_.IsPartBased()) {
    cow_String scoped = aif_InstanceQualifiedName(region_, name);
    const cow_List<cow_String>& owners = region_.OwnerNames();
    if (owners.Length() == 1 && owners[0] != "Assembly" && owners[0] != "rootAssembly")
      scoped = owners[0] + "." + scoped;
    return aif_PrintableName(DotsToUnderscores(scoped) + suffix_);
  }
  if (scope == 1) return aif_PrintableName(name + suffix_);
  if (scope == 2) return InstanceQualified(name);
  if (scope == 3) return "Assembly." + InstanceQualified(name);
  return suffix_;
}

cow_String aif_RegionName::InstanceQualified(const cow_String& name) const {
  const cow_List<cow_String>& owners = region_.OwnerNames();
  if (owners.IsEmpty()) return suffix_;
  if (owners.Length() == 1) return aif_PrintableName(name + suffix_);
  return aif_QualifiedName({owners[1], name + suffix_});
}

cow_String aif_RegionName::SetName(int scope) const {
  const asoK_Assembly* assembly = info_.Assembly();
  const rgnK_Region kernelRegion(assembly, info_.Model().Name(), region_);
  if (!kernelRegion.IsValid(true)) return aif_PrintableName(region_.Name() + suffix_);

  const bool partBased = info_.IsPartBased();
  const int flags = region_.Flags();
  const bool cns = (flags & kNoCnsBit) == 0 && (flags & kCnsBits) != 0;
  cow_String instance, last;  // instance-qualified in part-based files: composed, not joined
  cow_String name;            // the joined text, for flat files and "_CNS_" names
  if (kernelRegion.ContainsAnalRigidSurf()) {
    const unsigned id = kernelRegion.InstanceIds(true)[0];
    const aif_AnalyticRigidSurfaceMap surfaces =
        assembly ? aif_AnalyticRigidSurfaceMap(*assembly) : aif_AnalyticRigidSurfaceMap();
    instance = info_.FeatureName(id);
    last = surfaces.SurfaceName(id);
    name = instance + (partBased ? "." : "_") + last;
  } else {
    name = aif_InstanceQualifiedName(region_, region_.Name());
    if (region_.OwnerNames().Length() >= 2) instance = region_.OwnerNames()[1];
    last = region_.Name();
    if (!partBased) name = DotsToUnderscores(name);
  }
  cow_String printable;
  if (cns)
    printable = aif_PrintableName(DotsToUnderscores(name) + "_CNS_" + suffix_);
  else if (partBased && !instance.IsEmpty())
    printable = aif_QualifiedName({instance, last + suffix_});
  else
    printable = aif_PrintableName(name + suffix_);
  if (partBased && scope == 3) printable = "Assembly." + printable;
  return printable;
}
