// Files the model's amplitudes into the model definition, in name order:
// "*Spectrum", "*Psd-definition" or "*Amplitude" per amplitude, and a
// "*Baseline Correction" right after a tabular or equally spaced amplitude
// that carries one. A restart job files only the amplitudes the earlier
// job's results do not hold. A member of the input-file driver.
#pragma once

#include "AFCInputFileWriter/akw_BuilderComponent.h"

class aif_AmplitudeBuilder : public akw_BuilderComponent {
 public:
  explicit aif_AmplitudeBuilder(akw_ModelInfo& modelInfo) : akw_BuilderComponent(modelInfo) {}
  aif_AmplitudeBuilder(const aif_AmplitudeBuilder&) = default;

  // Throws aif_Exception "Missing .odb file <path> for restart job." before
  // filing anything when a restart job's results file is absent.
  void Build() override;
  akw_BuilderComponent* Clone() const override { return new aif_AmplitudeBuilder(*this); }
};
