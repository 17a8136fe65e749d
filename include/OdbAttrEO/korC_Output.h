// Output requests of the model (field and history), their per-step states,
// and the request record and channel the writer turns them into. Accessors
// and setters only; a default-constructed request or state carries the
// kernel's ordinary defaults.
#pragma once

#include <tuple>
#include <utility>

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kprC_StepRecords.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivBasicUtils/omu_PrimEnum.h"

// What a request covers: 0 the whole model, 1 a region, 2 a bolt load, 3 a
// composite layup, 4 a crack (written by the crack builder as
// "*Contour Integral", never as output), 5 a fastener, 6 a contact region, 7 an
// integrated output section, 8 an interaction, 9 and 11 further region kinds,
// 10 springs and dashpots, 12 a substructure, 13 an assembled fastener.
enum korC_DomainTypeEnm : int {
  korC_WHOLE_MODEL = 0,
  korC_REGION = 1,
  korC_BOLT_LOAD = 2,
  korC_LAYUP = 3,
  korC_SKIPPED = 4,
  korC_CRACK = korC_SKIPPED,
  korC_FASTENER = 5,
  korC_CONTACT = 6,
  korC_SECTION = 7,
  korC_INTERACTION = 8,
  korC_GENERAL_REGION = 9,
  korC_SPRINGS = 10,
  korC_OTHER_REGION = 11,
  korC_SUBSTRUCTURE = 12,
  korC_ASSEMBLED_FASTENER = 13,
};

// How the variables of a state are chosen: 0 by the list, 1 the preselected
// defaults, 2 all.
enum korC_VariablesTypeEnm : int { korC_LIST = 0, korC_PRESELECTED = 1, korC_ALL = 2 };

// When a state writes: 0 every n increments, 1 a number of intervals, 2 a
// time interval, 3 a mode list, 4 (none), 5 time points.
enum korC_TypeEnm : int {
  korC_FREQUENCY = 0,
  korC_NUMBER_INTERVAL = 1,
  korC_TIME_INTERVAL = 2,
  korC_MODES = 3,
  korC_NO_FREQUENCY = 4,
  korC_TIME_POINTS = 5,
};

// The settings of a request in one step.
class korC_OutputState {
  KERN_ATTR(int, Frequency, 1)
  KERN_ATTR(int, NumberInterval, 20)
  KERN_ATTR(double, TimeInterval, 0.0)
  KERN_ATTR(cow_List<int>, ModeList, {})
  KERN_ATTR(cow_List<cow_String>, Variables, {})
  KERN_ATTR(korC_VariablesTypeEnm, VariablesKind, korC_PRESELECTED)
  KERN_ATTR(korC_TypeEnm, FrequencyKind, korC_FREQUENCY)
  KERN_ATTR(cow_String, TimePointsName, cow_String())
  KERN_ATTR(bool, TimeMarks, true)

 public:
  // The variables in the form the request table names them, for procedure
  // `procedure`; the stand-in's names are that form already.
  void ConvertVariablesToVariablesSymbol(unsigned procedure, bool keepUnknown) {
    (void)procedure;
    (void)keepUnknown;
  }
  // History variables stored by category are spelled out again; the
  // stand-in stores them spelled out.
  void ReconstructVariables(unsigned procedure) { (void)procedure; }
};

// The default field (history) output state of procedure `procedure`: by
// intervals (20 field, 200 history) where the procedure's default output
// type is 1, by modes in the eigenvalue extractions' field output, every
// increment otherwise; the preselected variables.
class korC_FieldOutputState : public korC_OutputState {
 public:
  korC_FieldOutputState() = default;
  explicit korC_FieldOutputState(unsigned procedure);
};
class korC_HistoryOutputState : public korC_OutputState {
 public:
  korC_HistoryOutputState() = default;
  explicit korC_HistoryOutputState(unsigned procedure);
};

// A field or history output request: what it covers and, per step, its
// state and propagation status (1 created, 2 carried over, 3 modified,
// 4 deactivated in that step).
class korC_Output : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x30A0000;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(korC_Output, kern_Object)

  // Whether a status writes the request: created, carried over or modified.
  static bool IsActive(int status) { return status >= 1 && status <= 3; }
  bool HasStep(const cow_String& step) const { return statuses_.Contains(step); }
  // 0 for a step the request does not have.
  int Status(const cow_String& step) const {
    return statuses_.Contains(step) ? statuses_.Get(step) : 0;
  }
  void SetStatus(const cow_String& step, int status) { statuses_.Set(step, status); }

  KERN_ATTR(bool, Suppressed, false)
  KERN_ATTR(korC_DomainTypeEnm, Domain, korC_WHOLE_MODEL)
  KERN_ATTR(rgnC_Region, Region, rgnC_Region())
  KERN_ATTR(cow_String, BoltLoadName, cow_String())
  KERN_ATTR(cow_String, FastenerName, cow_String())
  KERN_ATTR(cow_String, FastenerSetSuffix, cow_String())
  KERN_ATTR(cow_List<cow_String>, InteractionNames, {})
  KERN_ATTR(cow_String, SecondName, cow_String())
  KERN_ATTR(cow_List<cow_String>, LayupNames, {})
  // 0 the whole section, 1 the plies at the positions flagged below, 2 every
  // section point of the layup's sets.
  KERN_ATTR(int, LayupMode, 0)
  KERN_ATTR(bool, PlyBottom, false)
  KERN_ATTR(bool, PlyMiddle, false)
  KERN_ATTR(bool, PlyTop, false)
  KERN_ATTR(cow_List<int>, SectionPoints, {})
  KERN_ATTR(int, RebarMode, 0)  // 0 none, 1 also rebar, 2 rebar only
  KERN_ATTR(cow_String, FilterName, cow_String())
  KERN_ATTR(cow_String, IntegratedOutputSectionName, cow_String())
  KERN_ATTR(bool, GlobalOutput, true)
  KERN_ATTR(bool, Directions, true)

 private:
  cow_Map<cow_String, int> statuses_;

  // The step the request was created in (the output checks compare it with
  // a crack request's stress initialization step); empty unless set.
  KERN_ATTR(cow_String, CreateStepName, cow_String())
};

class korC_FieldOutput : public korC_Output {
 public:
  static constexpr unsigned kTypeId = 0x30A0001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  korC_FieldOutput* Clone() const override { return new korC_FieldOutput(*this); }
  CLS_REGISTER(korC_FieldOutput, korC_Output)

  // The state in `step`: the one set for it, else a default state.
  korC_FieldOutputState ConstGetState(const cow_String& step) const {
    return states_.Contains(step) ? states_.Get(step) : korC_FieldOutputState();
  }
  // Sets the state in `step`, with its status (created by default).
  void SetState(const cow_String& step, const korC_FieldOutputState& state, int status = 1) {
    states_.Set(step, state);
    SetStatus(step, status);
  }
  // Substructure entries: instance path + "." + region, or the instance path
  // + ".Entire Substructure".
  KERN_ATTR(cow_List<cow_String>, SubstructureEntries, {})
  KERN_ATTR(bool, PlainOutput, true)

 private:
  cow_Map<cow_String, korC_FieldOutputState> states_;
};

class korC_HistoryOutput : public korC_Output {
 public:
  static constexpr unsigned kTypeId = 0x30A0002;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  korC_HistoryOutput* Clone() const override { return new korC_HistoryOutput(*this); }
  CLS_REGISTER(korC_HistoryOutput, korC_Output)

  korC_HistoryOutputState ConstGetState(const cow_String& step) const {
    return states_.Contains(step) ? states_.Get(step) : korC_HistoryOutputState();
  }
  void SetState(const cow_String& step, const korC_HistoryOutputState& state, int status = 1) {
    states_.Set(step, state);
    SetStatus(step, status);
  }
  // The substructure entry (instance path + "." + region) of a substructure
  // request.
  KERN_ATTR(cow_String, InstanceName, cow_String())
  KERN_ATTR(cow_List<cow_String>, SpringDashpotNames, {})
  KERN_ATTR(bool, Sensor, false)
  KERN_ATTR(bool, Sharing, true)
  KERN_ATTR(bool, ThirdFlag, false)

  // Crack requests (contour integrals): the crack's name (empty for any
  // other request), the step whose residual stresses are subtracted (empty
  // for none), the number of contours, the contour type (0 J-integral, 1
  // C-integral, 2 T-stress, 3 stress intensity factors) and, for stress
  // intensity factors, the criterion of the crack's growth direction.
 public:
  enum KFactorDirectionEnm : int { kNoDirection = 0, kMTS = 1, kMERR = 2, kKII0 = 3 };
  KERN_ATTR(cow_String, CrackName, cow_String())
  KERN_ATTR(cow_String, ResidualStressStepName, cow_String())
  KERN_ATTR(int, NumberOfContours, 5)
  KERN_ATTR(int, ContourType, 0)
  KERN_ATTR(KFactorDirectionEnm, KFactorDirection, kNoDirection)

 private:
  cow_Map<cow_String, korC_HistoryOutputState> states_;
};

template <>
struct omu_EnumTexts<korC_HistoryOutput::KFactorDirectionEnm> {
  static constexpr omu_EnumText kTable[] = {{0, ""}, {1, "MTS"}, {2, "MERR"}, {3, "KII0"}};
};

// One output request as the writer writes it: what a request (or a remeshing
// rule, or a layup's element set) asks for in one step. Fields are read and
// written directly. An empty record asks for nothing: frequency 0, no
// intervals, no lists.
struct korC_OdbRequest {
  // The frequency kind: 0 every n increments, 1 number of intervals, 2 time
  // interval, 3 mode list, 4 time points.
  enum TypeEnm : int {
    FREQUENCY = 0,
    NUMBER_INTERVAL = 1,
    TIME_INTERVAL = 2,
    MODE_LIST = 3,
    TIME_POINTS = 4
  };

  korC_DomainTypeEnm domain = korC_WHOLE_MODEL;
  rgnC_Region region;
  cow_String boltLoadName;
  cow_String fastenerSetName;
  cow_String templateModelName;
  cow_List<cow_String> interactionNames;
  cow_String secondName;
  cow_String instanceName;
  cow_List<cow_String> springDashpotNames;
  cow_List<cow_String> layupNames;
  int rebarMode = 0;
  int variablesKind = 0;  // 1 preselected, 2 all, 0 the list
  cow_List<cow_String> variables;
  cow_List<int> sectionPoints;
  TypeEnm frequencyType = FREQUENCY;
  int frequency = 0;
  int numberInterval = 0;
  double timeInterval = 0.0;
  cow_List<int> modeList;
  bool timeMarks = false;
  bool plainOutput = false;
  bool sensor = false;
  bool sharing = true;
  bool thirdFlag = false;
  cow_String filterName;
  cow_String timePointsName;
  cow_String integratedOutputSectionName;
  bool globalOutput = true;
  bool directions = true;
  cow_String commentName;

  // Records are equal when everything they write is: every field but the
  // comment name.
  bool operator==(const korC_OdbRequest& other) const;
  bool operator<(const korC_OdbRequest& other) const;
  // Whether the two write at the same times (kind and its values).
  static bool EqualFrequency(const korC_OdbRequest& a, const korC_OdbRequest& b);
};

// The records of one step's field or history output.
class korC_OdbChannel {
 public:
  // `field`: field output (type 1); history output otherwise (type 2).
  explicit korC_OdbChannel(bool field = true) : type_(field ? 1 : 2) {}
  int Type() const { return type_; }
  bool IsField() const { return type_ == 1; }
  const cow_List<korC_OdbRequest>& Requests() const { return requests_; }
  cow_List<korC_OdbRequest>& MutableRequests() { return requests_; }

 private:
  int type_;
  cow_List<korC_OdbRequest> requests_;
};

// A remeshing rule of an adaptive analysis: the step it runs in, its region
// and the error indicators it asks for (written as field output).
class karC_RemeshingRule : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x30D0001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  karC_RemeshingRule* Clone() const override { return new karC_RemeshingRule(*this); }
  CLS_REGISTER(karC_RemeshingRule, kern_Object)

  // The rule's variables followed by nothing else; the writer appends "EVOL".
  cow_List<cow_String> GetFullVariableList() const { return Variables(); }
  KERN_ATTR(bool, Suppressed, false)
  KERN_ATTR(cow_String, StepName, cow_String())
  KERN_ATTR(cow_String, Description, cow_String())
  KERN_ATTR(rgnC_Region, Region, rgnC_Region())
  // The rule's sizing method; a rule without one is incomplete and ignored.
  KERN_ATTR(bool, HasSizingMethod, true)
  // Output at every increment (frequency 1) rather than at the end only.
  KERN_ATTR(bool, OutputFrequency, false)
  KERN_ATTR(cow_List<cow_String>, Variables, {})
};
