#include "aif/impl/steps/aif_Controls.h"

#include <cmath>

#include "BasShared/atr_String.h"
#include "OdbAttrEO/kprC_StepRequests.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kControlsFile[] = "module/aif/impl/steps/aif_Controls.cpp";

// The time incrementation counts come first, the ratios after them on lines
// of eight, the last ratio alone.
constexpr std::size_t kControlsIncrementCounts = 11;
constexpr std::size_t kControlsIncrementRatios = 19;
constexpr std::size_t kControlsIncrementLast = 27;
// Field tolerances: the first line holds eight values, the rest follow.
constexpr std::size_t kControlsFieldFirstLine = 8;
// Line search: the count and four factors; direct cyclic: five values.
constexpr std::size_t kControlsLineSearchValues = 5;
constexpr std::size_t kControlsDirectCyclicValues = 5;
// The line search count that the quasi-Newton technique uses by default.
constexpr int kControlsQuasiNewtonLineSearch = 5;

// Whether entries [first, end) of `values` and `defaults` differ.
bool ControlsDiffer(const cow_List<double>& values, const cow_List<double>& defaults,
                    std::size_t first, std::size_t end) {
  for (std::size_t i = first; i < end; ++i)
    if (values[i] != defaults[i]) return true;
  return false;
}

// Entries [first, end) of `values` (`end` 0: to the end of `defaults`), each
// followed by ", " but the last: a value that equals its default stays
// blank. Counts are compared and written as ints. Nothing when the lists
// differ in length.
void WriteControlsDataLine(utl_Stream& stream, const cow_List<double>& values,
                           const cow_List<double>& defaults, std::size_t first, std::size_t end,
                           bool counts) {
  if (values.Length() != defaults.Length()) return;
  if (end == 0) end = defaults.Length();
  for (std::size_t i = first; i < end; ++i) {
    if (counts) {
      const int value = static_cast<int>(values[i]);
      if (value != static_cast<int>(defaults[i])) stream << value;
    } else if (values[i] != defaults[i]) {
      stream << values[i];
    }
    if (i + 1 < end) stream << ", ";
  }
}

[[noreturn]] void ThrowControlsError(const char* format, const char* list, int line) {
  nex_Exception::Throw(aif_Exception(atr_TranslateWithArg(format, list)), kControlsFile, line);
}

// Throws when a list about to be written cannot be: it is not as long as its
// defaults, holds a value that is not a finite number, or its first `counts`
// entries do not fit an int.
void CheckControlsList(const cow_List<double>& values, const cow_List<double>& defaults,
                       const char* list, std::size_t counts) {
  if (values.Length() != defaults.Length())
    ThrowControlsError("The %s controls do not hold as many values as their defaults", list,
                       __LINE__);
  for (std::size_t i = 0; i < values.Length(); ++i) {
    const double value = values[i];
    if (!std::isfinite(value))
      ThrowControlsError("The %s controls hold a value that is not a number", list, __LINE__);
    // Truncation to int is defined for values within (INT_MIN - 1, INT_MAX + 1).
    if (i < counts && !(value > -2147483649.0 && value < 2147483648.0))
      ThrowControlsError("The %s controls hold a count outside the integer range", list, __LINE__);
  }
}

// "*Controls, parameters=field, field=<name>", the first eight values and,
// when the rest differ, a second line with them. Nothing when the values
// equal the defaults.
void WriteControlsField(utl_Stream& stream, const char* name, const cow_List<double>& values,
                        const cow_List<double>& defaults) {
  if (values == defaults) return;
  stream << "*Controls, parameters=field, field=" << name;
  stream.LineBreak();
  if (values.Length() > 3)
    WriteControlsDataLine(stream, values, defaults, 0, kControlsFieldFirstLine, false);
  if (values.Length() > kControlsFieldFirstLine && defaults.Length() > kControlsFieldFirstLine &&
      ControlsDiffer(values, defaults, kControlsFieldFirstLine, values.Length())) {
    stream.LineBreak();
    WriteControlsDataLine(stream, values, defaults, kControlsFieldFirstLine, 0, false);
  }
  stream.LineBreak();
}

}  // namespace

void aif_Controls::WriteControls(utl_Stream& stream, const kprC_Controls& own,
                                 const kprC_PrimaryControls& common, std::span<const Field> fields,
                                 const cow_List<double>* directCyclic) const {
  if (own.LeaveOut()) return;
  if (!own.Defaults()) {
    CheckCommon(common);
    for (const Field& field : fields) {
      const cow_List<double> defaults = kprC_PrimaryControls::fieldDef(field.displacement);
      if (*field.values != defaults) CheckControlsList(*field.values, defaults, field.name, 0);
    }
    if (directCyclic && *directCyclic != kprC_DirectCyclicControls::directCyclicDef())
      CheckControlsList(*directCyclic, kprC_DirectCyclicControls::directCyclicDef(),
                        "direct cyclic", 0);
  }
  stream << "*Controls, reset";
  stream.LineBreak();
  if (own.Defaults()) return;
  WriteCommon(stream, common);
  for (const Field& field : fields)
    WriteControlsField(stream, field.name, *field.values,
                       kprC_PrimaryControls::fieldDef(field.displacement));
  if (directCyclic) {
    const cow_List<double> defaults = kprC_DirectCyclicControls::directCyclicDef();
    if (*directCyclic != defaults) {
      stream << "*Controls, type=direct cyclic";
      stream.LineBreak();
      WriteControlsDataLine(stream, *directCyclic, defaults, 0, kControlsDirectCyclicValues, false);
      stream.LineBreak();
    }
  }
}

void aif_Controls::CheckCommon(const kprC_PrimaryControls& common) const {
  const cow_List<double> increments =
      kprC_PrimaryControls::timeIncrementationDef(common.Discontinuous());
  if (common.TimeIncrementation() != increments)
    CheckControlsList(common.TimeIncrementation(), increments, "time incrementation",
                      kControlsIncrementCounts);
  const cow_List<double> constraints = kprC_PrimaryControls::constraintsDef();
  if (common.Constraints() != constraints)
    CheckControlsList(common.Constraints(), constraints, "constraints", 0);
  const cow_List<double> lineSearch = kprC_PrimaryControls::lineSearchDef();
  if (!common.LineSearch().IsEmpty() && common.LineSearch() != lineSearch)
    CheckControlsList(common.LineSearch(), lineSearch, "line search", 1);
}

void aif_Controls::WriteCommon(utl_Stream& stream, const kprC_PrimaryControls& common) const {
  if (common.Discontinuous()) {
    stream << "*Controls, analysis=discontinuous";
    stream.LineBreak();
  }

  const cow_List<double>& increments = common.TimeIncrementation();
  const cow_List<double> incrementDefaults =
      kprC_PrimaryControls::timeIncrementationDef(common.Discontinuous());
  if (increments != incrementDefaults) {
    stream << "*Controls, parameters=time incrementation";
    stream.LineBreak();
    WriteControlsDataLine(stream, increments, incrementDefaults, 0, kControlsIncrementCounts, true);
    if (increments.Length() == incrementDefaults.Length()) {
      const std::size_t end = kControlsIncrementLast + 1;
      if (ControlsDiffer(increments, incrementDefaults, kControlsIncrementCounts, end)) {
        stream.LineBreak();
        WriteControlsDataLine(stream, increments, incrementDefaults, kControlsIncrementCounts,
                              kControlsIncrementRatios, false);
      }
      if (ControlsDiffer(increments, incrementDefaults, kControlsIncrementRatios, end)) {
        stream.LineBreak();
        WriteControlsDataLine(stream, increments, incrementDefaults, kControlsIncrementRatios,
                              kControlsIncrementLast, false);
      }
      if (ControlsDiffer(increments, incrementDefaults, kControlsIncrementLast, end)) {
        stream.LineBreak();
        WriteControlsDataLine(stream, increments, incrementDefaults, kControlsIncrementLast, end,
                              false);
      }
    }
    stream.LineBreak();
  }

  const cow_List<double>& constraints = common.Constraints();
  const cow_List<double> constraintDefaults = kprC_PrimaryControls::constraintsDef();
  if (constraints != constraintDefaults) {
    stream << "*Controls, parameters=constraints";
    stream.LineBreak();
    WriteControlsDataLine(stream, constraints, constraintDefaults, 0, 0, false);
    stream.LineBreak();
  }

  const cow_List<double>& lineSearch = common.LineSearch();
  const cow_List<double> lineSearchDefaults = kprC_PrimaryControls::lineSearchDef();
  if (!lineSearch.IsEmpty() && lineSearch != lineSearchDefaults) {
    const int count = static_cast<int>(lineSearch[0]);
    const int defaultCount = static_cast<int>(lineSearchDefaults[0]);
    const int expectedCount = lineSearch_ ? kControlsQuasiNewtonLineSearch : defaultCount;
    if (count != expectedCount ||
        ControlsDiffer(lineSearch, lineSearchDefaults, 1, lineSearch.Length())) {
      stream << "*Controls, parameters=line search";
      stream.LineBreak();
      if (count != defaultCount) stream << count;
      stream << ", ";
      WriteControlsDataLine(stream, lineSearch, lineSearchDefaults, 1, kControlsLineSearchValues,
                            false);
      stream.LineBreak();
    }
  }
}
