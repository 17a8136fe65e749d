#include "aif/impl/steps/aif_TimePointsBuilder.h"

#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/steps/aif_TimePoints.h"

void aif_TimePointsBuilder::Build() {
  const auto& info = static_cast<const aif_ModelInfo&>(ModelInfo());
  for (const auto& [name, points] : info.ModelAdapter().TimePoints().ConstGetMap()) {
    // A name the file cannot carry stops the write rather than break lines.
    aif_CheckWritableName(name, "time points");
    AddModelDefinition(aif_TimePoints(name, *points));
  }
}
