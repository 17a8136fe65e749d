// The output request builder's records: the field and history output
// requests that apply to one step, each turned into one or more request
// records (korC_OdbRequest) of a channel, equal records merged under one
// comment name. Field channels also carry one record per remeshing rule of
// the step. Requests that do not apply are dropped without a message.
#include "AFCInputFileWriter/akw_Layup2SecPtMap.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "ModKerLow/rgnF_Utils.h"
#include "ModelDatabase/bas_Mdb.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/korC_OdbRequestTable.h"
#include "OdbAttrEO/kprC_Procedure.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/constraints/aif_AsmbldFastenerBuilder.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/steps/aif_OutputRequestBuilder.h"

namespace {

// A remeshing rule's record writes every increment when the rule asks for
// it, else only at the end of the step (an unreachable increment count).
constexpr int kRecordsRemeshingEveryIncrement = 1;
constexpr int kRecordsRemeshingStepEnd = 99999;

// The record of `request` in a step with `state`: what the request covers
// and the state's frequency values. The frequency kind, the variables and
// the fields of one request kind are set by the caller.
korC_OdbRequest RecordsFillFromRequest(const korC_Output& request, const korC_OutputState& state) {
  korC_OdbRequest record;
  record.domain = request.Domain();
  record.region = request.Region();
  record.boltLoadName = request.BoltLoadName();
  record.interactionNames = request.InteractionNames();
  record.secondName = request.SecondName();
  record.layupNames = request.LayupNames();
  const int rebar = request.RebarMode();
  if (rebar >= 0 && rebar <= 2) record.rebarMode = rebar;
  record.sectionPoints = request.SectionPoints();
  record.filterName = request.FilterName();
  record.integratedOutputSectionName = request.IntegratedOutputSectionName();
  record.globalOutput = request.GlobalOutput();
  record.directions = request.Directions();
  record.frequency = state.Frequency();
  record.numberInterval = state.NumberInterval();
  record.timeInterval = state.TimeInterval();
  record.modeList = state.ModeList();
  record.timeMarks = state.TimeMarks();
  record.timePointsName = state.TimePointsName();
  return record;
}

// Sets the record's variables from `state` (already reconstructed for
// history output): the state's own list in the table's form, else the
// preselected or complete list of the table. Returns false when the request
// asks for nothing: the table's list is empty or the variables kind is
// unknown.
bool RecordsSetVariables(korC_OutputState& state, unsigned procedure, int channelType,
                         bool simulation, int domain, korC_OdbRequest& record) {
  if (!state.Variables().IsEmpty()) {
    state.ConvertVariablesToVariablesSymbol(procedure, false);
    if (!state.Variables().IsEmpty()) {
      record.variables = state.Variables();
      return true;
    }
  }
  const korC_OdbRequestTable& table = thr_ThreadSingleton<korC_OdbRequestTable>::Instance();
  switch (state.VariablesKind()) {
    case korC_PRESELECTED:
      record.variablesKind = korC_PRESELECTED;
      return !table.Defaults(channelType, procedure, simulation, domain, 0).IsEmpty();
    case korC_ALL:
      record.variablesKind = korC_ALL;
      return !table.All(channelType, procedure, domain, 0).IsEmpty();
    default:
      return false;
  }
}

constexpr char kOutputRecordsFile[] = "module/aif/impl/steps/aif_OutputRequestRecords.cpp";

// A request on an assembled fastener (domain 13): `record` names the set
// the assembled-fastener pre-pass writes for the template assembly's set
// `request.FastenerSetSuffix()` (the fastener's prefix, "_" and the set's
// name) and the fastener's template model; `kinds` receives that template
// set's type mask. False drops the request: the fastener is suppressed, its
// template model or that model's assembly is missing, or the template
// assembly has no such set (the request would name a set never written). A
// name that is no assembled fastener leaves the record as it is.
bool RecordsAssembledFastener(const aif_ModelInfo& info, const korC_Output& request,
                              korC_OdbRequest& record, int& kinds) {
  kinds = 0;
  const asoK_Assembly* assembly = info.Assembly();
  if (!assembly || !assembly->EngineeringFeaturesReady()) return true;
  const auto& features = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
      assembly->ConstGetEngineeringFeatures(), kOutputRecordsFile, __LINE__);
  if (!features.Fasteners().Contains(request.FastenerName())) return true;
  const kefC_Fastener& fastener = features.Fasteners().ConstGet(request.FastenerName());
  if (fastener.Suppressed()) return false;
  if (fastener.DynTypeId() != kefC_AssembledFastener::TypeId()) return true;
  const auto& assembled = static_cast<const kefC_AssembledFastener&>(fastener);
  record.fastenerSetName =
      aif_AsmbldFastenerBuilder::AssemblySetName(assembled.prefix, request.FastenerSetSuffix());
  const bas_NewModel* model = bas_Basis::Instance().Fetch().ConstGetModel(assembled.templateModel);
  if (!model) return false;
  const auto& assemblies = nex_canDynamicCastRef<const mdl_IDRepository<asoK_Assembly>>(
      model->ConstGetExtension(bas_NewModel::assyCmd), kOutputRecordsFile, __LINE__);
  if (!assemblies.Contains("Assembly")) return false;
  record.templateModelName = assembled.templateModel;
  const ftr_FeatureList& templateFeatures = assemblies.ConstGet("Assembly").ConstGetFeatureList();
  for (unsigned id : rgnF_Utils::GetRegionIds(templateFeatures, true, false)) {
    const rgnF_Set* set = rgnF_Utils::GetRegion(templateFeatures, id);
    if (set && aif_AsmbldFastenerBuilder::AssemblySetName(assembled.prefix, set->Name()) ==
                   record.fastenerSetName)
      kinds = set->typeMask;
  }
  return kinds != 0;
}

// Whether `request` is written in `stepName` at all.
bool RecordsRequestApplies(const korC_Output& request, const cow_String& stepName) {
  return !request.Suppressed() && korC_Output::IsActive(request.Status(stepName)) &&
         request.Domain() != korC_SKIPPED;
}

}  // namespace

korC_OdbChannel aif_OutputRequestBuilder::CollectFieldRequests(const cow_String& stepName,
                                                               const kprC_AnalysisStep& step,
                                                               cow_List<cow_String>& names) const {
  korC_OdbChannel channel(true);
  const unsigned procedure = step.DynTypeId();
  const aif_Model& model = Info().ModelAdapter();
  for (const auto& [requestName, handle] : model.FieldOutputRequests().ConstGetMap()) {
    const korC_FieldOutput& request = *handle;
    if (!RecordsRequestApplies(request, stepName)) continue;
    korC_FieldOutputState state = request.ConstGetState(stepName);
    korC_OdbRequest record = RecordsFillFromRequest(request, state);
    record.plainOutput = request.PlainOutput();
    record.sensor = false;
    record.sharing = true;
    record.thirdFlag = false;
    SetRequestFrequency(state, step, procedure, true, record);
    if (!RecordsSetVariables(state, procedure, channel.Type(), simulation_, request.Domain(),
                             record))
      continue;
    // Assembled fasteners (domain 13) name the sets their copies define.
    if (request.Domain() == korC_ASSEMBLED_FASTENER) {
      int kinds = 0;
      if (!RecordsAssembledFastener(Info(), request, record, kinds)) continue;
      fastenerSetKinds_.Set(record.fastenerSetName, kinds);
    }
    switch (request.Domain()) {
      case korC_LAYUP:
        AddLayupRequests(record, requestName, names, request, channel);
        break;
      case korC_SUBSTRUCTURE: {
        int number = 0;
        for (const cow_String& entry : request.SubstructureEntries()) {
          korC_OdbRequest entryRecord = record;
          entryRecord.instanceName = entry;
          AddRequestRecord(entryRecord, requestName + "-" + cow_String(std::to_string(++number)),
                           names, channel);
        }
        break;
      }
      default:
        AddRequestRecord(record, requestName, names, channel);
    }
  }

  if (!remeshingSteps_.IsMember(stepName)) return channel;
  for (const auto& [ruleName, handle] : model.RemeshingRules().ConstGetMap()) {
    const karC_RemeshingRule& rule = *handle;
    if (rule.StepName() != stepName || rule.Suppressed() || !rule.HasSizingMethod()) continue;
    korC_OdbRequest record;
    // The rule's region, named like any region request's.
    record.domain = korC_REGION;
    record.region = rule.Region();
    record.variables = rule.GetFullVariableList();
    record.variables.Append(cow_String("EVOL"));
    record.frequencyType = korC_OdbRequest::FREQUENCY;
    record.frequency =
        rule.OutputFrequency() ? kRecordsRemeshingEveryIncrement : kRecordsRemeshingStepEnd;
    record.timeInterval = 0.0;
    record.numberInterval = 0;
    record.rebarMode = 0;
    record.plainOutput = false;
    record.sensor = false;
    record.sharing = true;
    record.thirdFlag = false;
    record.timeMarks = !kprC_IsExplicit(procedure);
    cow_String name = cow_String(" from REMESHING RULE: ") + ruleName;
    if (!rule.Description().IsEmpty()) name += cow_String("\n") + rule.Description();
    AddRequestRecord(record, name, names, channel);
  }
  return channel;
}

korC_OdbChannel aif_OutputRequestBuilder::CollectHistoryRequests(
    const cow_String& stepName, const kprC_AnalysisStep& step, cow_List<cow_String>& names) const {
  korC_OdbChannel channel(false);
  const unsigned procedure = step.DynTypeId();
  for (const auto& [requestName, handle] :
       Info().ModelAdapter().HistoryOutputRequests().ConstGetMap()) {
    const korC_HistoryOutput& request = *handle;
    if (!RecordsRequestApplies(request, stepName)) continue;
    korC_HistoryOutputState state = request.ConstGetState(stepName);
    korC_OdbRequest record = RecordsFillFromRequest(request, state);
    record.instanceName = request.InstanceName();
    record.springDashpotNames = request.SpringDashpotNames();
    record.sensor = request.Sensor();
    record.sharing = request.Sharing();
    record.thirdFlag = request.ThirdFlag();
    SetRequestFrequency(state, step, procedure, false, record);
    state.ReconstructVariables(procedure);
    if (!RecordsSetVariables(state, procedure, channel.Type(), simulation_, request.Domain(),
                             record))
      continue;
    // Assembled fasteners (domain 13): as for field output. A substructure
    // request is one record: its instance names the one substructure.
    if (request.Domain() == korC_ASSEMBLED_FASTENER) {
      int kinds = 0;
      if (!RecordsAssembledFastener(Info(), request, record, kinds)) continue;
      fastenerSetKinds_.Set(record.fastenerSetName, kinds);
    }
    if (request.Domain() == korC_LAYUP)
      AddLayupRequests(record, requestName, names, request, channel);
    else
      AddRequestRecord(record, requestName, names, channel);
  }
  return channel;
}

void aif_OutputRequestBuilder::SetRequestFrequency(const korC_OutputState& state,
                                                   const kprC_AnalysisStep& step,
                                                   unsigned procedure, bool field,
                                                   korC_OdbRequest& record) {
  const korC_TypeEnm kind = state.FrequencyKind();
  if (kind == korC_FREQUENCY && kprC_OutputFrequencyIsAllowed(procedure, field)) {
    record.frequencyType = korC_OdbRequest::FREQUENCY;
  } else if (kind == korC_NUMBER_INTERVAL && kprC_NumberIntervalIsAllowed(step)) {
    record.frequencyType = korC_OdbRequest::NUMBER_INTERVAL;
  } else if (kind == korC_TIME_INTERVAL && kprC_TimeIntervalIsAllowed(procedure)) {
    record.frequencyType = korC_OdbRequest::TIME_INTERVAL;
  } else if (kind == korC_TIME_POINTS && kprC_TimePointIsAllowed(procedure, field)) {
    record.frequencyType = korC_OdbRequest::TIME_POINTS;
  } else if (kind == korC_MODES && kprC_ModesIsAllowed(procedure)) {
    record.frequencyType = korC_OdbRequest::MODE_LIST;
  } else {
    // The kind is the field default's; the value comes from the default of
    // the record's own channel.
    const korC_FieldOutputState fieldDefault(procedure);
    const korC_HistoryOutputState historyDefault(procedure);
    const korC_OutputState& values =
        field ? static_cast<const korC_OutputState&>(fieldDefault) : historyDefault;
    switch (fieldDefault.FrequencyKind()) {
      case korC_FREQUENCY:
        record.frequencyType = korC_OdbRequest::FREQUENCY;
        record.frequency = values.Frequency();
        break;
      case korC_NUMBER_INTERVAL:
        record.frequencyType = korC_OdbRequest::NUMBER_INTERVAL;
        record.numberInterval = values.NumberInterval();
        break;
      case korC_TIME_INTERVAL:
        record.frequencyType = korC_OdbRequest::TIME_INTERVAL;
        record.timeInterval = values.TimeInterval();
        break;
      case korC_MODES:
        record.frequencyType = korC_OdbRequest::MODE_LIST;
        record.modeList = values.ModeList();
        break;
      case korC_TIME_POINTS:
        record.frequencyType = korC_OdbRequest::TIME_POINTS;
        record.timePointsName = values.TimePointsName();
        break;
      case korC_NO_FREQUENCY:
        break;
    }
  }
}

void aif_OutputRequestBuilder::AddRequestRecord(const korC_OdbRequest& record,
                                                const cow_String& name, cow_List<cow_String>& names,
                                                korC_OdbChannel& channel) {
  if (!record.sensor) {
    const long long held = channel.Requests().IndexOf(record);
    if (held >= 0) {
      cow_String& merged = names.Modify(static_cast<std::size_t>(held));
      merged = merged + ", " + name;
      return;
    }
  }
  names.Append(name);
  channel.MutableRequests().Append(record);
}

void aif_OutputRequestBuilder::AddLayupRequests(const korC_OdbRequest& record,
                                                const cow_String& requestName,
                                                cow_List<cow_String>& names,
                                                const korC_Output& request,
                                                korC_OdbChannel& channel) const {
  int selection = akw_Layup2SecPtMap::kWholeSection;
  if (request.LayupMode() == 1)
    selection = (request.PlyBottom() ? akw_Layup2SecPtMap::kBottom : 0) +
                (request.PlyMiddle() ? akw_Layup2SecPtMap::kMiddle : 0) +
                (request.PlyTop() ? akw_Layup2SecPtMap::kTop : 0);
  for (const cow_String& layupName : request.LayupNames()) {
    cow_String prefix, layup;
    aif_SplitQualifiedName(layupName, prefix, layup);
    for (const akw_Layup2SecPtMap::ElsetPoints& entry :
         Info().LayupData().ElsetsAndSectionPoints(layup, prefix, selection)) {
      korC_OdbRequest layupRecord = record;
      // The set as written: reached through its instance, or, in a flat
      // file, a set of the assembly whose name carries the instance already.
      layupRecord.region = Info().IsPartBased()
                               ? rgnC_Region(entry.elset, {cow_String("Assembly"), entry.instance})
                               : rgnC_Region(entry.elset, {cow_String("Assembly")});
      if (request.LayupMode() != 2) layupRecord.sectionPoints = entry.points;
      AddRequestRecord(layupRecord, requestName, names, channel);
    }
  }
}
