#include "aif/impl/steps/aif_IntegratedOutputSectionBuilder.h"

#include "ModKerLow/rgnK_Region.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/steps/aif_IntegratedOutputSection.h"

namespace {

// Names are asked from the assembly's scope.
constexpr int kSectionNameScope = 2;

}  // namespace

void aif_IntegratedOutputSectionBuilder::Build() {
  const auto& info = static_cast<const aif_ModelInfo&>(ModelInfo());
  if (info.AnalysisProduct() != 1) return;
  const auto sections = info.ModelAdapter().IntegratedOutputSections().ConstGetMap();
  if (sections.IsEmpty()) return;
  AddAssemblyDefinition(aif_Comment("\nINTEGRATED OUTPUT SECTIONS\n"));
  for (const auto& [name, handle] : sections) {
    const korC_IntegratedOutputSection& section = *handle;
    const cow_String surface =
        aif_RegionName(section.SurfaceRegion(), info).SetName(kSectionNameScope);
    cow_String refNode;
    const rgnC_Region& node = section.RefNodeRegion();
    if (!(node == rgnC_Region()) &&
        rgnK_Region(info.Assembly(), info.ModelName(), node).IsValid(true))
      refNode = aif_RegionName(node, info).QualifiedName(kSectionNameScope);
    aif_CheckWritableName(name, "integrated output section");
    AddAssemblyDefinition(aif_IntegratedOutputSection(name, surface, refNode, section, info));
  }
}
