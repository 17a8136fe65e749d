// The assembled-fastener builder's assembly-level steps: the template
// assembly's reference points and sets, and the point masses and rotary
// inertias of the template parts and assembly, each once per placement.
#include <algorithm>
#include <string>
#include <vector>

#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/ref_Utils.h"
#include "ModKerLow/rgnF_Utils.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/constraints/aif_AsmbldFastenerBuilder.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RawKeyword.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/model/aif_Elset.h"
#include "aif/impl/model/aif_Mass.h"
#include "aif/impl/model/aif_Nset.h"
#include "aif/impl/model/aif_RawNode.h"
#include "aif/impl/model/aif_RotaryInertia.h"

namespace {

constexpr char kAsmbldFastenerAssemblyFile[] =
    "module/aif/impl/constraints/aif_AsmbldFastenerBuilderAssembly.cpp";

// A name without enclosing double quotes.
std::string AsmbldFastenerUnquoted(const cow_String& name) {
  std::string text = name.Str();
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    text = text.substr(1, text.size() - 2);
  return text;
}

}  // namespace

bool aif_AsmbldFastenerBuilder::AddAssemblySetsAndRefPoints() {
  const asoK_Assembly& assembly = *templateAssembly_;
  const ftr_FeatureList& features = assembly.ConstGetFeatureList();
  const bool partBased = Info().IsPartBased();
  CopyLabels& labels = copyLabels_[kAssemblyScope];

  // Reference points: the copies of one point carry consecutive labels;
  // part-based they count on in the assembly's own node numbering.
  const cow_List<ref_RefNode> points = ref_Utils::GetRefNodes(features, ftr_kAssemblyId, true);
  if (!points.IsEmpty())
    AddAssemblyDefinition(
        aif_Comment("Assy-level ref pts from assembled fastener: " + fastenerName_.Str()));
  const cow_String assemblyName = Info().FeatureName(ftr_kAssemblyId);
  for (const ref_RefNode& point : points) {
    cow_List<int> numbers;
    cow_List<float> x, y, z;
    for (const gsl_Matrix& placement : placements_) {
      const int label = partBased ? Info().NextNodeLabel(assemblyName) : ++nodeCounter_;
      if (numbers.IsEmpty()) labels.referenceNodes[point.label] = label;
      const gsl_Point placed = placement.Transform(gsl_Point(point.x, point.y, point.z));
      numbers.Append(label);
      x.Append(static_cast<float>(placed.x));
      y.Append(static_cast<float>(placed.y));
      z.Append(static_cast<float>(placed.z));
    }
    AddAssemblyDefinition(aif_RawNode(numbers, x, y, z, false));
  }
  labels.assemblyPoints.clear();
  for (const ref_RefNode& point : points)
    labels.assemblyPoints.push_back(point.label);

  // Assembly-level sets over the copies of the template instances.
  bool first = true;
  for (unsigned id : rgnF_Utils::GetRegionIds(features, true, false)) {
    const rgnF_Set* set = rgnF_Utils::GetRegion(features, id);
    const rgnK_Region region(&assembly, templateModelName_, set->Region());
    if (!region.IsValid(true)) continue;
    if (first) {
      AddAssemblyDefinition(
          aif_Comment("Assy-level sets from assembled fastener: " + fastenerName_.Str()));
      first = false;
    }
    const cow_String name = aif_PrintableName(
        cow_String(prefix_.Str() + NoDots(cow_String(AsmbldFastenerUnquoted(set->Name())))));
    cow_Map<cow_String, cow_List<int>> nodes, elements;
    cow_List<int> plainNodes, plainElements;
    CopiedAssemblyMembers(region, true, nodes, plainNodes);
    CopiedAssemblyMembers(region, false, elements, plainElements);
    const int mask = set->typeMask;
    if ((!nodes.IsEmpty() || !plainNodes.IsEmpty()) &&
        (mask & (rgnF_Set::kGeometrySet | rgnF_Set::kNodeSet))) {
      aif_Nset nset(name, aif_Nset::LabelsById(), true, Info());
      nset.SetNamedLabels(nodes);
      nset.SetPlainLabels(plainNodes);
      AddAssemblySetDefinition(nset);
      // Output requests on the fastener look the set up when written.
      aif_SetNameRegistry::Instance().AddNset(name, false);
    }
    if ((!elements.IsEmpty() || !plainElements.IsEmpty()) &&
        (mask & (rgnF_Set::kGeometrySet | rgnF_Set::kElementSet))) {
      aif_Elset elset(name, aif_Elset::LabelsById(), true, Info());
      elset.SetNamedLabels(elements);
      elset.SetPlainLabels(plainElements);
      AddAssemblySetDefinition(elset);
      aif_SetNameRegistry::Instance().AddElset(name, false);
    }
  }
  return true;
}

cow_String aif_AsmbldFastenerBuilder::AssemblySetName(const cow_String& prefix,
                                                      const cow_String& setName) {
  return aif_PrintableName(
      cow_String(NoDots(prefix) + "_" + NoDots(cow_String(AsmbldFastenerUnquoted(setName)))));
}

// In a restart job the sets (and the constraint surfaces) are filed as model
// definitions under assembly-scope names, but this builder is not one of the
// driver's restart definitions, so a restart file writes none of them: the
// restarted analysis holds the fastener's copies, sets and surfaces already,
// and the history written after the restart step names only what the model
// defines. Writing them again would define the sets a second time.
void aif_AsmbldFastenerBuilder::AddAssemblySetDefinition(const akw_Keyword& keyword) {
  if (Info().IsRestart())
    AddModelDefinition(keyword);
  else
    AddAssemblyDefinition(keyword);
}

void aif_AsmbldFastenerBuilder::CopiedAssemblyMembers(const rgnK_Region& region, bool nodes,
                                                      cow_Map<cow_String, cow_List<int>>& named,
                                                      cow_List<int>& plain) const {
  const ftr_FeatureList& features = templateAssembly_->ConstGetFeatureList();
  cow_Map<int, cow_List<int>> ids;
  if (nodes)
    region.GetNodeIds(ids, ftr_kAssemblyId, false, false, false);
  else
    region.GetElementIds(ids, nullptr, ftr_kAssemblyId, false, false);
  const bool partBased = Info().IsPartBased();
  for (const auto& [id, indices] : ids) {
    if (static_cast<unsigned>(id) == ftr_kAssemblyId) {
      // The assembly's own reference points, by position.
      const CopyLabels* assembly = Labels(cow_String(kAssemblyScope));
      if (!nodes || !assembly) continue;
      for (int index : indices) {
        if (index < 0 || static_cast<std::size_t>(index) >= assembly->assemblyPoints.size())
          continue;
        const auto found = assembly->referenceNodes.find(
            assembly->assemblyPoints[static_cast<std::size_t>(index)]);
        if (found == assembly->referenceNodes.end()) continue;
        for (std::size_t c = 0; c < placements_.Length(); ++c)
          plain.Append(found->second + static_cast<int>(c));
      }
      continue;
    }
    const asoF_PartInstance* instance =
        asoF_Utils::ConstGetPartInstance(features, static_cast<unsigned>(id));
    if (!instance) continue;
    const cow_String name(prefix_.Str() + NoDots(instance->Name()));
    const CopyLabels* labels = Labels(name);
    if (!labels) continue;  // the instance was not copied
    const cow_List<int> copied =
        nodes ? CopiedNodeLabels(*labels, indices) : CopiedElementLabels(*labels, indices);
    if (copied.IsEmpty()) continue;
    // Part-based the members are named by their generated instance.
    if (partBased)
      named.Modify(name).Append(copied);
    else
      plain.Append(copied);
  }
}

bool aif_AsmbldFastenerBuilder::AddPointMassesAndInertias() {
  const ftr_FeatureList& features = templateAssembly_->ConstGetFeatureList();
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
    const asoF_PartInstance& instance = *asoF_Utils::ConstGetPartInstance(features, id);
    AddInertiaKeywords(instance.ConstGetPart(), &instance);
  }
  AddInertiaKeywords(*templateAssembly_, nullptr);
  return true;
}

void aif_AsmbldFastenerBuilder::AddInertiaKeywords(const ftr_PrimaryObject& owner,
                                                   const asoF_PartInstance* instance) {
  if (!owner.EngineeringFeaturesReady()) return;
  const cow_String scope =
      instance ? cow_String(prefix_.Str() + NoDots(instance->Name())) : cow_String(kAssemblyScope);
  // An instance that was not copied has no labels: its masses would sit on
  // nodes that are not written.
  const CopyLabels* labels = Labels(scope);
  if (!labels) return;
  const auto& engineering = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
      owner.ConstGetEngineeringFeatures(), kAsmbldFastenerAssemblyFile, __LINE__);
  // Name order.
  std::vector<const kefC_PointMassInertia*> masses;
  for (const cow_COW<kefC_Inertia>& inertia : engineering.Inertias())
    if (inertia->DynTypeId() == kefC_PointMassInertia::TypeId() && !inertia->IsExcluded())
      masses.push_back(static_cast<const kefC_PointMassInertia*>(inertia.Get()));
  std::stable_sort(masses.begin(), masses.end(),
                   [](const auto* a, const auto* b) { return a->Name().Str() < b->Name().Str(); });

  const bool partBased = Info().IsPartBased();
  for (const kefC_PointMassInertia* mass : masses) {
    const rgnK_Region region(&owner, templateModelName_, mass->Region());
    if (!region.IsValid(true)) continue;
    // The nodes in all copies, the copies of one node together.
    cow_List<int> nodes;
    if (instance) {
      cow_Map<int, cow_List<int>> ids;
      region.GetNodeIds(ids, ftr_kAssemblyId, false, false, false);
      for (const auto& entry : ids)
        for (int index : entry.second) {
          if (index < 0 || index >= labels->meshNodes) continue;
          for (std::size_t c = 0; c < placements_.Length(); ++c)
            nodes.Append(labels->firstNode + static_cast<int>(c) * labels->meshNodes + index);
        }
    } else {
      cow_Map<cow_String, cow_List<int>> named;
      CopiedAssemblyMembers(region, true, named, nodes);
    }
    if (nodes.IsEmpty()) continue;

    std::string setName = NoDots(AsmbldFastenerUnquoted(mass->Name()));
    if (!instance)
      setName = prefix_.Str() + setName;
    else if (!partBased)
      setName = scope.Str() + "_" + setName;
    const cow_String elementSet = aif_PrintableName(cow_String(setName));
    std::vector<akw_KeywordHandle> keywords;
    const auto file = [&](const akw_Keyword& keyword) {
      if (!instance)
        AddAssemblyDefinition(keyword);
      else
        AddOwnerDefinition(scope, keyword);
    };
    file(aif_Comment("Point mass/inertia: " + elementSet.Str() +
                     "  from assembled fastener: " + fastenerName_.Str()));
    const bool both = mass->HasMass() && mass->HasRotaryI();
    if (mass->HasMass()) {
      const cow_String set = both ? aif_PrintableName(cow_String(setName + "-MASS")) : elementSet;
      file(PointElements("MASS", set, scope, nodes));
      file(aif_Mass(set, mass->Mass(), mass->Alpha(), mass->Composite()));
    }
    if (mass->HasRotaryI()) {
      const cow_String set = both ? aif_PrintableName(cow_String(setName + "-ROTI")) : elementSet;
      file(PointElements("ROTARYI", set, scope, nodes));
      file(aif_RotaryInertia(set, mass->RotaryInertia(), mass->Alpha(), mass->Composite(),
                             cow_String()));
    }
  }
}

aif_RawKeyword aif_AsmbldFastenerBuilder::PointElements(const char* type,
                                                        const cow_String& elementSet,
                                                        const cow_String& scope,
                                                        const cow_List<int>& nodes) {
  // Labels: flat, on after the file's last element; part-based, on in the
  // generated part, or in the assembly's own numbering for the assembly.
  const int count = static_cast<int>(nodes.Length());
  int first = 0;
  if (!Info().IsPartBased()) {
    first = Info().ReserveElementLabels(cow_String(), count) - count + 1;
  } else if (scope == cow_String(kAssemblyScope)) {
    first = Info().ReserveElementLabels(Info().FeatureName(ftr_kAssemblyId), count) - count + 1;
  } else {
    CopyLabels& labels = copyLabels_[scope.Str()];
    first = labels.nextElement;
    labels.nextElement += count;
  }
  std::string text = std::string("*Element, type=") + type + ", elset=" + elementSet.Str() + "\n";
  for (int i = 0; i < count; ++i)
    text += std::to_string(first + i) + ", " + std::to_string(nodes[static_cast<std::size_t>(i)]) +
            "\n";
  return aif_RawKeyword(cow_String(text));
}
