#include "aif/impl/core/aif_PartBasedOutput.h"

#include "aif/impl/core/aif_Model.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "PyUtils/pyo_MorvexEnvFile.h"

namespace {
const char* const kPartBasedOutputFile = "module/aif/impl/core/aif_PartBasedOutput.cpp";
}  // namespace

bool aif_PartBasedOutput(const bas_NewModel& hostModel) {
  const aif_Model model(hostModel, cow_String());
  const pyo_MorvexEnvFile& env = pyo_MorvexEnvFile::Instance();
  if (env.Has("cae_no_parts_input_file")) {
    if (env.GetInt("cae_no_parts_input_file") != 0) return false;
  } else if (model.VersionTag() == "v5") {
    return false;
  }

  const mdl_IDRepository<asoK_Assembly>& assemblies = model.Assemblies();
  if (assemblies.Contains("Assembly") &&
      assemblies.ConstGet("Assembly").RequiresFlatInputFile())
    return false;

  const kprC_StepContainer& steps = model.Steps();
  bool initial = true;
  for (const cow_String& name : steps.Keys()) {
    if (initial) {
      initial = false;
      continue;
    }
    const kprC_Step& step = steps.ConstGet(name);
    if (step.Suppressed()) continue;
    const auto& analysis =
        nex_canDynamicCastRef<const kprC_AnalysisStep>(step, kPartBasedOutputFile, __LINE__);
    if (analysis.DynTypeId() == kprC_SubstructureGenerateStep::TypeId()) return false;
  }
  return true;
}
