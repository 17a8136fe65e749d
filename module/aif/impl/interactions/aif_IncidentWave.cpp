#include "aif/impl/interactions/aif_IncidentWave.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "BasShared/atr_String.h"
#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/core/aif_KeywordOption.h"

namespace {

constexpr char kIncidentWaveFile[] = "module/aif/impl/interactions/aif_IncidentWave.cpp";

// The longest line the solver reads, and room for the magnitude after the
// three region names.
constexpr std::size_t kIncidentWaveLineLimit = 256;
constexpr std::size_t kIncidentWaveValueRoom = 30;

// Whether a procedure type id is one of the two steady-state dynamics steps
// that take real and imaginary amplitudes.
bool IsIncidentWaveSteadyState(unsigned procedureType) {
  return procedureType == kprC_SteadyStateDirectStep::TypeId() ||
         procedureType == kprC_SteadyStateSubspaceStep::TypeId();
}

// ", pressure amplitude=" or ", acceleration amplitude=" and the amplitude for
// the two amplitude definitions; nothing for the others.
void WriteIncidentWaveAmplitude(utl_Stream& stream, int definition, const cow_String& amplitude) {
  if (definition == kinC_IncidentWave::kPressureAmplitude)
    stream << ", pressure amplitude=" << akw_MorvexName(amplitude, false);
  else if (definition == kinC_IncidentWave::kAccelerationAmplitude)
    stream << ", acceleration amplitude=" << akw_MorvexName(amplitude, false);
}

}  // namespace

aif_IncidentWave::aif_IncidentWave(const kinC_IncidentWave& interaction, const cow_String& stepName,
                                   const cow_String& first, const cow_String& second,
                                   const cow_String& third)
    : first_(first),
      second_(second),
      third_(third),
      interaction_(interaction),
      stepName_(stepName) {}

void aif_IncidentWave::Write(utl_Stream& stream) const {
  if (interaction_.GetPropStatus(stepName_) != 1) return;
  // The data line carries the three region names and a value: a line the
  // solver would cut short is refused before anything is written.
  if (first_.Length() + second_.Length() + third_.Length() + kIncidentWaveValueRoom >
      kIncidentWaveLineLimit)
    nex_Exception::Throw(
        aif_Exception(atr_TranslateWithArg(
            "The region names of the incident wave interaction %s are too long: its data line "
            "would run past 256 characters.",
            interaction_.Name())),
        kIncidentWaveFile, __LINE__);
  const bool steadyState =
      IsIncidentWaveSteadyState(interaction_.ConstGetStateQuad(stepName_).procedureType);
  const int definition = interaction_.Definition();

  stream << "*Incident Wave Interaction";
  cow_String amplitude = interaction_.RealAmplitude();
  if (steadyState) {
    if (!amplitude.IsEmpty()) {
      stream << ", real";
    } else {
      stream << ", imaginary";
      amplitude = interaction_.ImaginaryAmplitude();
    }
  }
  WriteIncidentWaveAmplitude(stream, definition, amplitude);
  if (definition == kinC_IncidentWave::kUndex)
    stream << ", UNDEX";
  else if (definition == kinC_IncidentWave::kConwep)
    stream << ", CONWEP";
  aif_Option(stream) << "property=" << akw_MorvexName(interaction_.PropertyName(), false);
  stream.LineBreak();

  stream << third_ << ", " << first_ << ", ";
  if (definition == kinC_IncidentWave::kConwep)
    stream << "  , " << interaction_.ConwepFirstValue() << ", " << interaction_.ConwepSecondValue();
  else
    stream << second_ << ", " << interaction_.Magnitude();
  stream.LineBreak();

  if (steadyState && !interaction_.RealAmplitude().IsEmpty() &&
      !interaction_.ImaginaryAmplitude().IsEmpty())
    WriteImaginaryLoadCase(stream);
}

void aif_IncidentWave::WriteImaginaryLoadCase(utl_Stream& stream) const {
  stream << "*Incident Wave Interaction, load case=2";
  WriteIncidentWaveAmplitude(stream, interaction_.Definition(), interaction_.ImaginaryAmplitude());
  aif_Option(stream) << "property=" << akw_MorvexName(interaction_.PropertyName(), false);
  stream.LineBreak();
  stream << third_ << ", " << first_ << ", " << second_ << ", " << interaction_.Magnitude();
  stream.LineBreak();
}
