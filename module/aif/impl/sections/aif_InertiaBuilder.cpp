#include "aif/impl/sections/aif_InertiaBuilder.h"

#include <algorithm>
#include <vector>

#include "ModKerLow/dtmK_Datum.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/model/aif_HeatCap.h"
#include "aif/impl/model/aif_Mass.h"
#include "aif/impl/model/aif_PointElement.h"
#include "aif/impl/model/aif_RotaryInertia.h"
#include "aif/impl/sections/aif_FeatureOwners.h"
#include "aif/impl/sections/aif_NonstructuralMass.h"

namespace {

constexpr char kInertiaBuilderFile[] = "module/aif/impl/sections/aif_InertiaBuilder.cpp";

bool HasNodes(const cow_Map<int, cow_List<int>>& nodes) {
  for (const auto& [id, labels] : nodes)
    if (!labels.IsEmpty()) return true;
  return false;
}

}  // namespace

aif_ModelInfo& aif_InertiaBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_InertiaBuilder::Build() {
  aif_ForEachFeatureOwner(Info(), [this](const aif_FeatureOwner& owner) { OwnerInertias(owner); });
}

void aif_InertiaBuilder::OwnerInertias(const aif_FeatureOwner& owner) {
  const auto& features = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
      owner.object->ConstGetEngineeringFeatures(), kInertiaBuilderFile, __LINE__);
  for (const kefC_Inertia* inertia : aif_FeaturesByName(features.Inertias()))
    if (!inertia->IsExcluded()) Inertia(owner, *inertia);
}

void aif_InertiaBuilder::Inertia(const aif_FeatureOwner& owner, const kefC_Inertia& inertia) {
  aif_ModelInfo& info = Info();
  const unsigned type = inertia.DynTypeId();
  const bool nonstructural = type == kefC_NonstructuralMass::TypeId();
  if (!nonstructural && type != kefC_PointMassInertia::TypeId() &&
      type != kefC_HeatCapacitance::TypeId())
    return;
  const rgnC_Region region = nonstructural ? nex_canDynamicCastRef<const kefC_NonstructuralMass>(
                                                 inertia, kInertiaBuilderFile, __LINE__)
                                                 .OwnRegion()
                                           : inertia.Region();
  const rgnK_Region kernel(owner.object, info.Model().Name(), region);
  if (!kernel.IsValid(true)) return;

  // A part's region taken in an instance's context is named as the region
  // builder names the instance's sets.
  const rgnC_Region named =
      owner.AssemblyLevel()
          ? region
          : rgnC_Region(region.Name(), {owner.part, owner.instance}, region.Flags());
  const aif_RegionName names(named, info);
  if (nonstructural) {
    // The set is the region's own, as written in this scope.
    const aif_NonstructuralMass mass(names.QualifiedName(owner.AssemblyLevel() ? 2 : 1), inertia);
    if (!mass.IsEmpty()) File(owner, mass);
    return;
  }

  cow_Map<int, cow_List<int>> nodes;
  kernel.GetNodeIds(nodes, static_cast<int>(owner.id), info.NodeLabelsUsable(), false, true);
  if (owner.AssemblyLevel()) aif_KeepWrittenNodes(info, nodes);
  if (!HasNodes(nodes)) return;
  // The point elements' own set, made from the inertia's and the region's
  // names; its qualifying dots become "_" (outside quotes), and the name is
  // made printable once.
  const int scope = owner.scope == aif_FeatureOwner::kPart ? 1 : 2;
  const cow_String set =
      aif_ComposedName(names.ScopedName("_" + inertia.Name() + "_" + region.Name(), scope), "");
  aif_CheckWritableName(set, "element set");
  if (type == kefC_PointMassInertia::TypeId()) {
    PointMass(owner, inertia, nodes, set);
    return;
  }
  const auto& heat =
      nex_canDynamicCastRef<const kefC_HeatCapacitance>(inertia, kInertiaBuilderFile, __LINE__);
  const aif_HeatCap capacitance(set, heat.TemperatureDependent(), heat.Dependencies(),
                                heat.Table());
  if (capacitance.IsEmpty()) return;
  File(owner, aif_PointElement(nodes, static_cast<int>(owner.id), !owner.AssemblyLevel(), "HEATCAP",
                               set, info));
  File(owner, capacitance);
}

void aif_InertiaBuilder::PointMass(const aif_FeatureOwner& owner, const kefC_Inertia& inertia,
                                   const cow_Map<int, cow_List<int>>& nodes,
                                   const cow_String& set) {
  aif_ModelInfo& info = Info();
  const auto& point =
      nex_canDynamicCastRef<const kefC_PointMassInertia>(inertia, kInertiaBuilderFile, __LINE__);
  const bool both = point.HasMass() && point.HasRotaryI();
  const int id = static_cast<int>(owner.id);
  if (point.HasMass()) {
    const cow_String massSet = both ? aif_ComposedName(set, "MASS_") : set;
    const aif_Mass mass(massSet, point.Mass(), point.Alpha(), point.Composite());
    if (!mass.IsEmpty()) {
      File(owner, aif_PointElement(nodes, id, !owner.AssemblyLevel(), "MASS", massSet, info));
      File(owner, mass);
    }
  }
  if (point.HasRotaryI()) {
    const cow_String rotarySet = both ? aif_ComposedName(set, "ROTI_") : set;
    cow_String orientation;
    if (!point.OrientationDatum().IsNullRef()) {
      const dtmK_Datum datum(owner.object, info.Model().Name(), point.OrientationDatum());
      orientation = aif_FeatureOrientationName(
          datum.GetFullName("-"), owner.scope == aif_FeatureOwner::kInstance ? owner.instance : "",
          owner.partBased);
    }
    const aif_RotaryInertia rotary(rotarySet, point.RotaryInertia(), point.Alpha(),
                                   point.Composite(), orientation);
    if (!rotary.IsEmpty()) {
      File(owner, aif_PointElement(nodes, id, !owner.AssemblyLevel(), "ROTARYI", rotarySet, info));
      File(owner, rotary);
    }
  }
}

void aif_InertiaBuilder::File(const aif_FeatureOwner& owner, const akw_Keyword& keyword) {
  switch (owner.scope) {
    case aif_FeatureOwner::kPart:
      AddPartDefinition(owner.name, keyword);
      break;
    case aif_FeatureOwner::kInstance:
      AddInstanceDefinition(owner.name, keyword);
      break;
    case aif_FeatureOwner::kAssembly:
      AddAssemblyDefinition(keyword);
      break;
  }
}
