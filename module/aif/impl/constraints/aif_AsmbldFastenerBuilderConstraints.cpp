// The assembled-fastener builder's constraint step: the template's ties,
// couplings and point adjustments re-pointed from the template regions to the
// model's surfaces, the other region of each named after the copies, and a
// node-based surface for every copied region they use.
#include <set>
#include <string>
#include <utility>

#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kcoC_AdjustPoints.h"
#include "OdbAttrEO/kcoC_Coupling.h"
#include "OdbAttrEO/kcoC_Tie.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/constraints/aif_Adjust.h"
#include "aif/impl/constraints/aif_AsmbldFastenerBuilder.h"
#include "aif/impl/constraints/aif_Coupling.h"
#include "aif/impl/constraints/aif_Distributing.h"
#include "aif/impl/constraints/aif_Kinematic.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_Surface.h"
#include "aif/impl/model/aif_Tie.h"

namespace {

constexpr char kAsmbldFastenerConstraintsFile[] =
    "module/aif/impl/constraints/aif_AsmbldFastenerBuilderConstraints.cpp";
// Region kind bits as the kernel sets them.
constexpr int kAfBothKinds = 1;
constexpr int kAfNodes = 4;
constexpr int kAfNoCns = 8;

std::string AfDotsToUnderscores(std::string text) {
  for (char& c : text)
    if (c == '.') c = '_';
  return text;
}

// A region the keyword classes write by its name as given: no owners, and
// not resolvable in the written model.
rgnC_Region AfNamedRegion(const cow_String& name) {
  rgnC_Region region(name, cow_List<cow_String>());
  region.SetKernelValid(false);
  return region;
}

}  // namespace

cow_String aif_AsmbldFastenerBuilder::RegionReference(const rgnC_Region& region) const {
  const cow_List<cow_String>& owners = region.OwnerNames();
  if (owners.IsEmpty()) return cow_String();
  const bool partBased = Info().IsPartBased();
  const std::string set = NoDots(region.Name());
  if (owners.Length() < 2) return aif_PrintableName(cow_String(prefix_.Str() + set));
  const std::string instance = prefix_.Str() + NoDots(owners[1]);
  if (!partBased) return aif_PrintableName(cow_String(instance + "_" + set));
  const cow_String name = aif_PrintableName(cow_String(instance + "." + set));
  return Info().IsRestart() ? cow_String("Assembly." + name.Str()) : name;
}

cow_String aif_AsmbldFastenerBuilder::ConstraintSurfaceName(const rgnC_Region& region) const {
  const cow_List<cow_String>& owners = region.OwnerNames();
  std::string name = owners.Length() >= 2
                         ? prefix_.Str() + NoDots(owners[1]) + "_" + NoDots(region.Name())
                         : prefix_.Str() + NoDots(region.Name());
  if (!Info().IsPartBased()) name = AfDotsToUnderscores(name);
  const int flags = region.Flags();
  if ((flags & (kAfNodes | kAfBothKinds)) && !(flags & kAfNoCns))
    name = AfDotsToUnderscores(name) + "_CNS_";
  if (Info().IsPartBased() && Info().IsRestart()) name = "Assembly." + name;
  return aif_PrintableName(cow_String(name));
}

int aif_AsmbldFastenerBuilder::TemplateRegionIndex(const kefC_AssembledFastener& fastener,
                                                   const rgnC_Region& region) const {
  const cow_String full = region.FullName();
  for (std::size_t i = 0; i < fastener.templateRegionNames.Length(); ++i) {
    const rgnC_Region named =
        rgnK_GetRegion(*templateAssembly_, fastener.templateRegionNames[i], 8);
    if (named.FullName() == full || fastener.templateRegionNames[i] == full)
      return i < fastener.surfaceNames.Length() && !fastener.surfaceNames[i].IsEmpty()
                 ? static_cast<int>(i)
                 : -1;
  }
  return -1;
}

bool aif_AsmbldFastenerBuilder::AddConstraints(const kefC_AssembledFastener& fastener) {
  const auto& constraints = nex_canDynamicCastRef<const mdl_MapString2ObjCow<kcoC_Constraint>>(
      templateModel_.ConstGetExtension(bas_NewModel::constraintCmd), kAsmbldFastenerConstraintsFile,
      __LINE__);
  const bool restart = Info().IsRestart();
  const bool partBased = Info().IsPartBased();
  const auto mapped = [&](int index) {
    std::string name = fastener.surfaceNames[static_cast<std::size_t>(index)].Str();
    if (!partBased) name = AfDotsToUnderscores(name);
    return aif_PrintableName(cow_String(name));
  };
  // The copied region a constraint names: the set the copies define.
  const auto generated = [&](const rgnC_Region& region) { return RegionReference(region); };

  // The copied regions the constraints use, each as one node-based surface;
  // regions that stand for a model surface are not copied.
  std::set<std::string> surfaces;
  const auto addSurface = [&](const rgnC_Region& region) {
    if (region.OwnerNames().IsEmpty() || TemplateRegionIndex(fastener, region) >= 0) return;
    const cow_String name = ConstraintSurfaceName(region);
    if (!surfaces.insert(name.Str()).second) return;
    const aif_Surface surface(Info(), name, RegionReference(region));
    if (restart)
      AddModelDefinition(surface);
    else
      AddAssemblyDefinition(surface);
  };
  for (const auto& [name, constraint] : constraints.ConstGetMap()) {
    if (constraint->Suppressed()) continue;
    const unsigned type = constraint->DynTypeId();
    if (type == kcoC_Tie::TypeId()) {
      const auto& tie = static_cast<const kcoC_Tie&>(*constraint);
      addSurface(tie.FirstRegion());
      addSurface(tie.SecondRegion());
    } else if (type == kcoC_Coupling::TypeId()) {
      const auto& coupling = static_cast<const kcoC_Coupling&>(*constraint);
      addSurface(coupling.SurfaceRegion());
      addSurface(coupling.ControlPointRegion());
    } else if (type == kcoC_AdjustPoints::TypeId()) {
      const auto& adjust = static_cast<const kcoC_AdjustPoints&>(*constraint);
      addSurface(adjust.SurfaceRegion());
      addSurface(adjust.PointsRegion());
    }
  }

  for (const auto& [name, constraint] : constraints.ConstGetMap()) {
    if (constraint->Suppressed()) continue;
    const cow_String generatedName(prefix_.Str() + NoDots(name));
    const aif_Comment comment("Constraint: " + generatedName.Str() +
                              "  from assembled fastener: " + fastenerName_.Str());
    const unsigned type = constraint->DynTypeId();
    if (type == kcoC_Coupling::TypeId()) {
      const auto& coupling = nex_canDynamicCastRef<const kcoC_Coupling>(
          *constraint, kAsmbldFastenerConstraintsFile, __LINE__);
      bool allDofs = true;
      for (int dof = 1; dof <= 6; ++dof)
        allDofs = allDofs && coupling.Dof(dof);
      if (!allDofs || !coupling.Datum().IsNullRef()) continue;
      const int index = TemplateRegionIndex(fastener, coupling.SurfaceRegion());
      if (index < 0) continue;
      const cow_String surface = mapped(index);
      const cow_String point = generated(coupling.ControlPointRegion());
      kcoC_Coupling copy = coupling;
      copy.SetRegions(AfNamedRegion(point), AfNamedRegion(surface));
      AddAssemblyDefinition(comment);
      AddAssemblyDefinition(aif_Coupling(generatedName, copy, Info(), point, surface));
      if (coupling.CouplingType() != 0)
        AddAssemblyDefinition(aif_Distributing(copy));
      else
        AddAssemblyDefinition(aif_Kinematic(copy, Info()));
      if (coupling.Adjust()) AddAssemblyDefinition(aif_Adjust(&copy, Info(), true));
    } else if (type == kcoC_AdjustPoints::TypeId()) {
      const auto& adjust = nex_canDynamicCastRef<const kcoC_AdjustPoints>(
          *constraint, kAsmbldFastenerConstraintsFile, __LINE__);
      const int index = TemplateRegionIndex(fastener, adjust.SurfaceRegion());
      if (index < 0) continue;
      const kcoC_AdjustPoints copy(AfNamedRegion(generated(adjust.PointsRegion())),
                                   AfNamedRegion(mapped(index)));
      AddAssemblyDefinition(comment);
      AddAssemblyDefinition(aif_Adjust(&copy, Info(), true));
    } else if (type == kcoC_Tie::TypeId()) {
      const auto& tie = nex_canDynamicCastRef<const kcoC_Tie>(
          *constraint, kAsmbldFastenerConstraintsFile, __LINE__);
      if (tie.SecondRegion().Flags() & kAfNoCns) continue;
      const int index = TemplateRegionIndex(fastener, tie.FirstRegion());
      if (index < 0) continue;
      // The second surface is the node-based surface written above.
      kcoC_Tie copy = tie;
      copy.SetRegions(AfNamedRegion(mapped(index)),
                      AfNamedRegion(ConstraintSurfaceName(tie.SecondRegion())));
      AddAssemblyDefinition(comment);
      AddAssemblyDefinition(aif_Tie(generatedName, copy, Info()));
    }
  }
  return true;
}
