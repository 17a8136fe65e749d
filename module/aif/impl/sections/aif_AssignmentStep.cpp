#include "aif/impl/sections/aif_AssignmentStep.h"

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/ptoC_BeamOrientation.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/ptoK_Part.h"
#include "ModKerLow/rgnK_Region.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_InstanceScope.h"
#include "aif/impl/sections/aif_PartAttributesState.h"
#include "aif/impl/sections/aif_SectionKinds.h"

namespace {

constexpr const char* kAssignmentStepFile = aif_PartAttributesState::kSourceFile;

using aif_SectionKinds::kBeamOrientations;
using aif_SectionKinds::kMaterialOrientations;

}  // namespace

void aif_AssignmentStep::ReadAssignments(const aif_InstanceScope& scope) {
  for (const cow_COW<kern_Object>& attribute : scope.part->Attributes())
    if (attribute->DynTypeId() == ptoC_SectionAssignment::TypeId())
      state_.assignments.Append(attribute);
  state_.ownAssignments = static_cast<int>(state_.assignments.Length());
  ReadOrientations(scope, ptoC_SectionAssignment::TypeId());
}

void aif_AssignmentStep::ReadOrientations(const aif_InstanceScope& scope, unsigned kind) {
  aif_ModelInfo& info = state_.info;
  const ptoK_Part& part = *scope.part;
  cow_List<const kern_Object*> entries;
  if (kind == ptoC_SectionAssignment::TypeId()) {
    for (const cow_COW<kern_Object>& assignment : state_.assignments)
      entries.Append(&*assignment);
  } else if (kind == kMaterialOrientations) {
    for (const kern_Object* attribute : aif_PartAttributesState::AttributesOf(part, kind)) {
      const auto& orientation = nex_canDynamicCastRef<const ptoC_MaterialOrientation>(
          *attribute, kAssignmentStepFile, __LINE__);
      if (orientation.IsSuppressed()) continue;
      state_.orientations.Append(cow_COW<kern_Object>(orientation));
      entries.Append(&orientation);
    }
    state_.ownOrientations = static_cast<int>(state_.orientations.Length());
  } else {
    entries = aif_PartAttributesState::AttributesOf(part, kind);
  }

  // Orientations matter only to elements a group writes.
  const bool marks = kind == ptoC_SectionAssignment::TypeId() || state_.MarksElements(scope);
  const int instanceId = scope.id;
  const cow_String& modelName = info.Model().Name();
  for (std::size_t i = 0; i < entries.Length(); ++i) {
    const rgnC_Region* region = nullptr;
    if (kind == ptoC_SectionAssignment::TypeId()) {
      const auto& assignment = nex_canDynamicCastRef<const ptoC_SectionAssignment>(
          *entries[i], kAssignmentStepFile, __LINE__);
      // A suppressed assignment keeps its index but takes no element, so it
      // is neither written nor put in place of the active section.
      if (assignment.IsSuppressed()) continue;
      region = &assignment.RegionRef();
    } else if (kind == kBeamOrientations)
      region = &nex_canDynamicCastRef<const ptoC_BeamOrientation>(*entries[i], kAssignmentStepFile,
                                                                  __LINE__)
                    .Region();
    else
      region = &nex_canDynamicCastRef<const ptoC_MaterialOrientation>(*entries[i],
                                                                      kAssignmentStepFile, __LINE__)
                    .Region();
    if (!marks) continue;
    const rgnK_Region kernelRegion(info.Assembly(), modelName, *region);
    if (!kernelRegion.IsValid(true)) continue;
    cow_Map<int, cow_List<int>> ids;
    kernelRegion.GetElementIds(ids, nullptr, instanceId, info.ElementLabelsUsable(), true);
    const cow_List<int>* members = ids.Find(instanceId);
    if (!members) continue;
    const int index = static_cast<int>(i);
    int covered = 0;
    // A later entry overwrites an earlier one.
    const aif_ElementProperties::Column column =
        kind == ptoC_SectionAssignment::TypeId() ? aif_ElementProperties::kSection
        : kind == kBeamOrientations              ? aif_ElementProperties::kBeamOri
        : kind == kMaterialOrientations          ? aif_ElementProperties::kMatOri
                                                 : aif_ElementProperties::kRebarOri;
    for (int label : *members) {
      const long long position = state_.elements.Position(label);
      if (position < 0) continue;  // not an element of this mesh
      ++covered;
      state_.elements.Set(column, static_cast<std::size_t>(position), index);
    }
    if (kind == ptoC_SectionAssignment::TypeId())
      state_.assignmentSizes.Set(static_cast<unsigned>(index), covered);
  }
}
