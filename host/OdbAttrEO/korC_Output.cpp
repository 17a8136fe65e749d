#include "OdbAttrEO/korC_Output.h"

#include "OdbAttrEO/kprC_Procedure.h"

namespace {

// The default state of a procedure for field or history output.
void DefaultOutputState(korC_OutputState& state, unsigned procedure, bool field) {
  if (korC_DefaultOutputType(procedure, field) == 1) {
    state.SetFrequencyKind(korC_NUMBER_INTERVAL);
    state.SetNumberInterval(field ? 20 : 200);
  } else if (field && kprC_ModesIsAllowed(procedure)) {
    state.SetFrequencyKind(korC_MODES);
  } else {
    state.SetFrequencyKind(korC_FREQUENCY);
    state.SetFrequency(kprC_IsImplicitModal(procedure) ? 10 : 1);
  }
  state.SetTimeMarks(!kprC_IsExplicit(procedure));
}

auto OutputRecordKey(const korC_OdbRequest& r) {
  return std::make_tuple(r.frequencyType, r.frequency, r.domain, r.numberInterval, r.timeInterval, r.modeList,
                         r.timeMarks, r.filterName, r.timePointsName, r.sensor, r.sharing,
                         r.instanceName, r.region.Name(), r.region.OwnerNames(), r.region.Flags(),
                         r.boltLoadName, r.fastenerSetName, r.templateModelName, r.interactionNames,
                         r.secondName, r.springDashpotNames, r.layupNames, r.rebarMode,
                         r.variablesKind, r.variables, r.sectionPoints, r.plainOutput, r.thirdFlag,
                         r.integratedOutputSectionName, r.globalOutput, r.directions);
}

}  // namespace

korC_FieldOutputState::korC_FieldOutputState(unsigned procedure) {
  DefaultOutputState(*this, procedure, true);
}

korC_HistoryOutputState::korC_HistoryOutputState(unsigned procedure) {
  DefaultOutputState(*this, procedure, false);
}

bool korC_OdbRequest::operator==(const korC_OdbRequest& other) const {
  return OutputRecordKey(*this) == OutputRecordKey(other);
}

bool korC_OdbRequest::operator<(const korC_OdbRequest& other) const {
  return OutputRecordKey(*this) < OutputRecordKey(other);
}

bool korC_OdbRequest::EqualFrequency(const korC_OdbRequest& a, const korC_OdbRequest& b) {
  if (a.frequencyType != b.frequencyType || a.timeMarks != b.timeMarks) return false;
  switch (a.frequencyType) {
    case FREQUENCY:
      return a.frequency == b.frequency;
    case NUMBER_INTERVAL:
      return a.numberInterval == b.numberInterval;
    case TIME_INTERVAL:
      return a.timeInterval == b.timeInterval;
    case MODE_LIST:
      return a.modeList == b.modeList;
    case TIME_POINTS:
      return a.timePointsName == b.timePointsName;
  }
  return true;
}
