#include "aif/impl/sections/aif_EulerianSectionStep.h"

#include <string>

#include "OdbAttrEO/kseC_OtherSections.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/model/aif_Surface.h"
#include "aif/impl/sections/aif_EulerianSection.h"
#include "aif/impl/sections/aif_HourglassStiffness.h"
#include "aif/impl/sections/aif_InstanceScope.h"
#include "aif/impl/sections/aif_PartAttributesFiler.h"
#include "aif/impl/sections/aif_PartAttributesState.h"

namespace {

constexpr const char* kEulerianSectionStepFile = aif_PartAttributesState::kSourceFile;

}  // namespace

void aif_EulerianSectionStep::Add(const aif_InstanceScope& scope, bool partLevel,
                                  const cow_String& setName, const kseC_Section& section,
                                  const cow_String& controls, const bme_ElemCtrlParams& params) {
  const aif_ModelInfo& info = state_.info;
  const auto& eulerian = nex_canDynamicCastRef<const kseC_EulerianSection>(
      section, kEulerianSectionStepFile, __LINE__);
  filer_.ToScope(scope, partLevel,
                 aif_EulerianSection(setName, section, cow_String(), controls, scope.name, &info));
  filer_.ToScope(scope, partLevel, aif_HourglassStiffness(params));
  for (const auto& entry : eulerian.materialInstances) {
    if (!scope.flat) {
      if (state_.partSurfaces.insert((scope.partName + "\n" + entry.first).Str()).second)
        filer_.ToPart(scope.partName, aif_Surface(aif_PrintableName(entry.first)));
    } else {
      std::string name = (scope.name + "." + entry.first).Str();
      for (char& c : name)
        if (c == '.') c = '_';
      filer_.ToInstance(scope.name, aif_Surface(aif_PrintableName(cow_String(name))));
    }
  }
}
