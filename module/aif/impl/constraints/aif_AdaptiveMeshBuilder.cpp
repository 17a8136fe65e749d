#include "aif/impl/constraints/aif_AdaptiveMeshBuilder.h"

#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kadC_AdptMesh.h"
#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/constraints/aif_AdaptiveMesh.h"
#include "aif/impl/constraints/aif_AdaptiveMeshControls.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"

namespace {

constexpr char kAdaptiveMeshBuilderFile[] =
    "module/aif/impl/constraints/aif_AdaptiveMeshBuilder.cpp";

const kprC_AnalysisStep& AdaptiveMeshAnalysisStep(const kprC_StepContainer& steps,
                                                  const cow_String& name) {
  return nex_canDynamicCastRef<const kprC_AnalysisStep>(steps.ConstGet(name),
                                                        kAdaptiveMeshBuilderFile, __LINE__);
}

}  // namespace

aif_AdaptiveMeshBuilder::aif_AdaptiveMeshBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo) {}

aif_ModelInfo& aif_AdaptiveMeshBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

void aif_AdaptiveMeshBuilder::Build() {
  const aif_Model& model = Info().ModelAdapter();
  const cow_String& first = model.FirstAnalysisStepName();
  if (first.IsEmpty()) return;
  const kprC_StepContainer& steps = model.Steps();

  const bool firstExplicit = AdaptiveMeshAnalysisStep(steps, first).Explicit();
  for (const auto& [name, controls] : model.AdaptiveMeshControls().ConstGetMap())
    AddStepDefinition(first, aif_AdaptiveMeshControls(name, *controls, firstExplicit));

  bool previousHadDomains = false;
  bool reached = false;
  for (const cow_String& stepName : steps.Keys()) {
    reached = reached || stepName == first;
    if (!reached) continue;
    const kprC_Step& step = steps.ConstGet(stepName);
    if (step.Suppressed()) continue;
    const kprC_AnalysisStep& analysis = AdaptiveMeshAnalysisStep(steps, stepName);
    const bool hasDomains = AddDomains(stepName, analysis);
    if (previousHadDomains && !hasDomains)
      AddStepDefinition(stepName, aif_AdaptiveMesh(true, analysis.Explicit()));
    previousHadDomains = hasDomains;
  }
}

bool aif_AdaptiveMeshBuilder::AddDomains(const cow_String& stepName,
                                         const kprC_AnalysisStep& step) {
  aif_ModelInfo& info = Info();
  bool filed = false;
  for (const auto& entry : step.AdaptiveMeshDomains().ConstGetMap()) {
    const kadC_AdptMeshDomain& domain = *entry.second;
    if (!rgnK_Region(info.Assembly(), info.ModelName(), domain.Region()).IsValid(true)) continue;
    AddStepDefinition(
        stepName, aif_AdaptiveMesh(domain, aif_RegionName(domain.Region(), info).QualifiedName(2),
                                   step.Explicit()));
    filed = true;
  }
  return filed;
}
