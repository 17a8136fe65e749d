#include "aif/impl/core/aif_FinalBuilder.h"

#include <set>
#include <string>

#include "ModKerLow/asoF_PartInstance.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RawKeyword.h"

namespace {

constexpr char kFinalBuilderFile[] = "module/aif/impl/aif_FinalBuilder";

}  // namespace

void aif_FinalBuilder::Build() {
  const aif_ModelInfo& info = static_cast<const aif_ModelInfo&>(ModelInfo());
  // The assembly block is closed only where the driver opened it: in a
  // part-based file whose model has the assembly.
  if (info.IsPartBased() && info.Assembly()) {
    const ftr_FeatureList& features = info.Assembly()->ConstGetFeatureList();
    std::set<std::string> partsSeen;
    cow_String lastInstance;
    for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(features)) {
      const asoF_PartInstance& instance = *asoF_Utils::ConstGetPartInstance(features, id);
      AddInstanceDefinition(instance.Name(), aif_RawKeyword("*End Instance"));
      const cow_String& part = instance.GetPartName();
      if (partsSeen.insert(part.Str()).second) {
        AddPartDefinition(part, aif_RawKeyword("*End Part"));
        AddPartDefinition(part, aif_Comment(" "));
      }
      lastInstance = instance.Name();
    }
    if (!lastInstance.IsEmpty()) AddInstanceDefinition(lastInstance, aif_Comment(" "));
    AddAssemblyDefinition(aif_RawKeyword("*End Assembly"));
  }

  const aif_Model& model = info.ModelAdapter();
  const kprC_StepContainer& steps = model.Steps();
  int counted = 0;
  for (const cow_String& name : steps.Keys()) {
    const kprC_Step& step = steps.ConstGet(name);
    if (step.Suppressed()) continue;
    ++counted;
    if (!step.InputSnippet().IsEmpty()) {
      AddStepDefinition(name, aif_Comment("\nSOLVER INPUT SNIPPET\n"));
      AddStepDefinition(name, aif_RawKeyword(step.InputSnippet()));
    }
    if (counted == 1) continue;  // the initial step is not closed
    const auto& analysis =
        nex_canDynamicCastRef<const kprC_AnalysisStep>(step, kFinalBuilderFile, 96);
    const bool substructure = analysis.DynTypeId() == kprC_SubstructureGenerateStep::TypeId();
    cow_String lastLoadCase;
    for (const auto& [loadCase, object] : analysis.LoadCases().ConstGetMap()) {
      // The driver opens no block for an unnamed or suppressed load case.
      if (loadCase.IsEmpty() || object->Suppressed()) continue;
      if (!substructure) AddStepDefinition(name, aif_RawKeyword("*End Load Case"), loadCase);
      lastLoadCase = loadCase;
    }
    AddStepDefinition(name, aif_RawKeyword("*End Step"), lastLoadCase);
  }
}
