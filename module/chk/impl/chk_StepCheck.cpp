#include "chk/impl/chk_StepCheck.h"

#include <utility>
#include <vector>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"

namespace {

const char* const kStepCheckFile = "module/chk/impl/chk_StepCheck.cpp";

// The unsuppressed analysis steps after the initial one, in step order, with
// their names.
std::vector<std::pair<cow_String, const kprC_AnalysisStep*>> StepCheckSteps(
    const kprC_StepContainer& steps) {
  std::vector<std::pair<cow_String, const kprC_AnalysisStep*>> walked;
  const cow_List<cow_String>& names = steps.Keys();
  for (std::size_t i = 1; i < names.Length(); ++i) {
    const auto& step = nex_canDynamicCastRef<const kprC_AnalysisStep>(steps.ConstGet(names[i]),
                                                                      kStepCheckFile, __LINE__);
    if (!step.Suppressed()) walked.emplace_back(names[i], &step);
  }
  return walked;
}

template <class Step>
const Step& StepCheckAs(const kprC_AnalysisStep& step) {
  return nex_canDynamicCastRef<const Step>(step, kStepCheckFile, __LINE__);
}

}  // namespace

chk_StepCheck::chk_StepCheck(const bas_NewModel& model, const cow_String& modelName)
    : kut_Check(model, modelName) {}

chk_StepCheck::chk_StepCheck(const chk_StepCheck& other) = default;

chk_StepCheck::~chk_StepCheck() = default;

chk_StepCheck* chk_StepCheck::Clone() const {
  return new chk_StepCheck(*this);
}

void chk_StepCheck::Run() {
  const kprC_StepContainer& container = nex_canDynamicCastRef<const kprC_StepContainer>(
      Model().ConstGetExtension(bas_NewModel::stepCmd), kStepCheckFile, __LINE__);
  const auto steps = StepCheckSteps(container);

  // A frequency range subdivided by eigenfrequency needs the eigenfrequencies
  // of a frequency step before it.
  for (const auto& [name, step] : steps) {
    if (step->DynTypeId() == kprC_FrequencyStep::kTypeId) break;
    if (step->DynTypeId() == kprC_SteadyStateDirectStep::kTypeId &&
        StepCheckAs<kprC_SteadyStateDirectStep>(*step).IntervalEigenfrequency()) {
      ErrorList().Append(atr_TranslateWithArg(
          "Step, %s, has specified a frequency range subdivided by eigenfrequency.\nA Frequency "
          "step must precede this step.",
          name));
      break;
    }
  }

  // Residual modes of a Lanczos extraction need the static linear
  // perturbation step right before.
  unsigned previous = 0;
  for (const auto& [name, step] : steps) {
    if (step->DynTypeId() == kprC_FrequencyStep::kTypeId) {
      const auto& frequency = StepCheckAs<kprC_FrequencyStep>(*step);
      if (frequency.ResidualModes() && frequency.Eigensolver() == 1 &&
          previous != kprC_StaticLinearPerturbationStep::kTypeId) {
        ErrorList().Append(atr_TranslateWithArg(
            "Step, %s, has been specified to include residual modes.\nA Static, Linear "
            "Perturbation step must immediately precede this step.",
            name));
        break;
      }
    }
    previous = step->DynTypeId();
  }

  // Projections at the frequency limits need the latest frequency step to
  // use SIM-based linear dynamics (its SIM setting or the AMS eigensolver).
  bool simSeen = false;
  for (const auto& [name, step] : steps) {
    if (step->DynTypeId() == kprC_FrequencyStep::kTypeId) {
      const auto& frequency = StepCheckAs<kprC_FrequencyStep>(*step);
      simSeen = frequency.Sim() || frequency.Eigensolver() == 2;
    } else if (step->DynTypeId() == kprC_SteadyStateSubspaceStep::kTypeId &&
               StepCheckAs<kprC_SteadyStateSubspaceStep>(*step).Projection() == 4 && !simSeen) {
      ErrorList().Append(atr_TranslateWithArg(
          "Step, %s, has been specified to perform projections at lower and upper\nfrequency "
          "limits.  A Frequency step using SIM-based linear dynamics\nmust precede this step.",
          name));
      break;
    }
  }

  // The leading flow steps may not use the VMS turbulence model.
  for (const auto& [name, step] : steps) {
    if (step->DynTypeId() != kprC_FlowStep::kTypeId) break;
    if (StepCheckAs<kprC_FlowStep>(*step).Turbulence() == 3) {
      ErrorList().Append(
          atr_TranslateWithArg("The VMS turbulence model is not valid at this time (%s).", name));
      break;
    }
  }
}
