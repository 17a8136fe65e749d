#include "aif/impl/conditions/aif_Amplitude.h"

#include <cfloat>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omu_PrimEnum.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kAmplitudeFile[] = "module/aif/impl/conditions/aif_Amplitude.cpp";

void PrintAmplitudeNumber(utl_Stream& stream, double value) {
  stream.Print(value, 15, 15);
}

// Time-value pairs (or coefficient pairs), four pairs a line.
void WriteAmplitudePairs(utl_Stream& stream, const kamC_Table& table) {
  std::size_t onLine = 0;
  for (const auto& row : table) {
    if (onLine > 0) stream << ", ";
    PrintAmplitudeNumber(stream, row[0]);
    stream << ", ";
    PrintAmplitudeNumber(stream, row[1]);
    if (++onLine == 4) {
      stream.LineBreak();
      onLine = 0;
    }
  }
  if (onLine > 0) stream.LineBreak();
}

template <class Values>
void WriteAmplitudeScalars(utl_Stream& stream, const Values& values) {
  bool first = true;
  for (double value : values) {
    if (!first) stream << ", ";
    PrintAmplitudeNumber(stream, value);
    first = false;
  }
  stream.LineBreak();
}

// Values eight a line.
void WriteAmplitudeValues(utl_Stream& stream, const cow_List<double>& values) {
  std::size_t onLine = 0;
  for (double value : values) {
    if (onLine > 0) stream << ", ";
    PrintAmplitudeNumber(stream, value);
    if (++onLine == 8) {
      stream.LineBreak();
      onLine = 0;
    }
  }
  if (onLine > 0) stream.LineBreak();
}

[[noreturn]] void ThrowAmplitudeText(const char* format, const cow_String& name, const char* file,
                                     int line) {
  nex_Exception::Throw(aif_Exception(atr_TranslateWithArg(format, name)), file, line);
}

}  // namespace

void aif_CheckAmplitudeTable(const kamC_Table& table, std::size_t rowLength, bool mayBeEmpty,
                             const cow_String& name, const char* file, int line) {
  if (table.empty() && !mayBeEmpty)
    ThrowAmplitudeText("Amplitude %s has no data.", name, file, line);
  for (const auto& row : table)
    if (row.size() < rowLength)
      ThrowAmplitudeText("Amplitude %s has a data row with too few values.", name, file, line);
}

aif_Amplitude::aif_Amplitude(const cow_String& name, const kamC_Amplitude& amplitude)
    : name_(name), amplitude_(amplitude) {}

void aif_Amplitude::Write(utl_Stream& stream) const {
  const kamC_Amplitude& amplitude = *amplitude_;
  const unsigned kind = amplitude.DynTypeId();
  if (kind == kamC_Tabular::TypeId())
    aif_CheckAmplitudeTable(
        nex_canDynamicCastRef<const kamC_Tabular>(amplitude, kAmplitudeFile, __LINE__).Data(), 2,
        false, name_, kAmplitudeFile, __LINE__);
  else if (kind == kamC_SmoothStep::TypeId())
    aif_CheckAmplitudeTable(
        nex_canDynamicCastRef<const kamC_SmoothStep>(amplitude, kAmplitudeFile, __LINE__).Data(), 2,
        false, name_, kAmplitudeFile, __LINE__);
  else if (kind == kamC_Periodic::TypeId())
    aif_CheckAmplitudeTable(
        nex_canDynamicCastRef<const kamC_Periodic>(amplitude, kAmplitudeFile, __LINE__).Data(), 2,
        true, name_, kAmplitudeFile, __LINE__);

  stream << "*Amplitude, name=" << akw_MorvexName(name_, false);
  stream.OptionalLineBreak();
  if (amplitude.TimeSpan() != kamC_Amplitude::STEP)
    stream << ", time="
           << omu_PrimEnum<kamC_Amplitude::TimeSpanEnm>(amplitude.TimeSpan()).GetString()
           << " TIME";

  if (kind == kamC_Tabular::TypeId()) {
    const auto& tabular =
        nex_canDynamicCastRef<const kamC_Tabular>(amplitude, kAmplitudeFile, __LINE__);
    stream.OptionalLineBreak();
    if (tabular.Smoothing() != DBL_MAX) stream << ", smooth=" << tabular.Smoothing();
    stream.LineBreak();
    WriteAmplitudePairs(stream, tabular.Data());
  } else if (kind == kamC_SmoothStep::TypeId()) {
    const auto& step =
        nex_canDynamicCastRef<const kamC_SmoothStep>(amplitude, kAmplitudeFile, __LINE__);
    stream.OptionalLineBreak();
    stream << ", definition=SMOOTH STEP";
    stream.OptionalLineBreak();
    stream.LineBreak();
    WriteAmplitudePairs(stream, step.Data());
  } else if (kind == kamC_EquallySpaced::TypeId()) {
    const auto& spaced =
        nex_canDynamicCastRef<const kamC_EquallySpaced>(amplitude, kAmplitudeFile, __LINE__);
    stream.OptionalLineBreak();
    stream << ", definition=EQUALLY SPACED";
    stream.OptionalLineBreak();
    if (spaced.Smoothing() != DBL_MAX) {
      stream << ", smooth=" << spaced.Smoothing();
      stream.OptionalLineBreak();
    }
    stream << ", fixed interval=" << spaced.FixedInterval();
    stream.OptionalLineBreak();
    if (spaced.Begin() != 0.0) stream << ", begin=" << spaced.Begin();
    stream.LineBreak();
    WriteAmplitudeValues(stream, spaced.Values());
  } else if (kind == kamC_Periodic::TypeId()) {
    const auto& periodic =
        nex_canDynamicCastRef<const kamC_Periodic>(amplitude, kAmplitudeFile, __LINE__);
    stream.OptionalLineBreak();
    stream << ", definition=PERIODIC";
    stream.LineBreak();
    stream << static_cast<int>(periodic.Data().size());
    for (double value : periodic.Scalars()) {
      stream << ", ";
      PrintAmplitudeNumber(stream, value);
    }
    stream.LineBreak();
    WriteAmplitudePairs(stream, periodic.Data());
  } else if (kind == kamC_Modulated::TypeId()) {
    const auto& modulated =
        nex_canDynamicCastRef<const kamC_Modulated>(amplitude, kAmplitudeFile, __LINE__);
    stream.OptionalLineBreak();
    stream << ", definition=MODULATED";
    stream.LineBreak();
    WriteAmplitudeScalars(stream, modulated.Scalars());
  } else if (kind == kamC_Decay::TypeId()) {
    const auto& decay =
        nex_canDynamicCastRef<const kamC_Decay>(amplitude, kAmplitudeFile, __LINE__);
    stream.OptionalLineBreak();
    stream << ", definition=DECAY";
    stream.LineBreak();
    WriteAmplitudeScalars(stream, decay.Scalars());
  } else if (kind == kamC_SolutionDependent::TypeId()) {
    const auto& dependent =
        nex_canDynamicCastRef<const kamC_SolutionDependent>(amplitude, kAmplitudeFile, __LINE__);
    stream.OptionalLineBreak();
    stream << ", definition=SOLUTION DEPENDENT";
    stream.LineBreak();
    WriteAmplitudeScalars(stream, dependent.Scalars());
  } else if (kind == kamC_ActuatorAmplitude::TypeId()) {
    stream.OptionalLineBreak();
    stream << ", definition=ACTUATOR";
    stream.LineBreak();
  } else if (kind == kamC_UserAmplitude::TypeId()) {
    const auto& user =
        nex_canDynamicCastRef<const kamC_UserAmplitude>(amplitude, kAmplitudeFile, __LINE__);
    stream.OptionalLineBreak();
    stream << ", definition=USER, variables=" << user.Variables();
    stream.LineBreak();
  } else {
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg("Unknown amplitude defintion, %s", name_)),
        kAmplitudeFile, __LINE__);
  }
}
