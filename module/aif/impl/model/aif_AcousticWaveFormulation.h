// "*Acoustic Wave Formulation": the model-wide formulation of acoustic
// elements, written when the model chooses one. Made by the model-attributes
// builder.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"

class aif_AcousticWaveFormulation : public akw_Keyword {
 public:
  // The host model's codes: no formulation, and the total-wave formulation;
  // every other code stands for the solver's default formulation.
  static constexpr int kNone = 0;
  static constexpr int kTotalWave = 2;

  explicit aif_AcousticWaveFormulation(int code) : code_(code) {}
  aif_AcousticWaveFormulation(const aif_AcousticWaveFormulation&) = default;

  akw_Keyword* Clone() const override { return new aif_AcousticWaveFormulation(*this); }
  // Nothing for kNone; otherwise the line "*Acoustic Wave Formulation", with
  // ", type=TOTAL WAVE" for kTotalWave.
  void Write(utl_Stream& stream) const override;

  int Code() const { return code_; }

 private:
  int code_;
};
