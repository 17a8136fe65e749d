// The records of one channel of a step turned into keywords: a comment per
// record, "*Output" and the variable keywords of each record, a substructure
// path around the records of a substructure, the default "*Output" where the
// channel asks for nothing.
#include <string>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "AttributesIntObj/asoK_Assembly.h"
#include "BasShared/atr_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "ModKerLow/rgnF_Set.h"
#include "ModKerLow/rgnK_Region.h"
#include "OdbAttrEO/kefC_EngineeringFeatures.h"
#include "OdbAttrEO/korC_OdbRequestTable.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "OdbAttrEO/kprC_Procedure.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/thr_ThreadSingleton.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/impl/core/aif_NameRoutines.h"
#include "aif/impl/core/aif_RegionName.h"
#include "aif/impl/loads/aif_PreTensionSection.h"
#include "aif/impl/model/aif_Elset.h"
#include "aif/impl/sections/aif_FastenerPfName.h"
#include "aif/impl/steps/aif_ContactOutput.h"
#include "aif/impl/steps/aif_ElementOutput.h"
#include "aif/impl/steps/aif_EnergyOutput.h"
#include "aif/impl/steps/aif_FastenerSetOutput.h"
#include "aif/impl/steps/aif_IncrementationOutput.h"
#include "aif/impl/steps/aif_IntegratedOutput.h"
#include "aif/impl/steps/aif_ModalOutput.h"
#include "aif/impl/steps/aif_NodeOutput.h"
#include "aif/impl/steps/aif_Output.h"
#include "aif/impl/steps/aif_OutputRequestBuilder.h"
#include "aif/impl/steps/aif_RadiationOutput.h"
#include "aif/impl/steps/aif_SubstructurePath.h"

namespace {

constexpr char kOutputRequestKeywordsFile[] = "module/aif/impl/steps/aif_OutputRequestKeywords.cpp";
// The region kernel's id for members of every instance of the assembly.
constexpr int kOutputRequestAssemblyId = 1000;

bool IsEntireSubstructure(const cow_String& entry) {
  return aif_OutputRequestBuilder::EntryLast(entry) == atr_Translate("Entire Substructure");
}

// A region kind that names elements only: bit 1 without bits 0 and 2.
bool OutputRegionKindWithoutNodes(int kind) {
  return (kind & (1 << 1)) != 0 && (kind & ((1 << 0) | (1 << 2))) == 0;
}

}  // namespace

aif_OutputRequestBuilder::SpringDashpot aif_OutputRequestBuilder::SpringDashpotInfo(
    const aif_ModelInfo& info, const cow_String& name) {
  SpringDashpot result;
  const asoK_Assembly* assembly = info.Assembly();
  if (!assembly || name.IsEmpty()) return result;
  auto look = [&](const kern_Object& object, const cow_String& feature) {
    const auto& features = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
        object, kOutputRequestKeywordsFile, __LINE__);
    for (const auto& spring : features.Springs())
      if (spring->Name() == feature) {
        result.found = true;
        result.springs = spring->HasSpring();
        result.dashpots = spring->HasDashpot();
        return true;
      }
    return false;
  };
  if (look(assembly->ConstGetEngineeringFeatures(), name)) {
    result.base = name;
    return result;
  }
  // "Instance.feature": the feature of the part the instance is made from.
  const std::string text = name.Str();
  const std::size_t dot = text.find('.');
  if (dot == std::string::npos) return result;
  const cow_String instance(text.substr(0, dot));
  const cow_String feature(text.substr(dot + 1));
  const ftr_FeatureList& list = assembly->ConstGetFeatureList();
  for (unsigned id : ftr_Accessor<asoF_PartInstance>::GetActiveIdsForSimulation(list)) {
    const asoF_PartInstance* part = asoF_Utils::ConstGetPartInstance(list, id);
    if (!part || part->Name() != instance) continue;
    if (look(asoK_Assembly::GetOriginalPart(*part).ConstGetEngineeringFeatures(), feature))
      result.instance = instance, result.base = feature;
    break;
  }
  return result;
}

void aif_OutputRequestBuilder::ClearPending() {
  pendingOutput_.Clear();
  pendingOutputSteps_.Clear();
  pendingBlocks_.Clear();
  pendingBlockSteps_.Clear();
}

namespace {

// The "*Output" keyword of `record` by its frequency kind.
aif_Output MakeOutputKeyword(const korC_OdbRequest& record, const korC_OdbChannel& channel,
                             bool preselected, bool all, double timePeriod, unsigned procedure) {
  const cow_String sensor =
      record.sensor && !preselected && !all ? record.commentName : cow_String();
  // Names the file cannot carry stop the write rather than break the line.
  if (!record.filterName.IsEmpty()) aif_CheckWritableName(record.filterName, "filter");
  if (!sensor.IsEmpty()) aif_CheckWritableName(sensor, "sensor");
  if (record.frequencyType == korC_OdbRequest::TIME_POINTS && !record.timePointsName.IsEmpty())
    aif_CheckWritableName(record.timePointsName, "time points");
  const omu_PrimEnum<korC_OdbRequest::TypeEnm, 1> kind(record.frequencyType);
  switch (record.frequencyType) {
    case korC_OdbRequest::FREQUENCY:
      return aif_Output(channel, kind, record.frequency, preselected, all, procedure,
                        record.filterName, sensor);
    case korC_OdbRequest::NUMBER_INTERVAL:
      return aif_Output(channel, kind, record.numberInterval, record.timeMarks, preselected, all,
                        timePeriod, procedure, record.filterName, sensor);
    case korC_OdbRequest::TIME_INTERVAL:
      return aif_Output(channel, kind, record.timeInterval, record.timeMarks, preselected, all,
                        procedure, record.filterName, sensor);
    case korC_OdbRequest::MODE_LIST:
      return aif_Output(channel, kind, record.modeList, preselected, all, procedure,
                        record.filterName, sensor);
    default:
      return aif_Output(channel, kind, record.timePointsName, record.timeMarks, preselected, all,
                        procedure, record.filterName, sensor);
  }
}

// Whether `record` needs an "*Output" of its own rather than following the
// previous record's. A record of a substructure always opens its own inside
// its path: the "*Output" before it stands outside.
bool NeedsNewOutputKeyword(const korC_OdbRequest& previous, const korC_OdbRequest& record,
                           bool noOutputYet, bool all, bool preselected) {
  return noOutputYet || all || preselected || !record.instanceName.IsEmpty() ||
         record.variablesKind == 1 || record.variablesKind == 2 ||
         !korC_OdbRequest::EqualFrequency(previous, record) ||
         previous.filterName != record.filterName || !previous.sharing || !record.sharing ||
         !previous.instanceName.IsEmpty() || previous.sensor || record.sensor;
}

}  // namespace

bool aif_OutputRequestBuilder::FilterDefined(const korC_OdbRequest& record, bool field) {
  const aif_ModelInfo& info = Info();
  // Filters are written for the explicit product only.
  if (info.AnalysisProduct() == 1 && info.ModelAdapter().Filters().Contains(record.filterName))
    return true;
  const atr_String warning = atr_TranslateFormat(
      field ? "Field output %s: the filter %s is not defined in the input file; the output is "
              "written without a filter."
            : "History output %s: the filter %s is not defined in the input file; the output is "
              "written without a filter.",
      record.commentName, record.filterName);
  // Once per write, however many steps the request is written in.
  if (filterWarnings_.AppendUnlessMember(warning))
    ajbC_CheckingMessages::Instance().Warnings().Append(warning);
  return false;
}

void aif_OutputRequestBuilder::WriteDefaultOutput(const korC_OdbChannel& channel,
                                                  const cow_String& stepName, double timePeriod,
                                                  unsigned procedure, bool preselected) {
  korC_OdbRequest record;
  if (channel.IsField()) {
    if (kprC_ModesIsAllowed(procedure)) {
      record.frequencyType = korC_OdbRequest::MODE_LIST;
      AddStepDefinition(
          stepName, MakeOutputKeyword(record, channel, preselected, false, timePeriod, procedure));
      AddStepDefinition(
          stepName, aif_NodeOutput(channel, record, procedure, cow_String(), false, false, false));
      return;
    }
    record.frequencyType =
        kprC_IsExplicit(procedure) ? korC_OdbRequest::NUMBER_INTERVAL : korC_OdbRequest::FREQUENCY;
  } else {
    if (kprC_IsFrequencyBuckle(procedure)) return;
    record.frequencyType = korC_OdbRequest::FREQUENCY;
  }
  AddStepDefinition(stepName,
                    MakeOutputKeyword(record, channel, preselected, false, timePeriod, procedure));
}

void aif_OutputRequestBuilder::FlushPendingKeywords(bool last, const korC_OdbChannel& channel,
                                                    const cow_String& stepName, double timePeriod,
                                                    unsigned procedure, bool preselected) {
  if (!pendingOutput_.IsEmpty()) {
    // An "*Output" that no block keyword follows is not written.
    if (!pendingBlocks_.IsEmpty())
      AddStepDefinition(pendingOutputSteps_[0], pendingOutput_[0]);
    else if (last)
      WriteDefaultOutput(channel, stepName, timePeriod, procedure, preselected);
  }
  for (std::size_t i = 0; i < pendingBlocks_.Length(); ++i)
    AddStepDefinition(pendingBlockSteps_[i], pendingBlocks_[i]);
  ClearPending();
}

cow_String aif_OutputRequestBuilder::EntryInstance(const cow_String& entry) {
  const std::string text = entry.Str();
  const std::size_t dot = text.rfind('.');
  return cow_String(dot == std::string::npos ? text : text.substr(0, dot));
}

cow_String aif_OutputRequestBuilder::EntryLast(const cow_String& entry) {
  const std::string text = entry.Str();
  const std::size_t dot = text.rfind('.');
  return cow_String(dot == std::string::npos ? text : text.substr(dot + 1));
}

bool aif_OutputRequestBuilder::RecoveryHolds(const cow_String& entry, const char* word) const {
  const cow_List<cow_String>* words = recoverySets_.Find(EntryInstance(entry));
  return words && (words->IsMember(word) || words->IsMember("all"));
}

bool aif_OutputRequestBuilder::RegionHasNodes(const korC_OdbRequest& record) const {
  if (record.domain == korC_SUBSTRUCTURE) return RecoveryHolds(record.instanceName, "node");
  if (record.domain == korC_ASSEMBLED_FASTENER) {
    const int* kinds = fastenerSetKinds_.Find(record.fastenerSetName);
    return kinds && (*kinds & (rgnF_Set::kGeometrySet | rgnF_Set::kNodeSet)) != 0;
  }
  const aif_ModelInfo& info = Info();
  const rgnK_Region region(info.Assembly(), info.ModelName(), record.region);
  const int kind = record.region.Flags();
  if ((kind & (1 << 3)) != 0 || !region.IsValid(true)) return true;
  return !OutputRegionKindWithoutNodes(kind);
}

bool aif_OutputRequestBuilder::RegionHasElements(const korC_OdbRequest& record) const {
  if (record.domain == korC_SUBSTRUCTURE) return RecoveryHolds(record.instanceName, "elem");
  if (record.domain == korC_ASSEMBLED_FASTENER) {
    const int* kinds = fastenerSetKinds_.Find(record.fastenerSetName);
    return kinds && (*kinds & (rgnF_Set::kGeometrySet | rgnF_Set::kElementSet)) != 0;
  }
  const aif_ModelInfo& info = Info();
  const rgnK_Region region(info.Assembly(), info.ModelName(), record.region);
  const int kind = record.region.Flags();
  if ((kind & (1 << 3)) != 0 || !region.IsValid(true)) return true;
  return !(region.IsPointSet() && (kind & (1 << 1)) == 0);
}

aif_OutputRequestBuilder::RegionNames aif_OutputRequestBuilder::RequestRegionNames(
    const korC_OdbRequest& record, const cow_String& stepName) {
  aif_ModelInfo& info = Info();
  RegionNames names;
  switch (record.domain) {
    case korC_REGION:
    case korC_LAYUP:
    case korC_GENERAL_REGION:
    case korC_OTHER_REGION:
      names.region = aif_RegionName(record.region, info).QualifiedName(2);
      break;
    case korC_BOLT_LOAD:
      BoltLoadRegion(record, stepName, names);
      break;
    case korC_FASTENER:
      names.region = FastenerRegionName(record.secondName);
      break;
    case korC_CONTACT:
      names.contactName = !aif_RegionName(record.region, info).QualifiedName(2).IsEmpty();
      break;
    case korC_INTERACTION:
      if (!record.interactionNames.IsEmpty()) names.region = record.interactionNames[0];
      break;
    case korC_SPRINGS: {
      if (record.springDashpotNames.IsEmpty()) break;
      const SpringDashpot spring = SpringDashpotInfo(info, record.springDashpotNames[0]);
      if (!spring.found) break;
      // Named as the spring builder names the sets: in a flat file an
      // instance's sets carry the instance's name.
      auto set = [&](const char* suffix) {
        const cow_String last = spring.base + suffix;
        if (spring.instance.IsEmpty()) return aif_PrintableComponent(last);
        return info.IsPartBased() ? aif_QualifiedName({spring.instance, last})
                                  : aif_PrintableComponent(spring.instance + "_" + last);
      };
      if (spring.dashpots) {
        names.region = set("-dashpot");
        if (spring.springs) names.second = set("-spring");
      } else if (spring.springs) {
        names.region = set("-spring");
      }
      break;
    }
    case korC_SUBSTRUCTURE:
      if (!IsEntireSubstructure(record.instanceName)) names.region = EntryLast(record.instanceName);
      break;
    case korC_ASSEMBLED_FASTENER:
      names.region = record.fastenerSetName;
      break;
    default:
      break;
  }
  return names;
}

cow_String aif_OutputRequestBuilder::FastenerRegionName(const cow_String& name) const {
  const aif_ModelInfo& info = Info();
  if (!info.Assembly()) return cow_String();
  const auto& features = nex_canDynamicCastRef<const kefC_EngineeringFeatures>(
      info.Assembly()->ConstGetEngineeringFeatures(), kOutputRequestKeywordsFile, __LINE__);
  if (!features.Fasteners().Contains(name)) return cow_String();
  const kefC_Fastener& fastener = features.Fasteners().ConstGet(name);
  if (fastener.Suppressed()) return cow_String();
  if (fastener.DynTypeId() == kefC_PointFastener::TypeId()) return aif_FastenerPfName(name);
  if (fastener.DynTypeId() == kefC_DiscreteFastener::TypeId())
    return aif_RegionName(fastener.Region(), info).QualifiedName(2);
  return cow_String();
}

void aif_OutputRequestBuilder::BoltLoadRegion(const korC_OdbRequest& record,
                                              const cow_String& stepName, RegionNames& names) {
  aif_ModelInfo& info = Info();
  const auto& loads = info.ModelAdapter().Loads();
  const cow_String& name = record.boltLoadName;
  if (!loads.Contains(name)) return;
  const kloC_Load& load = loads.ConstGet(name);
  names.boltActive = !load.Suppressed() && kloC_Load::IsActive(load.Status(stepName));
  if (!names.boltActive) return;
  const rgnK_Region region(info.Assembly(), info.ModelName(), load.Region());
  if (!region.IsValid(true)) return;
  names.region = aif_BoltNodeSetName(name);
  names.boltSet = aif_PrintableComponent("_" + name);
  // The element set is defined once per write, however many requests and
  // steps name the load.
  if (!boltSets_.AppendUnlessMember(names.boltSet)) return;
  cow_Map<int, cow_List<int>> labels;
  region.GetElementIds(labels, nullptr, kOutputRequestAssemblyId, info.ElementLabelsUsable(), true);
  AddAssemblyDefinition(aif_Elset(names.boltSet, labels, info.IsPartBased(), info));
}

void aif_OutputRequestBuilder::AddBlockKeywords(
    const korC_OdbRequest& record, const korC_OdbChannel& channel, const cow_String& stepName,
    const cow_String& regionName, const cow_String& boltSetName, unsigned procedure, bool all,
    bool preselected, bool whole, bool contactName, bool boltActive) {
  aif_ModelInfo& info = Info();
  // A keyword that would write nothing is left out: the "*Output" before it
  // is written only when a queued keyword writes a line.
  auto queue = [&](const akw_Keyword& keyword) {
    if (keyword.IsEmpty()) return;
    pendingBlocks_.Append(akw_KeywordHandle(keyword));
    pendingBlockSteps_.Append(stepName);
  };
  // A keyword naming the region: on an assembled fastener's set it is
  // written only if the pre-pass (run after this builder) defines the set.
  auto queueOn = [&](const akw_Keyword& keyword, bool nodes) {
    if (record.domain == korC_ASSEMBLED_FASTENER)
      queue(aif_FastenerSetOutput(keyword, record.fastenerSetName, nodes));
    else
      queue(keyword);
  };
  const bool field = channel.IsField();
  const bool flow = kprC_IsFlow(procedure);
  const bool explicitSolver = kprC_IsExplicit(procedure);
  const bool rebarOnly = record.rebarMode == 2;
  const bool wholeDefault = whole && record.plainOutput && (preselected || all);
  const bool sectionPoints = !record.sectionPoints.IsEmpty();

  // Integrated output of a section.
  if (!rebarOnly && !wholeDefault && record.domain == korC_SECTION)
    queue(aif_IntegratedOutput(record, procedure, preselected, all, cow_String()));
  if (record.domain == korC_SECTION) return;

  const bool contactDomain = record.domain == korC_CONTACT || record.domain == korC_INTERACTION;
  if (!contactDomain) {
    bool node = !(record.sensor &&
                  !rgnK_Region(info.Assembly(), info.ModelName(), record.region).IsSinglePoint());
    node = node && !(!field && flow) && record.domain != korC_LAYUP &&
           !(rebarOnly && record.domain == korC_SPRINGS) && !(wholeDefault && !sectionPoints) &&
           (boltActive || RegionHasNodes(record));
    if (node)
      queueOn(aif_NodeOutput(channel, record, procedure, regionName, preselected, all, true), true);

    if (!(field && flow)) {
      if (wholeDefault && !sectionPoints) {
        if (record.rebarMode != 0)
          queue(aif_ElementOutput(channel, record, procedure, regionName, preselected, all, true));
      } else if (!boltSetName.IsEmpty()) {
        if (boltActive)
          queue(
              aif_ElementOutput(channel, record, procedure, boltSetName, preselected, all, false));
      } else if (RegionHasElements(record) || whole) {
        if (!rebarOnly) {
          queueOn(
              aif_ElementOutput(channel, record, procedure, regionName, preselected, all, false),
              false);
          queueOn(aif_IntegratedOutput(record, procedure, preselected, all, regionName), false);
        }
        if (record.rebarMode != 0)
          queueOn(aif_ElementOutput(channel, record, procedure, regionName, preselected, all, true),
                  false);
      }
    }

    if (!explicitSolver && !flow && !rebarOnly && !wholeDefault)
      queue(aif_ModalOutput(record, procedure, all));
    if (!flow && !rebarOnly && !wholeDefault) {
      if (boltActive && !boltSetName.IsEmpty())
        queue(aif_EnergyOutput(record, procedure, boltSetName, preselected, all));
      else if (RegionHasElements(record))
        queueOn(aif_EnergyOutput(record, procedure, regionName, preselected, all), false);
    }
    if (!rebarOnly && !wholeDefault && explicitSolver)
      queue(aif_IncrementationOutput(record, procedure, preselected, all));
  }

  // Contact output.
  if (!flow && !rebarOnly && !wholeDefault && record.domain != korC_LAYUP &&
      record.domain != korC_ASSEMBLED_FASTENER) {
    cow_String first, second, third;
    bool contact = true;
    if (record.domain == korC_INTERACTION) {
      contact = false;
      const auto& interactions = info.ModelAdapter().Interactions();
      const cow_String name =
          record.interactionNames.IsEmpty() ? cow_String() : record.interactionNames[0];
      if (interactions.Contains(name)) {
        const kinC_Interaction& interaction = interactions.ConstGet(name);
        const unsigned type = interaction.DynTypeId();
        if (!interaction.Suppressed() && interaction.HasStep(stepName)) {
          contact = true;
          if (type == kinC_SurfaceToSurfaceContactStd::TypeId()) {
            const auto& pair = nex_canDynamicCastRef<const kinC_SurfaceToSurfaceContactStd>(
                interaction, kOutputRequestKeywordsFile, __LINE__);
            first = aif_RegionName(pair.FirstSurface(), info).QualifiedName(2);
            second = aif_RegionName(pair.SecondSurface(), info).QualifiedName(2);
          } else if (type == kinC_SurfaceToSurfaceContactXpl::TypeId() ||
                     type == kinC_SelfContactXpl::TypeId()) {
            third = name;
          } else if (type == kinC_SelfContactStd::TypeId()) {
            const auto& self = nex_canDynamicCastRef<const kinC_SelfContactStd>(
                interaction, kOutputRequestKeywordsFile, __LINE__);
            first = aif_RegionName(self.FirstSurface(), info).QualifiedName(2);
          } else {
            contact = false;
          }
        }
      }
    } else if (record.domain == korC_REGION && !contactName) {
      const int kind = record.region.Flags();
      if (kind == 0 || OutputRegionKindWithoutNodes(kind) || (preselected && explicitSolver))
        contact = false;
    }
    if (contact)
      queue(aif_ContactOutput(record, procedure, preselected, all, first, second, third,
                              aif_RegionName(record.region, info).QualifiedName(2), !field));
  }

  // Radiation output.
  if (!contactDomain && !rebarOnly && !wholeDefault && !explicitSolver && !flow &&
      record.domain != korC_BOLT_LOAD && record.domain != korC_FASTENER &&
      (RegionHasElements(record) || boltActive))
    queueOn(aif_RadiationOutput(record, procedure, regionName, all), false);
}

void aif_OutputRequestBuilder::WriteRequestChannel(const korC_OdbChannel& channel,
                                                   const cow_String& stepName, double timePeriod,
                                                   unsigned procedure,
                                                   const cow_List<cow_String>& commentNames) {
  cow_List<korC_OdbRequest> records = channel.Requests();
  for (std::size_t i = 0; i < records.Length() && i < commentNames.Length(); ++i)
    records.Modify(i).commentName = commentNames[i];
  for (std::size_t i = 0; i < records.Length(); ++i)
    if (!records[i].filterName.IsEmpty() && !FilterDefined(records[i], channel.IsField()))
      records.Modify(i).filterName = cow_String();
  records.Sort();
  const korC_OdbRequestTable& table = thr_ThreadSingleton<korC_OdbRequestTable>::Instance();
  const bool noDefaults = table.DefaultRequests(channel.Type(), procedure, 14).IsEmpty();
  if (records.IsEmpty()) {
    if (procedure != kprC_SubstructureGenerateStep::TypeId())
      WriteDefaultOutput(channel, stepName, timePeriod, procedure, noDefaults);
    return;
  }
  const cow_String base = channel.IsField() ? "\nFIELD" : "\nHISTORY";
  const int extraKind = !channel.IsField() && kprC_IsFlow(procedure) ? 2 : 3;
  korC_OdbRequest previous;
  bool noOutputYet = true;
  // Whether the previous record's "*Output" was written, so that a record of
  // the same frequency may follow it; one dropped (its record gave nothing)
  // leaves the next record to open its own.
  bool outputWritten = false;
  for (std::size_t i = 0; i < records.Length(); ++i) {
    const korC_OdbRequest& record = records[i];
    AddStepDefinition(stepName, aif_Comment(base + " OUTPUT: " + record.commentName + "\n"));
    const RegionNames names = RequestRegionNames(record, stepName);
    const bool last = noOutputYet && i + 1 == records.Length();
    const bool whole =
        record.domain == korC_WHOLE_MODEL ||
        (record.domain == korC_SUBSTRUCTURE && IsEntireSubstructure(record.instanceName));
    const bool all = record.variablesKind == 2;
    const bool preselected = record.variablesKind == 1;
    const bool substructure = !record.instanceName.IsEmpty();
    aif_ModelInfo& info = Info();
    if (!outputWritten || NeedsNewOutputKeyword(previous, record, noOutputYet, all, preselected)) {
      previous = record;
      noOutputYet = false;
      if ((all || preselected) &&
          (!whole || !record.sectionPoints.IsEmpty() || !record.plainOutput)) {
        // The block keywords carry the variable option.
        const akw_KeywordHandle output(
            MakeOutputKeyword(record, channel, false, false, timePeriod, procedure));
        if (substructure) {
          pendingBlocks_.Append(output);
          pendingBlockSteps_.Append(stepName);
        } else {
          pendingOutput_.Append(output);
          pendingOutputSteps_.Append(stepName);
        }
      } else {
        if (!names.boltActive &&
            ((!RegionHasNodes(record) &&
              table
                  .GetInvalidPrintIdentifiersWithExclusion(record.variables, procedure, 0,
                                                           extraKind, channel.Type(), 14)
                  .IsEmpty()) ||
             (!RegionHasElements(record) &&
              table
                  .GetInvalidPrintIdentifiersWithInclusion(record.variables, procedure, 1,
                                                           extraKind, channel.Type(), 14)
                  .IsEmpty()))) {
          // Nothing of the record can be written for its region.
          if (last) WriteDefaultOutput(channel, stepName, timePeriod, procedure, preselected);
          ClearPending();
          outputWritten = false;
          continue;
        }
        const akw_KeywordHandle output(
            MakeOutputKeyword(record, channel, preselected, all, timePeriod, procedure));
        if (substructure) {
          pendingBlocks_.Append(output);
          pendingBlockSteps_.Append(stepName);
        } else if (all || preselected) {
          // A whole-model request of the preselected or all variables: the
          // "*Output" carries the variable option and stands alone.
          AddStepDefinition(stepName, output);
          outputWritten = true;
        } else {
          // Written only when a block keyword of the record follows it.
          pendingOutput_.Append(output);
          pendingOutputSteps_.Append(stepName);
        }
      }
    }
    AddBlockKeywords(record, channel, stepName, names.region, names.boltSet, procedure, all,
                     preselected, whole, names.contactName, names.boltActive);
    if (!names.second.IsEmpty())
      AddBlockKeywords(record, channel, stepName, names.second, names.boltSet, procedure, all,
                       preselected, whole, names.contactName, names.boltActive);
    if (!substructure) {
      if (!pendingOutput_.IsEmpty()) outputWritten = !pendingBlocks_.IsEmpty();
      FlushPendingKeywords(last, channel, stepName, timePeriod, procedure, preselected);
    } else if (!pendingBlocks_.IsEmpty()) {
      // The record's "*Output" opens the queue; the path is written when a
      // block keyword follows it, or when it stands alone (the whole
      // substructure's preselected or all variables).
      const bool standsAlone = whole && record.plainOutput && record.sectionPoints.IsEmpty() &&
                               (all || preselected);
      if (pendingBlocks_.Length() > 1 || standsAlone)
        AddStepDefinition(pendingBlockSteps_[0],
                          aif_SubstructurePath({record.instanceName}, pendingBlocks_, info));
      ClearPending();
    }
  }
}
