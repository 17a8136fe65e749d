// Files, for every analysis step, what stands between the procedure and the
// loads: the step controls and solver controls, the "OUTPUT REQUESTS"
// banner, the restart, print and monitor requests, and the field and history
// output ("*Output" with its variable keywords, wrapped in a substructure
// path where a request names a substructure; the default "*Output" where a
// channel asks for nothing). A member of the input-file driver.
//
// The work is split along its steps, one source file each:
// aif_OutputRequestBuilder.cpp (the per-step walk, restart, print, monitor
// and controls), aif_OutputRequestRecords.cpp (the requests that apply to a
// step turned into merged request records) and aif_OutputRequestKeywords.cpp
// (the records of a channel turned into keywords).
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/atr_String.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/korC_Output.h"

class aif_ModelInfo;
class kprC_AnalysisStep;
class kprC_DiagnosticPrint;

class aif_OutputRequestBuilder : public akw_BuilderComponent {
 public:
  // Gathers the steps of the model's remeshing rules and the recovery sets
  // of its substructure instances.
  explicit aif_OutputRequestBuilder(akw_ModelInfo& modelInfo);
  aif_OutputRequestBuilder(const aif_OutputRequestBuilder&) = default;

  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_OutputRequestBuilder(*this); }

  // --- records (aif_OutputRequestRecords.cpp) ------------------------------

  // The field (history) output requests that apply to `step`, as a channel
  // of merged records; `names` receives the comment name of each record.
  korC_OdbChannel CollectFieldRequests(const cow_String& stepName, const kprC_AnalysisStep& step,
                                       cow_List<cow_String>& names) const;
  korC_OdbChannel CollectHistoryRequests(const cow_String& stepName, const kprC_AnalysisStep& step,
                                         cow_List<cow_String>& names) const;
  // Sets the record's frequency kind from `state`, or from the procedure's
  // default state when the procedure does not allow the state's kind.
  static void SetRequestFrequency(const korC_OutputState& state, const kprC_AnalysisStep& step,
                                  unsigned procedure, bool field, korC_OdbRequest& record);
  // Appends `record` under `name`; a record equal to one already held (and
  // not a sensor) adds its name to that record's instead.
  static void AddRequestRecord(const korC_OdbRequest& record, const cow_String& name,
                               cow_List<cow_String>& names, korC_OdbChannel& channel);

  // --- keywords (aif_OutputRequestKeywords.cpp) ----------------------------

  // A spring or dashpot named by a history request ("Name" of the assembly,
  // or "Instance.Name" of the instance's part): whether it exists, what it
  // holds, and the names its sets are composed from.
  struct SpringDashpot {
    bool found = false;
    bool springs = false;
    bool dashpots = false;
    cow_String instance;  // empty for the assembly's
    cow_String base;      // the feature's own name
  };
  static SpringDashpot SpringDashpotInfo(const aif_ModelInfo& info, const cow_String& name);

  // Files the keywords of one channel of `stepName`.
  void WriteRequestChannel(const korC_OdbChannel& channel, const cow_String& stepName,
                           double timePeriod, unsigned procedure,
                           const cow_List<cow_String>& names);

 private:
  // --- the walk (aif_OutputRequestBuilder.cpp) -----------------------------
  bool StepHasFieldOutput(const cow_String& stepName) const;
  bool StepHasHistoryOutput(const cow_String& stepName) const;
  void AddStepControls(const cow_String& stepName, const kprC_AnalysisStep& step);
  void AddSolverControls(const cow_String& stepName, const kprC_AnalysisStep& step);
  void AddRestartPrintMonitor(const cow_String& stepName, const kprC_AnalysisStep& step,
                              const cow_String& monitorName);

  // --- records -------------------------------------------------------------
  void AddLayupRequests(const korC_OdbRequest& record, const cow_String& requestName,
                        cow_List<cow_String>& names, const korC_Output& request,
                        korC_OdbChannel& channel) const;

  // --- keywords ------------------------------------------------------------
  // What a record's keywords name: its region (and a second one), the
  // element set of a bolt load, whether the bolt load applies in the step,
  // whether a contact region is named.
  struct RegionNames {
    cow_String region;
    cow_String second;
    cow_String boltSet;
    bool boltActive = false;
    bool contactName = false;
  };
  RegionNames RequestRegionNames(const korC_OdbRequest& record, const cow_String& stepName);
  void BoltLoadRegion(const korC_OdbRequest& record, const cow_String& stepName,
                      RegionNames& names);
  cow_String FastenerRegionName(const cow_String& name) const;
  bool RegionHasNodes(const korC_OdbRequest& record) const;
  bool RegionHasElements(const korC_OdbRequest& record) const;
  // Whether the substructure instance of `entry` recovers `word` ("node" or
  // "elem") or all.
  bool RecoveryHolds(const cow_String& entry, const char* word) const;

 public:
  // A substructure entry ("instance path.region", the recovery set names
  // "instance path.word" alike) split at its last dot: the instance path
  // and the last component. Without a dot both are the whole entry.
  static cow_String EntryInstance(const cow_String& entry);
  static cow_String EntryLast(const cow_String& entry);

 private:
  // Whether the file defines the filter `record` names (the explicit
  // product writes the model's filters); otherwise a warning naming the
  // request and the filter goes to the checking messages, once per write.
  bool FilterDefined(const korC_OdbRequest& record, bool field);
  void WriteDefaultOutput(const korC_OdbChannel& channel, const cow_String& stepName,
                          double timePeriod, unsigned procedure, bool preselected);
  void AddBlockKeywords(const korC_OdbRequest& record, const korC_OdbChannel& channel,
                        const cow_String& stepName, const cow_String& regionName,
                        const cow_String& boltSetName, unsigned procedure, bool all,
                        bool preselected, bool whole, bool contactName, bool boltActive);
  void FlushPendingKeywords(bool last, const korC_OdbChannel& channel, const cow_String& stepName,
                            double timePeriod, unsigned procedure, bool preselected);
  void ClearPending();
  aif_ModelInfo& Info() const;

  // The steps of the model's remeshing rules, each once, in rule order.
  cow_List<cow_String> remeshingSteps_;
  // Substructure instance name to its recovery words ("elem", "node", "all").
  cow_Map<cow_String, cow_List<cow_String>> recoverySets_;
  // Set by an unsuppressed step that is simulation based; read by the
  // variable table of later steps.
  bool simulation_ = false;
  // Keywords waiting until a record's block keywords are known, each with
  // its step's name.
  cow_List<akw_KeywordHandle> pendingOutput_;
  cow_List<cow_String> pendingOutputSteps_;
  cow_List<akw_KeywordHandle> pendingBlocks_;
  cow_List<cow_String> pendingBlockSteps_;
  // The type mask (rgnF_Set) of the template set behind each set name that
  // a request on an assembled fastener names: whether the copies define it
  // as a node set, an element set or both.
  mutable cow_Map<cow_String, int> fastenerSetKinds_;
  // The filter warnings given in this write.
  cow_List<atr_String> filterWarnings_;
  // Bolt-load element sets already filed in this write.
  cow_List<cow_String> boltSets_;
  // The print settings in force, carried from step to step; empty until the
  // first unsuppressed step.
  cow_COW<kprC_DiagnosticPrint> carriedPrint_;
};
