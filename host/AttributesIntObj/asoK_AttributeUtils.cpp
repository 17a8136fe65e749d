#include "AttributesIntObj/asoK_AttributeUtils.h"

#include "ModKerLow/ptoC_ConnectorOrientation.h"
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
