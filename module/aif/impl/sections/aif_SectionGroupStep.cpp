#include "aif/impl/sections/aif_SectionGroupStep.h"

#include <unordered_set>

#include "ModKerLow/ptoC_BeamOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/ptoK_Part.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/core/aif_SetNameRegistry.h"
#include "aif/impl/model/aif_Elset.h"
#include "aif/impl/sections/aif_DiscreteFieldRecords.h"
#include "aif/impl/sections/aif_ElementGroups.h"
#include "aif/impl/sections/aif_FieldThicknessStep.h"
#include "aif/impl/sections/aif_GeometryThicknessStep.h"
#include "aif/impl/sections/aif_InstanceScope.h"
#include "aif/impl/sections/aif_OrientationStep.h"
#include "aif/impl/sections/aif_PartAttributesFiler.h"
#include "aif/impl/sections/aif_SectionKinds.h"
#include "aif/impl/sections/aif_SectionStep.h"

namespace {

constexpr const char* kSectionGroupStepFile = aif_PartAttributesState::kSourceFile;

using namespace aif_SectionKinds;

const ptoC_SectionAssignment& AssignmentAt(const aif_PartAttributesState& state, int s) {
  return nex_canDynamicCastRef<const ptoC_SectionAssignment>(
      *state.assignments[static_cast<std::size_t>(s)], kSectionGroupStepFile, __LINE__);
}

// Whether the section's rebar takes a rebar orientation: a shell, membrane
// or surface section with rebar.
bool UsesRebarOrientation(const kseC_Section& section) {
  const unsigned type = section.DynTypeId();
  if (IsGeometryShell(type))
    return static_cast<const kseC_GeometryShellSection&>(section).Rebar() != nullptr;
  if (type == kMembrane)
    return nex_canDynamicCastRef<const kseC_MembraneSection>(section, kSectionGroupStepFile,
                                                             __LINE__)
               .Rebar() != nullptr;
  if (type == kSurface)
    return nex_canDynamicCastRef<const kseC_SurfaceSection>(section, kSectionGroupStepFile,
                                                            __LINE__)
               .Rebar() != nullptr;
  return false;
}

}  // namespace

void aif_SectionGroupStep::Write(const aif_InstanceScope& scope) {
  if (state_.elements.Size() == 0) return;
  state_.NoteTableBytes(state_.elements.PeakBytes());
  aif_ElementGroups groups(state_.elements);
  state_.NoteTableBytes(groups.PeakBytes());

  Walk walk{groups,
            aif_PartAttributesState::AttributesOf(*scope.part, kBeamOrientations),
            aif_PartAttributesState::AttributesOf(*scope.part, kRebarOrientations),
            std::nullopt,
            {}};
  state_.writtenOrientations.Clear();
  ComputeGeometry(scope, walk);
  for (std::size_t p = 0; p < groups.Length(); ++p)
    WriteGroup(scope, walk, p);

  aif_OrientationStep(state_, filer_).AddSectionOrientations(scope);
}

void aif_SectionGroupStep::ComputeGeometry(const aif_InstanceScope& scope, Walk& walk) const {
  cow_List<rgnC_Region> regions;
  std::unordered_set<int> taken;
  for (std::size_t p = 0; p < walk.groups.Length(); ++p) {
    const int s = walk.groups.SectionIndex(p);
    if (s < 0 || !taken.insert(s).second) continue;
    const ptoC_SectionAssignment& assignment = AssignmentAt(state_, s);
    if (assignment.ThicknessAssignment() == ptoC_SectionAssignment::kThicknessFromGeometry ||
        (assignment.OffsetKind() == 6 && s < state_.ownAssignments))
      regions.Append(assignment.RegionRef());
  }
  if (!regions.IsEmpty()) {
    walk.geometry.emplace(true);
    mgt_ComputeThicknessAndOffset(state_.info.Assembly(), *scope.instance,
                                  state_.info.Model().Name(), regions, *walk.geometry);
  }
}

void aif_SectionGroupStep::WriteGroup(const aif_InstanceScope& scope, Walk& walk, std::size_t p) {
  const aif_ElementGroups& groups = walk.groups;
  const int s = groups.SectionIndex(p);
  if (s < 0) return;
  const ptoC_SectionAssignment& assignment = AssignmentAt(state_, s);
  const rgnC_Region& region = assignment.RegionRef();
  const bool generated = s >= state_.ownAssignments;
  const std::vector<int>& members = groups.ElementIds(p);
  const int* size = state_.assignmentSizes.Find(static_cast<unsigned>(s));
  const bool complete = size && static_cast<std::size_t>(*size) == groups.Count(p);

  aif_PartAttributesState::Group group;
  bool madeHere = true;
  group.setName = SetName(scope, region, generated, complete, p, madeHere);
  group.sectionName = assignment.SectionName();
  if (!state_.sections.Contains(group.sectionName)) return;
  const kseC_Section& section = state_.sections.ConstGet(group.sectionName);
  const unsigned type = section.DynTypeId();
  Thickness(scope, walk, assignment, section, generated, group);

  const int c = groups.ElemCtrlIndex(p);
  bool defaultControls = false;
  if (c >= 0) {
    group.params = state_.controls.Get(c);
    group.controls = aif_PartAttributesState::Numbered("EC-", c + 1);
  } else {
    defaultControls = !state_.controls.IsEmpty();
  }

  cow_String beamText;
  group.beamOrientation = groups.BeamOriIndex(p);
  if (group.beamOrientation >= 0)
    beamText = aif_PartAttributesState::RegionText(
        nex_canDynamicCastRef<const ptoC_BeamOrientation>(
            *walk.beamOrientations[static_cast<std::size_t>(group.beamOrientation)],
            kSectionGroupStepFile, __LINE__)
            .Region());

  aif_OrientationStep orientations(state_, filer_);
  cow_String materialText;
  const int m = groups.MatOriIndex(p);
  group.materialOrientation = m;
  if (m >= 0)
    group.orientationName =
        orientations.ForGroup(scope, m, generated, type, group.sectionName, materialText);

  const int r = groups.RebarOriIndex(p);
  if (r >= 0 && UsesRebarOrientation(section))
    group.rebarOrientationName =
        orientations.ForRebar(scope, *walk.rebarOrientations[static_cast<std::size_t>(r)], r);

  cow_String comment = "(" + group.sectionName + ":" +
                       (region.Name().IsEmpty() ? cow_String(" Generated From Layup")
                                                : aif_PartAttributesState::RegionText(region)) +
                       ")";
  if (!group.controls.IsEmpty())
    comment += ", (Controls:" + group.controls + ")";
  else if (defaultControls)
    comment += ", (Controls:Default)";
  if (group.beamOrientation >= 0) comment += ", (Beam Orientation:" + beamText + ")";
  if (m >= 0) comment += ", (Material Orientation:" + materialText + ")";
  WriteSet(scope, walk, region, p, group, comment, members, madeHere);
  walk.groups.Release(p);  // the set keyword holds its own copy
  // Output requests on the layup name the sets as written.
  if (generated) state_.info.LayupData().RewireSet(scope.name, region.Name(), group.setName);

  Offset(scope, walk, assignment, generated, group);
  aif_SectionStep(state_, filer_).Add(scope, group);
}

cow_String aif_SectionGroupStep::SetName(const aif_InstanceScope& scope, const rgnC_Region& region,
                                         bool generated, bool complete, std::size_t p,
                                         bool& madeHere) const {
  // The region as the instance's: {part, instance}.
  rgnC_Region scoped(region.Name(), {scope.part->GetName(), scope.name}, region.Flags());
  scoped.SetPicked(region.IsPicked());
  const aif_RegionName regionName(scoped, state_.info);
  if (generated) {
    cow_String name = region.Name();
    if (!complete) name += aif_PartAttributesState::Numbered("-", static_cast<int>(p) + 1);
    if (scope.flat) name += "_" + scope.name;
    return aif_PrintableName(name);
  }
  if (complete) {
    madeHere = false;
    return regionName.QualifiedName(1);
  }
  return regionName.ScopedName(aif_PartAttributesState::Numbered("_I", static_cast<int>(p) + 1), 1);
}

bool aif_SectionGroupStep::Dropped(const aif_PartAttributesState::Group& group,
                                   const cow_String& field) const {
  // An analytical field that gave nothing is dropped, even when a discrete
  // field shares its name (that one is written only for its own uses). A
  // name only a discrete field has is written from that field's record.
  const aif_Model& model = state_.info.ModelAdapter();
  return group.thicknessDistribution.IsEmpty() &&
         (model.AnalyticalFields().Contains(field) || !model.DiscreteFields().Contains(field));
}

void aif_SectionGroupStep::Thickness(const aif_InstanceScope& scope, const Walk& walk,
                                     const ptoC_SectionAssignment& assignment,
                                     const kseC_Section& section, bool generated,
                                     aif_PartAttributesState::Group& group) {
  const rgnC_Region& region = assignment.RegionRef();
  const unsigned type = section.DynTypeId();
  aif_FieldThicknessStep fields(state_, filer_);
  if (assignment.ThicknessAssignment() != ptoC_SectionAssignment::kThicknessFromGeometry) {
    if (IsGeometryShell(type) && !generated) {
      const auto& shell = nex_canDynamicCastRef<const kseC_GeometryShellSection>(
          section, kSectionGroupStepFile, __LINE__);
      if (shell.thicknessType == 1)
        group.thicknessDistribution = fields.FromAnalyticalField(
            scope, shell.thicknessField, {region}, kfdC_DiscreteField::kElements, "length");
      else if (shell.thicknessType == 3)
        group.thicknessDistribution = fields.FromAnalyticalField(
            scope, shell.thicknessField, {region}, kfdC_DiscreteField::kNodes, "length");
      if (shell.thicknessType == 1 || shell.thicknessType == 3)
        group.thicknessDropped = Dropped(group, shell.thicknessField);
      else if (shell.thicknessType == 4)
        group.thicknessDistribution =
            fields.FromDiscreteField(scope, {region}, shell.thicknessField);
    } else if (type == kMembrane) {
      const auto& membrane = nex_canDynamicCastRef<const kseC_MembraneSection>(
          section, kSectionGroupStepFile, __LINE__);
      if (membrane.thicknessType == 1) {
        group.thicknessDistribution = fields.FromAnalyticalField(
            scope, membrane.thicknessField, {region}, kfdC_DiscreteField::kElements, "length");
        group.thicknessDropped = Dropped(group, membrane.thicknessField);
      }
    }
  } else {
    group.nodalThickness = true;
    group.thicknessDistribution = aif_GeometryThicknessStep(state_, filer_)
                                      .AddNodalThickness(scope, {region}, *walk.geometry);
  }
  if (scope.flat && !group.thicknessDistribution.IsEmpty())
    group.thicknessDistribution = scope.name + "_" + group.thicknessDistribution;
}

void aif_SectionGroupStep::WriteSet(const aif_InstanceScope& scope, Walk& walk,
                                    const rgnC_Region& region, std::size_t p,
                                    aif_PartAttributesState::Group& group,
                                    const cow_String& comment, const std::vector<int>& members,
                                    bool madeHere) {
  // A picked region is written here unless a set of its name is written
  // already (the registry knows the sets of the instance's scope).
  if (!madeHere && region.IsPicked()) {
    const cow_String registered =
        scope.setScope.IsEmpty() ? group.setName : scope.setScope + "." + group.setName;
    madeHere = !aif_SetNameRegistry::Instance().IsElset(registered);
  }
  if (!madeHere) return;
  if (!walk.sets.insert(group.setName.Str()).second) {
    rgnC_Region scoped(region.Name(), {scope.part->GetName(), scope.name}, region.Flags());
    scoped.SetPicked(region.IsPicked());
    group.setName =
        aif_RegionName(scoped, state_.info)
            .ScopedName(aif_PartAttributesState::Numbered("_I", static_cast<int>(p) + 1), 1);
    walk.sets.insert(group.setName.Str());
  }
  filer_.ToScope(scope, aif_Comment("Region: " + comment));
  aif_Elset::LabelsById labels;
  cow_List<int>& list = labels.Modify(scope.id);
  list.Reserve(members.size());
  for (int label : members)
    list.Append(label);
  filer_.ToScope(scope, aif_Elset(group.setName, labels, false, state_.info));
}

void aif_SectionGroupStep::Offset(const aif_InstanceScope& scope, const Walk& walk,
                                  const ptoC_SectionAssignment& assignment, bool generated,
                                  aif_PartAttributesState::Group& group) {
  switch (assignment.OffsetKind()) {
    case 1:
      group.offsetText = "SPOS";
      break;
    case 2:
      group.offsetText = "SNEG";
      break;
    case 3:
      group.offsetValue = assignment.OffsetValue();
      break;
    case 5:
      // The section names the distribution the registry gave the use.
      group.offsetText = aif_DiscreteFieldRecords(state_, filer_)
                             .Register(scope, assignment.OffsetField(), {"ratio"});
      break;
    case 6:
      group.offsetText = generated
                             ? assignment.OffsetField()
                             : aif_GeometryThicknessStep(state_, filer_)
                                   .AddOffset(scope, {assignment.RegionRef()}, *walk.geometry);
      break;
    default:
      break;
  }
}
