#include "aif/impl/steps/aif_Output.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "OdbAttrEO/kprC_Procedure.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

// Intervals over a step that a procedure writing by intervals assumes.
constexpr int kOutputFieldIntervals = 20;
constexpr int kOutputHistoryIntervals = 200;
// Output every n increments that a procedure assumes.
constexpr int kOutputModalFrequency = 10;
constexpr int kOutputFrequency = 1;
// The smallest time interval written; the solver reads 0 as "none".
constexpr double kOutputSmallestInterval = 1e-100;
constexpr int kOutputModesPerLine = 16;

}  // namespace

aif_Output::aif_Output(const korC_OdbChannel& channel, Mode mode, bool timeMarks, bool preselect,
                       bool all, unsigned procedure, const cow_String& filter,
                       const cow_String& sensor)
    : timeMarks_(timeMarks),
      filter_(filter),
      mode_(mode),
      preselect_(preselect),
      all_(all),
      procedure_(procedure),
      channel_(channel),
      sensor_(sensor) {}

aif_Output::aif_Output(const korC_OdbChannel& channel, Mode mode, int frequency, bool preselect,
                       bool all, unsigned procedure, const cow_String& filter,
                       const cow_String& sensor)
    : aif_Output(channel, mode, !kprC_IsExplicit(procedure), preselect, all, procedure, filter,
                 sensor) {
  frequency_ = frequency;
}

aif_Output::aif_Output(const korC_OdbChannel& channel, Mode mode, int numberInterval,
                       bool timeMarks, bool preselect, bool all, double stepPeriod,
                       unsigned procedure, const cow_String& filter, const cow_String& sensor)
    : aif_Output(channel, mode, timeMarks, preselect, all, procedure, filter, sensor) {
  numberInterval_ = numberInterval;
  stepPeriod_ = stepPeriod;
}

aif_Output::aif_Output(const korC_OdbChannel& channel, Mode mode, double timeInterval,
                       bool timeMarks, bool preselect, bool all, unsigned procedure,
                       const cow_String& filter, const cow_String& sensor)
    : aif_Output(channel, mode, timeMarks, preselect, all, procedure, filter, sensor) {
  timeInterval_ = timeInterval;
}

aif_Output::aif_Output(const korC_OdbChannel& channel, Mode mode, const cow_List<int>& modes,
                       bool preselect, bool all, unsigned procedure, const cow_String& filter,
                       const cow_String& sensor)
    : aif_Output(channel, mode, !kprC_IsExplicit(procedure), preselect, all, procedure, filter,
                 sensor) {
  modes_ = modes;
}

aif_Output::aif_Output(const korC_OdbChannel& channel, Mode mode, const cow_String& timePoints,
                       bool timeMarks, bool preselect, bool all, unsigned procedure,
                       const cow_String& filter, const cow_String& sensor)
    : aif_Output(channel, mode, timeMarks, preselect, all, procedure, filter, sensor) {
  timePoints_ = timePoints;
}

void aif_Output::Write(utl_Stream& stream) const {
  const bool field = channel_.Type() == 1;
  const int mode = mode_.IntValue();
  stream << "*Output";
  if (field) {
    stream << ", field";
  } else {
    stream << ", history";
    if (!sensor_.IsEmpty()) stream << ", sensor, name=" << akw_MorvexName(sensor_, false);
  }
  if (frequency_ != 0 || mode != korC_OdbRequest::FREQUENCY) {
    if (preselect_)
      stream << ", variable=PRESELECT";
    else if (all_)
      stream << ", variable=ALL";
    if (!filter_.IsEmpty()) stream << ", filter=" << akw_MorvexName(filter_, false);
  }
  WriteTiming(stream, field);

  if (mode == korC_OdbRequest::NUMBER_INTERVAL || mode == korC_OdbRequest::TIME_INTERVAL ||
      mode == korC_OdbRequest::TIME_POINTS) {
    const bool defaultMarks = !kprC_IsExplicit(procedure_);
    if (timeMarks_ != defaultMarks && kprC_TimeMarksIsAllowed(procedure_, field))
      stream << (timeMarks_ ? ", time marks=YES" : ", time marks=NO");
  }

  if (mode == korC_OdbRequest::MODE_LIST && !modes_.IsEmpty()) {
    WriteModeList(stream);
    return;
  }
  stream << endl;
}

void aif_Output::WriteTiming(utl_Stream& stream, bool field) const {
  const int defaultType = korC_DefaultOutputType(procedure_, field);
  switch (mode_.IntValue()) {
    case korC_OdbRequest::FREQUENCY: {
      const int assumed =
          kprC_IsImplicitModal(procedure_) ? kOutputModalFrequency : kOutputFrequency;
      if (kprC_IsFlow(procedure_) || defaultType != 0 || frequency_ != assumed)
        stream << ", frequency=" << frequency_;
      break;
    }
    case korC_OdbRequest::NUMBER_INTERVAL: {
      const int assumed = field ? kOutputFieldIntervals : kOutputHistoryIntervals;
      if (defaultType == 1 && numberInterval_ == assumed) break;
      if (field || !kprC_IsExplicit(procedure_)) {
        stream << ", number interval=" << numberInterval_;
      } else if (stepPeriod_ > 0.0 && numberInterval_ > 0) {
        // Explicit history output is written by time, not by intervals.
        stream << ", time interval=" << stepPeriod_ / numberInterval_;
      }
      break;
    }
    case korC_OdbRequest::TIME_INTERVAL:
      stream << ", time interval="
             << (timeInterval_ > kOutputSmallestInterval ? timeInterval_ : kOutputSmallestInterval);
      break;
    case korC_OdbRequest::MODE_LIST:
      if (!modes_.IsEmpty()) stream << ", mode list";
      break;
    case korC_OdbRequest::TIME_POINTS:
      stream << ", time points=" << akw_MorvexName(timePoints_, false);
      break;
    default:
      break;
  }
}

// The data lines of the modes, sixteen a line, each mode followed by ", "
// (the last one too) unless it ends its line. A list that fills its last line
// ends there: no empty line follows.
void aif_Output::WriteModeList(utl_Stream& stream) const {
  stream.LineBreak();
  const std::size_t count = modes_.Length();
  for (std::size_t i = 0; i < count; ++i) {
    stream << modes_[i];
    if ((i + 1) % kOutputModesPerLine == 0)
      stream.LineBreak();
    else
      stream << ", ";
  }
  if (count % kOutputModesPerLine != 0) stream << endl;
}
