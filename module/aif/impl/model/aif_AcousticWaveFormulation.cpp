#include "aif/impl/model/aif_AcousticWaveFormulation.h"

#include "QivBasicUtils/utl_Stream.h"

void aif_AcousticWaveFormulation::Write(utl_Stream& stream) const {
  if (code_ == kNone) return;
  stream << "*Acoustic Wave Formulation";
  if (code_ == kTotalWave) stream << ", type=TOTAL WAVE";
  stream.LineBreak();
}
