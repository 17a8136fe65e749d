#include "aif/impl/sections/aif_SectionControls.h"

#include <cmath>

#include "QivBasicUtils/utl_Stream.h"

namespace {

// Values closer than this to their default count as the default.
constexpr double kTolerance = 1e-6;

}  // namespace

aif_SectionControls::aif_SectionControls(const bme_ElemCtrlParams& params, cow_String name,
                                         int analysisProduct)
    : name_(std::move(name)), analysisProduct_(analysisProduct), params_(params) {}

int aif_SectionControls::LibraryOf(int analysisProduct) {
  switch (analysisProduct) {
    case 0:
      return 1;
    case 1:
      return 2;
    case 2:
      return 3;
    default:
      return 0;
  }
}

bool aif_SectionControls::IsEmpty() const {
  return params_.HasDefaultSectionControls(LibraryOf(analysisProduct_));
}

void aif_SectionControls::Write(utl_Stream& stream) const {
  if (IsEmpty()) return;
  const bme_ElemCtrlParams& p = params_;
  stream << "*Section Controls, name=" << name_;
  if (p.DistortionControl() == 1) stream << ", DISTORTION CONTROL=YES";
  if (p.DistortionControl() == 2) stream << ", DISTORTION CONTROL=NO";
  if (std::fabs(p.LengthRatio() - 0.1) > kTolerance) stream << ", length ratio=" << p.LengthRatio();
  if (p.ElementDeletion() == 1) stream << ", ELEMENT DELETION=YES";
  if (p.ElementDeletion() == 2) stream << ", ELEMENT DELETION=NO";
  if (p.KinematicSplit() == 2) stream << ", kinematic split=ORTHOGONAL";
  if (p.KinematicSplit() == 3) stream << ", kinematic split=CENTROID";
  if (p.MaxDegradation() > kTolerance) stream << ", MAX DEGRADATION=" << p.MaxDegradation();
  switch (p.HourglassControl()) {
    case 5:
      stream << ", hourglass=ENHANCED";
      break;
    case 2:
      stream << ", hourglass=STIFFNESS";
      break;
    case 1:
      stream << ", hourglass=RELAX STIFFNESS";
      break;
    case 3:
      stream << ", hourglass=VISCOUS";
      break;
    case 4:
      stream << ", hourglass=COMBINED";
      break;
    default:
      break;
  }
  if (p.SecondOrderAccuracy() == 1) stream << ", second order accuracy=YES";
  if (p.Viscosity() != 0.0) stream << ", VISCOSITY=" << p.Viscosity();
  if (p.StressRate() == 2) stream << ", stress rate=SPIN";
  if (std::fabs(p.WeightFactor() - 0.5) > kTolerance)
    stream << ", weight factor=" << p.WeightFactor();
  stream << endl;
  const auto& s = p.HourglassScaling();
  stream << s[0] << ", " << s[1] << ", " << s[2];
  if (std::fabs(p.ScalingFactor4() - 1.0) > kTolerance ||
      std::fabs(p.ScalingFactor5() - 1.0) > kTolerance)
    stream << ", " << p.ScalingFactor4() << ", " << p.ScalingFactor5();
  stream << endl;
}
