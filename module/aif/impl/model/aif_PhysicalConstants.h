// "*Physical Constants": the model-wide absolute zero, Stefan-Boltzmann
// constant and universal gas constant, each written only when the model sets
// it. Made by the model-attributes builder.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"

class aif_PhysicalConstants : public akw_Keyword {
 public:
  // The value the host model holds for a constant it does not set.
  static constexpr double kUnset = 1.7976931348623157e308;

  aif_PhysicalConstants(double absoluteZero, double stefanBoltzmann, double universalGas)
      : absoluteZero_(absoluteZero),
        stefanBoltzmann_(stefanBoltzmann),
        universalGas_(universalGas) {}
  aif_PhysicalConstants(const aif_PhysicalConstants&) = default;

  akw_Keyword* Clone() const override { return new aif_PhysicalConstants(*this); }
  // Nothing when no constant is set. Otherwise one line, never broken:
  // "*Physical Constants" followed, for each set constant in this order, by
  // ", absolute zero=", ", stefan boltzmann=", ", universal gas=" and the
  // value in the stream's default real form. A set constant that is not a
  // finite number makes the stream throw nex_TextException.
  void Write(utl_Stream& stream) const override;

  // Whether the model sets a constant: its six-significant-digit general form
  // (the "%g" layout) differs from that of kUnset. Values within rounding of
  // the largest double count as unset; NaN and infinities count as set.
  static bool IsSet(double value);

  double AbsoluteZero() const { return absoluteZero_; }
  double StefanBoltzmann() const { return stefanBoltzmann_; }
  double UniversalGas() const { return universalGas_; }

 private:
  double absoluteZero_;
  double stefanBoltzmann_;
  double universalGas_;
};
