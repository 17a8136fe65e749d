#include "aif/impl/sections/aif_PartAttributesState.h"

#include "ModKerLow/ptoK_Part.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_InstanceScope.h"

void aif_PartAttributesState::ResetInstance(const aif_InstanceScope& scope) {
  assignmentSizes.Clear();
  ownAssignments = ownOrientations = 0;
  assignments.Clear();
  orientations.Clear();
  sections = mdl_MapString2ObjCow<kseC_Section>();
  for (const auto& [name, section] : info.ModelAdapter().Sections().ConstGetMap())
    sections.Set(name, *section);
  stackDirections.Clear();
  distributionNames.Clear();
  usedSections.Clear();
  nodalThicknessNodes.clear();

  elements.Reset(scope.mesh, info.ElementLabelsUsable());
}

bool aif_PartAttributesState::MarksElements(const aif_InstanceScope& scope) const {
  return elements.Has(aif_ElementProperties::kSection) || !scope.part->CompositeLayups().IsEmpty();
}

cow_String aif_PartAttributesState::Numbered(const char* text, int number) {
  return cow_String(std::string(text) + std::to_string(number));
}

cow_String aif_PartAttributesState::RegionText(const rgnC_Region& region) {
  return region.IsPicked() ? cow_String("Picked") : region.Name();
}

cow_List<const kern_Object*> aif_PartAttributesState::AttributesOf(const ptoK_Part& part,
                                                                   unsigned kind) {
  cow_List<const kern_Object*> list;
  for (const cow_COW<kern_Object>& attribute : part.Attributes())
    if (attribute->DynTypeId() == kind) list.Append(&*attribute);
  return list;
}
