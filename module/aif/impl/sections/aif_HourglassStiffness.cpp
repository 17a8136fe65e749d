#include "aif/impl/sections/aif_HourglassStiffness.h"

#include <cmath>

#include "QivBasicUtils/utl_Stream.h"

void aif_HourglassStiffness::Write(utl_Stream& stream) const {
  const auto& h = params_.HourglassStiffness();
  constexpr double kTolerance = 1e-6;
  if (std::fabs(h[0]) < kTolerance && std::fabs(h[1]) < kTolerance && std::fabs(h[2]) < kTolerance)
    return;
  stream << "*Hourglass Stiffness" << endl;
  stream << h[0] << ", , " << h[1] << ", " << h[2] << endl;
}
