#include "aif/impl/sections/aif_PartAttributesState.h"

#include "ModKerLow/ptoK_Part.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/sections/aif_InstanceScope.h"

void aif_PartAttributesState::ResetInstance(const aif_InstanceScope& scope) {
  properties.clear();
  labels.Clear();
  negativeLabels.Clear();
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

  const bme_Mesh& mesh = *scope.mesh;
  const std::size_t count = mesh.NumElements();
  properties.reserve(count);
  labels.Reserve(count + 1);
  const bool usable = info.ElementLabelsUsable();
  int position = 0;
  for (const bme_ElementClass& elementClass : mesh.ElementClasses()) {
    const std::size_t n = elementClass.NumElements();
    const bool stored = elementClass.HasLabelTable();
    for (std::size_t e = 0; e < n; ++e, ++position) {
      bme_Property property;
      property.label = !usable  ? position
                       : stored ? elementClass.UserLabels()[e]
                                : static_cast<int>(elementClass.FirstElementIndex() + e + 1);
      if (property.label >= 0)
        labels.Set(static_cast<unsigned>(property.label), position);
      else
        negativeLabels.Set(0u - static_cast<unsigned>(property.label), position);
      properties.push_back(property);
    }
  }
}

const int* aif_PartAttributesState::Position(int label) const {
  return label >= 0 ? labels.Find(static_cast<unsigned>(label))
                    : negativeLabels.Find(0u - static_cast<unsigned>(label));
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
