#include "aif/impl/steps/aif_FilterBuilder.h"

#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/steps/aif_Filter.h"

void aif_FilterBuilder::Build() {
  const auto& info = static_cast<const aif_ModelInfo&>(ModelInfo());
  if (info.AnalysisProduct() != 1) return;
  for (const auto& [name, filter] : info.ModelAdapter().Filters().ConstGetMap()) {
    // A name the file cannot carry stops the write rather than break lines.
    aif_CheckWritableName(name, "filter");
    AddModelDefinition(aif_Filter(name, *filter));
  }
}
