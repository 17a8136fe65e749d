#include "aif/impl/sections/aif_LayupStep.h"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/mgt_Thickness.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/rgnF_IndexLabels.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kseK_SectionAssignmentsFromLayup.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_DiscreteOrientationStep.h"
#include "aif/impl/sections/aif_FieldThicknessStep.h"
#include "aif/impl/sections/aif_GeometryThicknessStep.h"
#include "aif/impl/sections/aif_InstanceScope.h"
#include "aif/impl/sections/aif_PartAttributesState.h"
#include "aif/impl/sections/aif_SectionKinds.h"

namespace {

constexpr const char* kLayupStepFile = aif_PartAttributesState::kSourceFile;

// The regions of the layup's plies in use, each named region once, as the
// instance's; none unless a thickness, offset or orientation needs them.
cow_List<rgnC_Region> PlyRegions(const aif_InstanceScope& scope, const ptoK_CompositeLayup& layup) {
  const bool fromGeometry =
      layup.thicknessAssignment == ptoC_SectionAssignment::kThicknessFromGeometry;
  const bool thicknessField =
      layup.thicknessKind == 1 || layup.thicknessKind == 3 || layup.thicknessKind == 4;
  cow_List<rgnC_Region> regions;
  if (thicknessField || layup.orientationKind == 4 || fromGeometry || layup.offsetKind == 6) {
    std::unordered_set<std::string> named;
    for (const ptoK_CompositePly& ply : layup.plyRegions) {
      if (ply.suppressed) continue;
      if (!ply.region.IsPicked() && !ply.region.Name().IsEmpty() &&
          !named.insert(ply.region.Name().Str()).second)
        continue;
      rgnC_Region region = ply.region;
      region.AddOwnerName(scope.name);
      regions.Append(region);
    }
  }
  return regions;
}

}  // namespace

void aif_LayupStep::Add(const aif_InstanceScope& scope) {
  const ptoK_Part& part = *scope.part;
  if (part.CompositeLayups().IsEmpty()) return;
  std::vector<const ptoK_CompositeLayup*> layups;
  for (const ptoK_CompositeLayup& layup : part.CompositeLayups())
    if (!layup.suppressed) layups.push_back(&layup);
  std::stable_sort(layups.begin(), layups.end(),
                   [](const ptoK_CompositeLayup* a, const ptoK_CompositeLayup* b) {
                     return a->name.Str() < b->name.Str();
                   });
  for (const ptoK_CompositeLayup* layup : layups)
    AddLayup(scope, *layup);
}

void aif_LayupStep::AddLayup(const aif_InstanceScope& scope, const ptoK_CompositeLayup& layup) {
  aif_ModelInfo& info = state_.info;
  Generated generated;
  cow_Map<cow_String, gdy_CompositeHitSet> hits;
  kseK_SectionAssignmentsFromLayup(layup, info.Model().Name(), info.Assembly(), scope.name,
                                   generated.sections, hits, generated.assignments,
                                   generated.orientations);

  // The elements of each generated set, as the property table knows them.
  const bool usable = info.ElementLabelsUsable();
  for (const auto& [set, hitSet] : hits) {
    cow_List<int> ids;
    gme_GetElementIdsFromHits(hitSet, *scope.mesh, ids);
    if (usable) rgnF_Utils::ConvertElemIndicesToLabels(*scope.mesh, ids);
    generated.members.Set(set, std::move(ids));
  }

  const cow_List<rgnC_Region> regions = PlyRegions(scope, layup);
  cow_String thickness;
  cow_String offset;
  ThicknessAndOffset(scope, layup, regions, thickness, offset);
  if (!thickness.IsEmpty() && !(thickness == layup.analyticalField)) {
    cow_List<cow_String> shells;
    for (const auto& [name, section] : generated.sections.ConstGetMap())
      if (aif_SectionKinds::IsGeometryShell(section->DynTypeId())) shells.Append(name);
    for (const cow_String& name : shells)
      nex_canDynamicCastRef<kseC_GeometryShellSection>(generated.sections.Modify(name),
                                                       kLayupStepFile, __LINE__)
          .thicknessField = thickness;
  }

  // The generated assignments and orientations behind those held so far
  // (behind the part's own ones and those of earlier layups).
  const int firstOrientation = static_cast<int>(state_.orientations.Length());
  for (std::size_t k = 0; k < generated.assignments.Length(); ++k)
    AppendAssignment(scope, layup, generated, k, offset);

  // A discrete orientation: one distribution over the plies, named by
  // every orientation of the layup.
  const int lastOrientation = static_cast<int>(state_.orientations.Length());
  if (layup.orientationKind == 4 && layup.orientation && lastOrientation > firstOrientation) {
    const cow_String distribution =
        aif_DiscreteOrientationStep(state_, filer_)
            .Add(scope, *layup.orientation,
                 aif_PartAttributesState::Numbered("Ori-", firstOrientation + 1), regions);
    for (int o = firstOrientation; o < lastOrientation; ++o)
      state_.distributionNames.Set(o, distribution);
  }
}

void aif_LayupStep::ThicknessAndOffset(const aif_InstanceScope& scope,
                                       const ptoK_CompositeLayup& layup,
                                       const cow_List<rgnC_Region>& regions, cow_String& thickness,
                                       cow_String& offset) {
  const bool fromGeometry =
      layup.thicknessAssignment == ptoC_SectionAssignment::kThicknessFromGeometry;
  if (!fromGeometry) {
    aif_FieldThicknessStep fields(state_, filer_);
    if (layup.thicknessKind == 1)
      thickness = fields.FromAnalyticalField(scope, layup.analyticalField, regions,
                                             kfdC_DiscreteField::kElements, "length");
    else if (layup.thicknessKind == 3)
      thickness = fields.FromAnalyticalField(scope, layup.discreteField, regions,
                                             kfdC_DiscreteField::kNodes, "length");
    else if (layup.thicknessKind == 4)
      thickness = fields.FromDiscreteField(scope, regions, layup.discreteField);
  }
  if ((fromGeometry || layup.offsetKind == 6) && !regions.IsEmpty()) {
    mgt_ThicknessDataEvaluator data(true);
    mgt_ComputeThicknessAndOffset(state_.info.Assembly(), *scope.instance,
                                  state_.info.Model().Name(), regions, data);
    aif_GeometryThicknessStep geometry(state_, filer_);
    if (layup.offsetKind == 6) offset = geometry.AddOffset(scope, regions, data);
    if (fromGeometry) thickness = geometry.AddNodalThickness(scope, regions, data);
  }
  // The section keyword adds the instance's name back in a flat file.
  const std::string prefix = scope.name.Str() + "_";
  if (thickness.Str().rfind(prefix, 0) == 0)
    thickness = cow_String(thickness.Str().substr(prefix.size()));
}

void aif_LayupStep::AppendAssignment(const aif_InstanceScope& scope,
                                     const ptoK_CompositeLayup& layup, const Generated& generated,
                                     std::size_t k, const cow_String& offset) {
  ptoC_SectionAssignment assignment = nex_canDynamicCastRef<const ptoC_SectionAssignment>(
      *generated.assignments[k], kLayupStepFile, __LINE__);
  if (layup.offsetKind == 6) assignment.SetOffset(6, 0.0, offset);
  const cow_String sectionName = assignment.SectionName();
  if (generated.sections.Contains(sectionName))
    state_.sections.Set(sectionName, generated.sections.ConstGet(sectionName));
  const int index = static_cast<int>(state_.assignments.Length());
  state_.assignments.Append(cow_COW<kern_Object>(assignment));
  int orientationIndex = -1;
  if (k < generated.orientations.Length()) {
    orientationIndex = static_cast<int>(state_.orientations.Length());
    state_.orientations.Append(generated.orientations[k]);
  }

  const cow_String set = assignment.RegionRef().Name();
  int covered = 0;
  if (const cow_List<int>* ids = generated.members.Find(set)) {
    for (int label : *ids) {
      const long long position = state_.elements.Position(label);
      if (position < 0) continue;  // not an element of this mesh
      ++covered;
      const auto at = static_cast<std::size_t>(position);
      state_.elements.Set(aif_ElementProperties::kSection, at, index);
      state_.elements.Set(aif_ElementProperties::kMatOri, at, orientationIndex);
    }
  }
  state_.assignmentSizes.Set(static_cast<unsigned>(index), covered);

  if (generated.sections.Contains(sectionName))
    RecordSectionPoints(scope, generated.sections.ConstGet(sectionName), set, sectionName,
                        layup.name);

  // The section keyword reads the stack direction by the group's material
  // orientation: record it under the generated orientation.
  if ((layup.layupKind == 1 || layup.layupKind == 2) && orientationIndex >= 0 &&
      layup.stackDirection >= 0 && layup.stackDirection <= 3) {
    static const char* const kStack[] = {"1", "2", "3", "ORIENTATION"};
    state_.stackDirections.Set(orientationIndex, kStack[layup.stackDirection]);
  }
}

void aif_LayupStep::RecordSectionPoints(const aif_InstanceScope& scope, const kseC_Section& section,
                                        const cow_String& set, const cow_String& sectionName,
                                        const cow_String& layupName) {
  const cow_List<kseC_Layer>* layers = nullptr;
  bool symmetric = false;
  if (section.DynTypeId() == aif_SectionKinds::kCompositeSolid) {
    const auto& solid =
        nex_canDynamicCastRef<const kseC_CompositeSolidSection>(section, kLayupStepFile, __LINE__);
    layers = &solid.layers;
    symmetric = solid.symmetric;
  } else {
    const auto& shell =
        nex_canDynamicCastRef<const kseC_CompositeShellSection>(section, kLayupStepFile, __LINE__);
    layers = &shell.layers;
    symmetric = shell.symmetric;
  }
  cow_List<int> points;
  points.Reserve(layers->Length() * (symmetric ? 2 : 1));
  for (const kseC_Layer& layer : *layers)
    points.Append(layer.numIntPoints);
  if (symmetric)
    for (std::size_t l = layers->Length(); l-- > 0;)
      points.Append((*layers)[l].numIntPoints);
  state_.info.LayupData().AddSection(scope.name, set, sectionName, points, scope.partName,
                                     layupName);
}
