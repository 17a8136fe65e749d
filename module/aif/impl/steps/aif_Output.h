// "*Output": opens a field or history output request of a step, saying which
// variable set is meant (preselected, all or the listed ones that follow),
// the output filter and when output is written (every n increments, a number
// of intervals, a time interval, a list of modes or named time points). Made
// by the output request builder, one per request and step, and followed by
// the variable keywords ("*Node Output", "*Element Output", ...).
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/korC_Output.h"
#include "QivBasicUtils/omu_PrimEnum.h"

template <>
struct omu_EnumTexts<korC_OdbRequest::TypeEnm> {
  static constexpr omu_EnumText kTable[] = {{0, "FREQUENCY"},
                                            {1, "NUMBER INTERVAL"},
                                            {2, "TIME INTERVAL"},
                                            {3, "MODE LIST"},
                                            {4, "TIME POINTS"}};
};

class aif_Output : public akw_Keyword {
 public:
  using Mode = omu_PrimEnum<korC_OdbRequest::TypeEnm, 1>;

  // One constructor per output mode; each takes the channel (field or
  // history) and the mode first and the procedure type id, the filter name
  // and the sensor name (empty for an ordinary request) last.
  // Every `frequency` increments.
  aif_Output(const korC_OdbChannel& channel, Mode mode, int frequency, bool preselect, bool all,
             unsigned procedure, const cow_String& filter, const cow_String& sensor);
  // `numberInterval` intervals over the step; `stepPeriod` turns them into a
  // time interval for history output of explicit procedures.
  aif_Output(const korC_OdbChannel& channel, Mode mode, int numberInterval, bool timeMarks,
             bool preselect, bool all, double stepPeriod, unsigned procedure,
             const cow_String& filter, const cow_String& sensor);
  // Every `timeInterval` of step time.
  aif_Output(const korC_OdbChannel& channel, Mode mode, double timeInterval, bool timeMarks,
             bool preselect, bool all, unsigned procedure, const cow_String& filter,
             const cow_String& sensor);
  // At the modes of `modes`.
  aif_Output(const korC_OdbChannel& channel, Mode mode, const cow_List<int>& modes, bool preselect,
             bool all, unsigned procedure, const cow_String& filter, const cow_String& sensor);
  // At the time points named `timePoints` (the mode any value but 0 to 3).
  aif_Output(const korC_OdbChannel& channel, Mode mode, const cow_String& timePoints,
             bool timeMarks, bool preselect, bool all, unsigned procedure, const cow_String& filter,
             const cow_String& sensor);
  aif_Output(const aif_Output&) = default;

  akw_Keyword* Clone() const override { return new aif_Output(*this); }
  // "*Output, field" or "*Output, history" (a history sensor adds ",
  // sensor, name=" and its printable name); unless the mode is frequency
  // with frequency 0, ", variable=PRESELECT" or ", variable=ALL" and ",
  // filter=" with the printable filter name; the timing option of the mode
  // where it differs from the procedure's default (a mode list writes its
  // modes on data lines, sixteen a line); ", time marks=YES/NO" in the
  // interval, time-interval and time-points modes where the procedure allows
  // them and they differ from its default.
  void Write(utl_Stream& stream) const override;

 private:
  // What every form sets; the form's own value is set after.
  aif_Output(const korC_OdbChannel& channel, Mode mode, bool timeMarks, bool preselect, bool all,
             unsigned procedure, const cow_String& filter, const cow_String& sensor);
  void WriteTiming(utl_Stream& stream, bool field) const;
  void WriteModeList(utl_Stream& stream) const;

  int frequency_ = 0;
  int numberInterval_ = 0;
  bool timeMarks_ = false;
  cow_String filter_;
  cow_String timePoints_;
  double timeInterval_ = 0.0;
  cow_List<int> modes_;
  Mode mode_;
  bool preselect_ = false;
  bool all_ = false;
  double stepPeriod_ = 0.0;
  unsigned procedure_ = 0;
  korC_OdbChannel channel_;
  cow_String sensor_;
};
