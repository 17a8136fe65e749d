#include "aif/impl/sections/aif_SpringBuilder.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ModKerLow/dtmK_Datum.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kefC_SpringToGround.h"
#include "OdbAttrEO/kefC_TwoPointSpring.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/sections/aif_FeatureOwners.h"
#include "aif/impl/sections/aif_SpringElement.h"
#include "aif/impl/sections/aif_SpringProperty.h"

namespace {

constexpr char kSpringBuilderFile[] = "module/aif/impl/sections/aif_SpringBuilder.cpp";

using NodeMap = cow_Map<int, cow_List<int>>;

// The spring and dashpot elements of one spring as they are collected.
struct SpringTables {
  std::shared_ptr<aif_SpringElement::LabelTable> spring =
      std::make_shared<aif_SpringElement::LabelTable>();
  std::shared_ptr<aif_SpringElement::LabelTable> dashpot =
      std::make_shared<aif_SpringElement::LabelTable>();
};

// The node ids of `region` resolved in the owner's object, by instance id.
NodeMap NodeIds(const aif_ModelInfo& info, const aif_FeatureOwner& owner,
                const rgnC_Region& region) {
  NodeMap nodes;
  const rgnK_Region kernel(owner.object, info.Model().Name(), region);
  if (!kernel.IsValid(true)) return nodes;
  kernel.GetNodeIds(nodes, static_cast<int>(owner.id), info.NodeLabelsUsable(), false, true);
  if (owner.AssemblyLevel()) aif_KeepWrittenNodes(info, nodes);
  return nodes;
}

// A node as an element's connectivity names it: its label shifted by its
// instance's offset, qualified by the instance at the assembly level of a
// part-based file (the assembly's own nodes never).
cow_String NodeText(aif_ModelInfo& info, const aif_FeatureOwner& owner, int id, int label) {
  const cow_String number = std::to_string(label + info.AssyNodeOffsetsID(id));
  if (!owner.AssemblyLevel() || !owner.partBased || id == static_cast<int>(ftr_kAssemblyId))
    return number;
  const cow_String instance = info.FeatureName(static_cast<unsigned>(id));
  return instance.IsEmpty() ? number : aif_QualifiedPrefix(instance) + number;
}

// The first node of `region`, as connectivity text; empty when it has none.
cow_String FirstNode(aif_ModelInfo& info, const aif_FeatureOwner& owner,
                     const rgnC_Region& region) {
  for (const auto& [id, labels] : NodeIds(info, owner, region))
    if (!labels.IsEmpty()) return NodeText(info, owner, id, labels[0]);
  return cow_String();
}

// Adds one element of `nodes` to the tables of the kinds the spring has,
// each with a fresh label of the owner.
void AddElement(aif_ModelInfo& info, const aif_FeatureOwner& owner, const kefC_Spring& spring,
                const cow_String& nodes, SpringTables& tables) {
  const cow_String name = info.FeatureName(owner.id);
  if (spring.HasSpring()) (*tables.spring)[info.NextElementLabel(name)] = nodes;
  if (spring.HasDashpot()) (*tables.dashpot)[info.NextElementLabel(name)] = nodes;
}

// The element type's suffix of a two-point spring's kind; none for a kind
// other than 0 and 1.
const char* KindSuffix(int kind) {
  return kind == 0 ? "A" : kind == 1 ? "2" : "";
}

}  // namespace

aif_ModelInfo& aif_SpringBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_SpringBuilder::Build() {
  aif_ForEachFeatureOwner(Info(), [this](const aif_FeatureOwner& owner) { OwnerSprings(owner); });
}

void aif_SpringBuilder::OwnerSprings(const aif_FeatureOwner& owner) {
  const auto& features = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
      owner.object->ConstGetEngineeringFeatures(), kSpringBuilderFile, __LINE__);
  for (const kefC_Spring* spring : aif_FeaturesByName(features.Springs())) {
    if (spring->IsExcluded() || (!spring->HasSpring() && !spring->HasDashpot())) continue;
    Spring(owner, *spring);
  }
}

void aif_SpringBuilder::Spring(const aif_FeatureOwner& owner, const kefC_Spring& spring) {
  aif_ModelInfo& info = Info();
  SpringTables tables;
  cow_String springType, dashpotType;
  const unsigned type = spring.DynTypeId();
  if (type == kefC_TwoPointSpring::TypeId()) {
    const auto& twoPoint =
        nex_canDynamicCastRef<const kefC_TwoPointSpring>(spring, kSpringBuilderFile, __LINE__);
    for (const rgnC_RegionPair& pair : twoPoint.RegionPairs()) {
      const cow_String first = FirstNode(info, owner, pair.First());
      const cow_String second = FirstNode(info, owner, pair.Second());
      if (first.IsEmpty() || second.IsEmpty()) continue;
      AddElement(info, owner, spring, first + ", " + second, tables);
    }
    springType = cow_String("Spring") + KindSuffix(twoPoint.Kind());
    dashpotType = cow_String("Dashpot") + KindSuffix(twoPoint.Kind());
  } else if (type == kefC_SpringToGround::TypeId()) {
    const auto& ground =
        nex_canDynamicCastRef<const kefC_SpringToGround>(spring, kSpringBuilderFile, __LINE__);
    for (const auto& [id, labels] : NodeIds(info, owner, ground.Region()))
      for (int label : labels)
        AddElement(info, owner, spring, NodeText(info, owner, id, label), tables);
    springType = "Spring1";
    dashpotType = "Dashpot1";
  } else {
    return;
  }

  // The set names are composed first and made printable once; in a flat
  // file an instance's springs are told apart by the instance's name.
  const cow_String base = owner.scope == aif_FeatureOwner::kInstance && !owner.partBased
                              ? owner.instance + "_" + spring.Name()
                              : spring.Name();
  const cow_String springSet = aif_PrintableComponent(base + "-spring");
  const cow_String dashpotSet = aif_PrintableComponent(base + "-dashpot");

  cow_String orientation;
  if (!spring.OrientationDatum().IsNullRef()) {
    const dtmK_Datum datum(owner.object, info.Model().Name(), spring.OrientationDatum());
    orientation = aif_FeatureOrientationName(
        datum.GetFullName("-"), owner.scope == aif_FeatureOwner::kInstance ? owner.instance : "",
        owner.partBased);
  }

  const aif_SpringElement springs(tables.spring, springType, springSet);
  const aif_SpringElement dashpots(tables.dashpot, dashpotType, dashpotSet);
  if (!springs.IsEmpty()) aif_CheckWritableName(springSet, "element set");
  if (!dashpots.IsEmpty()) aif_CheckWritableName(dashpotSet, "element set");
  if (!springs.IsEmpty())
    File(owner, aif_SpringProperty("*Spring", springSet, spring.FirstDof(), spring.SecondDof(),
                                   spring.SpringStiffness(), orientation));
  if (!dashpots.IsEmpty())
    File(owner, aif_SpringProperty("*Dashpot", dashpotSet, spring.FirstDof(), spring.SecondDof(),
                                   spring.DashpotCoefficient(), orientation));
  if (!springs.IsEmpty()) File(owner, springs);
  if (!dashpots.IsEmpty()) File(owner, dashpots);
}

void aif_SpringBuilder::File(const aif_FeatureOwner& owner, const akw_Keyword& keyword) {
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
