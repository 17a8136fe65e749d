#include "AttributesIntObj/asoK_AttributeUtils.h"

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/ptoC_ConnectorOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/rgnK_Region.h"

namespace {

const ptoC_ConnectorOrientation* AsOrientation(const cow_COW<kern_Object>& attribute) {
  return attribute->DynTypeId() == ptoC_ConnectorOrientation::TypeId()
             ? static_cast<const ptoC_ConnectorOrientation*>(attribute.Get())
             : nullptr;
}

}  // namespace

cow_Map<cow_String, int> asoK_AttributeUtils::GetConnectorMap(const Attributes& orientations) {
  cow_Map<cow_String, int> map;
  for (std::size_t i = 0; i < orientations.Length(); ++i)
    if (const ptoC_ConnectorOrientation* orientation = AsOrientation(orientations[i]))
      if (!map.Contains(orientation->RegionRef().Name()))
        map.Set(orientation->RegionRef().Name(), static_cast<int>(i));
  return map;
}

bool asoK_AttributeUtils::FindOrientation(const Attributes& orientations, const rgnC_Region& region,
                                          const cow_String& modelName, int& index,
                                          ptoC_ConnectorOrientation& orientation) {
  const rgnK_Region wires(nullptr, modelName, region);
  for (std::size_t i = orientations.Length(); i-- > 0;) {
    const ptoC_ConnectorOrientation* candidate = AsOrientation(orientations[i]);
    if (!candidate) continue;
    if (wires.Clash(rgnK_Region(nullptr, modelName, candidate->RegionRef())) != 0) continue;
    orientation = *candidate;
    index = static_cast<int>(i);
    return true;
  }
  return false;
}

int asoK_AttributeUtils::FindAttributeFromRegion(const rgnC_Region& region,
                                                 const asoK_Assembly* assembly,
                                                 const cow_String& modelName,
                                                 const Attributes& attributes) {
  const rgnK_Region wires(assembly, modelName, region);
  for (std::size_t i = 0; i < attributes.Length(); ++i) {
    if (attributes[i]->DynTypeId() != ptoC_SectionAssignment::TypeId()) continue;
    const auto& assignment = static_cast<const ptoC_SectionAssignment&>(*attributes[i]);
    if (wires.Clash(rgnK_Region(assembly, modelName, assignment.RegionRef())) == 0)
      return static_cast<int>(i);
  }
  return -1;
}
