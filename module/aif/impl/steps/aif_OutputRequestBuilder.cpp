#include "aif/impl/steps/aif_OutputRequestBuilder.h"

#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "OdbAttrEO/kprC_Procedure.h"
#include "OdbAttrEO/kprC_StepRequests.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/steps/aif_CTDControls.h"
#include "aif/impl/steps/aif_CTEControls.h"
#include "aif/impl/steps/aif_DiagnosticPrint.h"
#include "aif/impl/steps/aif_DirectCyclicControls.h"
#include "aif/impl/steps/aif_ElectricalControls.h"
#include "aif/impl/steps/aif_HeatTransferControls.h"
#include "aif/impl/steps/aif_MassDiffusionControls.h"
#include "aif/impl/steps/aif_Monitor.h"
#include "aif/impl/steps/aif_PoreControls.h"
#include "aif/impl/steps/aif_Restart.h"
#include "aif/impl/steps/aif_SolverControls.h"
#include "aif/impl/steps/aif_TypicalControls.h"

namespace {

constexpr char kOutputRequestBuilderFile[] = "module/aif/impl/steps/aif_OutputRequestBuilder.cpp";

// Whether the request's bolt load or interaction still stands, for the two
// domains that depend on one; true for every other domain.
bool OutputRequestTargetExists(const aif_Model& model, const korC_Output& request) {
  if (request.Domain() == korC_BOLT_LOAD) {
    const auto& loads = model.Loads();
    if (!loads.Contains(request.BoltLoadName())) return false;
    const kloC_Load& load = loads.ConstGet(request.BoltLoadName());
    return load.DynTypeId() == kloC_BoltLoad::TypeId() && !load.Suppressed();
  }
  if (request.Domain() == korC_INTERACTION) {
    if (request.InteractionNames().IsEmpty()) return false;
    const auto& interactions = model.Interactions();
    const cow_String& name = request.InteractionNames()[0];
    return interactions.Contains(name) && !interactions.ConstGet(name).Suppressed();
  }
  return true;
}

// Pairs a kernel controls class with its keyword.
template <class K, class W>
struct ControlsPair {
  using Kernel = K;
  using Keyword = W;
};

}  // namespace

aif_ModelInfo& aif_OutputRequestBuilder::Info() const {
  return static_cast<aif_ModelInfo&>(ModelInfo());
}

aif_OutputRequestBuilder::aif_OutputRequestBuilder(akw_ModelInfo& modelInfo)
    : akw_BuilderComponent(modelInfo) {
  const aif_ModelInfo& info = Info();
  for (const auto& [name, rule] : info.ModelAdapter().RemeshingRules().ConstGetMap())
    if (!rule->Suppressed()) remeshingSteps_.AppendUnlessMember(rule->StepName());
  // "Instance.word"; a name without a dot is an instance recovering nothing.
  for (const cow_String& set :
       asoK_GetSubstructureRecoverySetNames(info.Assembly(), info.ModelName())) {
    const bool dotted = set.View().find('.') != std::string_view::npos;
    recoverySets_.Modify(EntryInstance(set)).Append(dotted ? EntryLast(set) : cow_String());
  }
}

bool aif_OutputRequestBuilder::StepHasFieldOutput(const cow_String& stepName) const {
  const aif_Model& model = Info().ModelAdapter();
  for (const auto& [name, request] : model.FieldOutputRequests().ConstGetMap())
    if (request->HasStep(stepName) && OutputRequestTargetExists(model, *request)) return true;
  return remeshingSteps_.IsMember(stepName);
}

bool aif_OutputRequestBuilder::StepHasHistoryOutput(const cow_String& stepName) const {
  const aif_Model& model = Info().ModelAdapter();
  for (const auto& [name, request] : model.HistoryOutputRequests().ConstGetMap())
    if (request->HasStep(stepName) && OutputRequestTargetExists(model, *request)) {
      if (request->Domain() != korC_SPRINGS) return true;
      // Springs and dashpots: the first one named must exist.
      const cow_List<cow_String>& springs = request->SpringDashpotNames();
      if (!springs.IsEmpty() && SpringDashpotInfo(Info(), springs[0]).found) return true;
    }
  return false;
}

void aif_OutputRequestBuilder::Build() {
  simulation_ = false;
  carriedPrint_ = cow_COW<kprC_DiagnosticPrint>();
  boltSets_.Clear();
  filterWarnings_.Clear();
  const aif_ModelInfo& info = Info();
  const kprC_StepContainer& steps = info.ModelAdapter().Steps();
  const cow_List<cow_String>& names = steps.Keys();
  for (std::size_t i = 1; i < names.Length(); ++i) {
    const cow_String& name = names[i];
    const auto& step = nex_canDynamicCastRef<const kprC_AnalysisStep>(
        steps.ConstGet(name), kOutputRequestBuilderFile, __LINE__);
    if (!step.Suppressed() && step.SimBased()) simulation_ = true;
    AddStepControls(name, step);
    AddSolverControls(name, step);

    cow_String monitorName;
    if (!step.Monitor().IsNull() &&
        rgnK_Region(info.Assembly(), info.ModelName(), step.Monitor()->Region()).IsValid(true))
      monitorName = aif_RegionName(step.Monitor()->Region(), info).QualifiedName(2);
    const bool field = StepHasFieldOutput(name);
    bool history = true;
    for (const auto& [caseName, loadCase] : step.LoadCases().ConstGetMap())
      if (!loadCase->Suppressed()) history = false;
    history = history && StepHasHistoryOutput(name);
    if (field || history || !step.Restart().IsNull() || !step.DiagnosticPrint().IsNull() ||
        !monitorName.IsEmpty())
      AddStepDefinition(name, aif_Comment("\nOUTPUT REQUESTS\n"));
    AddRestartPrintMonitor(name, step, monitorName);

    const unsigned procedure = step.DynTypeId();
    const double period = kprC_IsExplicit(procedure) ? step.TimePeriod() : 0.0;
    cow_List<cow_String> fieldNames;
    const korC_OdbChannel fieldChannel =
        field ? CollectFieldRequests(name, step, fieldNames) : korC_OdbChannel(true);
    WriteRequestChannel(fieldChannel, name, period, procedure, fieldNames);
    cow_List<cow_String> historyNames;
    const korC_OdbChannel historyChannel =
        history ? CollectHistoryRequests(name, step, historyNames) : korC_OdbChannel(false);
    WriteRequestChannel(historyChannel, name, period, procedure, historyNames);
  }
}

void aif_OutputRequestBuilder::AddStepControls(const cow_String& stepName,
                                               const kprC_AnalysisStep& step) {
  if (step.Controls().IsNull()) return;
  const kprC_Controls& controls = *step.Controls();
  if (!controls.LeaveOut()) AddStepDefinition(stepName, aif_Comment("\nCONTROLS\n"));
  const bool technique = step.SolutionTechnique() == 2;
  auto add = [&](auto tag) {
    using Kernel = typename decltype(tag)::Kernel;
    using Keyword = typename decltype(tag)::Keyword;
    AddStepDefinition(stepName, Keyword(nex_canDynamicCastRef<const Kernel>(
                                            controls, kOutputRequestBuilderFile, __LINE__),
                                        technique));
  };
  const unsigned type = controls.DynTypeId();
  if (type == kprC_TypicalControls::TypeId())
    add(ControlsPair<kprC_TypicalControls, aif_TypicalControls>());
  else if (type == kprC_HeatTransferControls::TypeId())
    add(ControlsPair<kprC_HeatTransferControls, aif_HeatTransferControls>());
  else if (type == kprC_MassDiffusionControls::TypeId())
    add(ControlsPair<kprC_MassDiffusionControls, aif_MassDiffusionControls>());
  else if (type == kprC_CTEControls::TypeId())
    add(ControlsPair<kprC_CTEControls, aif_CTEControls>());
  else if (type == kprC_CTDControls::TypeId())
    add(ControlsPair<kprC_CTDControls, aif_CTDControls>());
  else if (type == kprC_PoreControls::TypeId())
    add(ControlsPair<kprC_PoreControls, aif_PoreControls>());
  else if (type == kprC_ElectricalControls::TypeId())
    add(ControlsPair<kprC_ElectricalControls, aif_ElectricalControls>());
  else if (type == kprC_DirectCyclicControls::TypeId())
    add(ControlsPair<kprC_DirectCyclicControls, aif_DirectCyclicControls>());
}

void aif_OutputRequestBuilder::AddSolverControls(const cow_String& stepName,
                                                 const kprC_AnalysisStep& step) {
  if (step.LinearCtrl().IsNull()) return;
  if (!step.LinearCtrl()->LeaveOut())
    AddStepDefinition(stepName, aif_Comment("\nSOLVER CONTROLS\n"));
  AddStepDefinition(stepName, aif_SolverControls(*step.LinearCtrl()));
}

void aif_OutputRequestBuilder::AddRestartPrintMonitor(const cow_String& stepName,
                                                      const kprC_AnalysisStep& step,
                                                      const cow_String& monitorName) {
  if (!step.Restart().IsNull() && step.DynTypeId() != kprC_SubstructureGenerateStep::TypeId())
    AddStepDefinition(stepName, aif_Restart(*step.Restart()));
  if (!step.Suppressed()) {
    // The first unsuppressed step compares with the default print.
    if (carriedPrint_.IsNull()) {
      if (step.Explicit())
        carriedPrint_ = cow_COW<kprC_DiagnosticPrint>(new kprC_ExplicitDiagnosticPrint());
      else
        carriedPrint_ = cow_COW<kprC_DiagnosticPrint>(new kprC_StandardDiagnosticPrint());
    }
    if (!step.DiagnosticPrint().IsNull()) {
      const kprC_DiagnosticPrint& print = *step.DiagnosticPrint();
      AddStepDefinition(stepName, aif_DiagnosticPrint(step.DiagnosticPrint(), carriedPrint_));
      if (print.IsPerturbation()) {
        const auto& perturbation = nex_canDynamicCastRef<const kprC_PerturbationDiagnosticPrint>(
            print, kOutputRequestBuilderFile, __LINE__);
        auto& standard = nex_canDynamicCastRef<kprC_StandardDiagnosticPrint>(
            carriedPrint_.Modify(), kOutputRequestBuilderFile, __LINE__);
        // Only what a perturbation print sets changes; the general
        // settings stay for the next general step.
        standard.SetFrequency(perturbation.Frequency());
        standard.SetSolve(perturbation.Solve());
      } else {
        carriedPrint_ = cow_COW<kprC_DiagnosticPrint>(print);
      }
    }
  }
  if (!monitorName.IsEmpty()) AddStepDefinition(stepName, aif_Monitor(step.Monitor(), monitorName));
}
