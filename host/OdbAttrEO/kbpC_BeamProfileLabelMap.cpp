#include "OdbAttrEO/kbpC_BeamProfileLabelMap.h"

#include <utility>

#include "OdbAttrEO/kbpC_Profiles.h"

kbpC_BeamProfileLabelMap::kbpC_BeamProfileLabelMap() {
  const std::pair<unsigned, const char*> rows[] = {
      {kbpC_PipeProfile::kTypeId, "Pipe"},
      {kbpC_BoxProfile::kTypeId, "Box"},
      {kbpC_IbeamProfile::kTypeId, "I"},
      {kbpC_CircularProfile::kTypeId, "Circular"},
      {kbpC_HexagonalProfile::kTypeId, "Hexagonal"},
      {kbpC_LbeamProfile::kTypeId, "L"},
      {kbpC_TbeamProfile::kTypeId, "T"},
      {kbpC_RectangularProfile::kTypeId, "Rectangular"},
      {kbpC_TrapezoidalProfile::kTypeId, "Trapezoidal"},
      {kbpC_ArbitraryProfile::kTypeId, "Arbitrary"},
      {kbpC_GeneralizedProfile::kTypeId, "Generalized"},
  };
  for (const auto& [id, label] : rows)
    labels_.Set(id, cow_String(label));
}

atr_String kbpC_BeamProfileLabelMap::Label(unsigned typeId) const {
  const cow_String* label = labels_.Find(typeId);
  return label ? atr_Translate(*label) : atr_String();
}
