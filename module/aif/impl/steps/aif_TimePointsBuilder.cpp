#include "aif/impl/steps/aif_TimePointsBuilder.h"

#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/steps/aif_TimePoints.h"

void aif_TimePointsBuilder::Build() {
  const auto& info = static_cast<const aif_ModelInfo&>(ModelInfo());
  for (const auto& [name, points] : info.ModelAdapter().TimePoints().ConstGetMap())
    AddModelDefinition(aif_TimePoints(name, *points));
}
