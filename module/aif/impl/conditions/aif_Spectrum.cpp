#include "aif/impl/conditions/aif_Spectrum.h"

#include <algorithm>
#include <vector>

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/omu_PrimEnum.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/conditions/aif_Amplitude.h"

namespace {

constexpr char kSpectrumFile[] = "module/aif/impl/conditions/aif_Spectrum.cpp";

void WriteSpectrumUnits(utl_Stream& stream, const kamC_SpectrumAmplitude& spectrum) {
  if (spectrum.SpectrumUnits() == kamC_SpectrumAmplitude::GRAVITY)
    stream << "G";
  else
    stream << omu_PrimEnum<kamC_SpectrumAmplitude::UnitsEnm>(spectrum.SpectrumUnits()).GetString();
}

// Values [from, to) of `row`, separated by ", ", on one line.
void WriteSpectrumValues(utl_Stream& stream, const std::vector<double>& row, std::size_t from,
                         std::size_t to) {
  for (std::size_t i = from; i < to; ++i) {
    if (i > from) stream << ", ";
    stream << row[i];
  }
  stream.LineBreak();
}

}  // namespace

aif_Spectrum::aif_Spectrum(const cow_String& name, const kamC_Amplitude& amplitude)
    : name_(name), amplitude_(amplitude) {}

void aif_Spectrum::Write(utl_Stream& stream) const {
  if (amplitude_->DynTypeId() != kamC_SpectrumAmplitude::TypeId()) return;
  const auto& spectrum =
      nex_canDynamicCastRef<const kamC_SpectrumAmplitude>(*amplitude_, kSpectrumFile, __LINE__);
  const kamC_Table& table = spectrum.Data();
  if (spectrum.Create() == 0) {
    aif_CheckAmplitudeTable(table, 3, false, name_, kSpectrumFile, __LINE__);
  } else {
    aif_CheckAmplitudeTable(kamC_Table(table.begin(), table.begin() + (table.empty() ? 0 : 1)),
                            spectrum.DampingGenerate() ? 6 : 3, false, name_, kSpectrumFile,
                            __LINE__);
  }

  stream << "*Spectrum, name=" << akw_MorvexName(name_, false);
  stream.OptionalLineBreak();
  if (spectrum.Create() == 0) {
    stream << ", type=";
    if (spectrum.SpectrumUnits() == kamC_SpectrumAmplitude::GRAVITY)
      stream << "G, g=" << spectrum.G();
    else
      WriteSpectrumUnits(stream, spectrum);
    stream.LineBreak();
    for (const auto& row : table)
      WriteSpectrumValues(stream, row, 0, 3);
    return;
  }

  stream << ", create, type=";
  WriteSpectrumUnits(stream, spectrum);
  stream.OptionalLineBreak();
  if (!spectrum.AmplitudeName().IsEmpty()) {
    stream << ", amplitude=" << akw_MorvexName(spectrum.AmplitudeName(), false);
    stream.OptionalLineBreak();
  }
  stream << ", time increment=" << spectrum.TimeIncrement();
  stream.OptionalLineBreak();
  if (spectrum.SpectrumUnits() == kamC_SpectrumAmplitude::GRAVITY || spectrum.EventType() == 3) {
    stream << ", g=" << spectrum.G();
    stream.OptionalLineBreak();
  }
  if (spectrum.Relative() == 1) {
    stream << ", Relative";
    stream.OptionalLineBreak();
  }
  if (spectrum.DampingGenerate()) {
    stream << ", Damping Generate";
    stream.OptionalLineBreak();
  }
  static const char* const kSpectrumEvents[] = {", event type=Displacement",
                                                ", event type=Velocity",
                                                ", event type=Acceleration", ", event type=G"};
  if (spectrum.EventType() >= 0 && spectrum.EventType() <= 3) {
    stream << kSpectrumEvents[spectrum.EventType()];
    stream.OptionalLineBreak();
  }
  stream.LineBreak();

  const std::vector<double>& row = table.front();
  WriteSpectrumValues(stream, row, 0, 3);
  if (spectrum.DampingGenerate()) {
    WriteSpectrumValues(stream, row, 3, 6);
  } else {
    for (std::size_t from = 3; from < row.size(); from += 8)
      WriteSpectrumValues(stream, row, from, std::min(row.size(), from + 8));
  }
}
