#include "aif/impl/sections/aif_SectionControls.h"

#include <cmath>
#include <cstddef>
#include <string_view>

#include "QivBasicUtils/utl_Stream.h"

namespace {

// Values closer than this to their default count as the default.
constexpr double kTolerance = 1e-6;

// The most characters a real takes in its shortest round-trip form
// ("-2.2250738585072014e-308").
constexpr std::size_t kRealLength = 24;

// Starts the option `text` (its value, when it has one, `valueLength`
// characters at most): on a continuation line when the option would take the
// line past what the solver reads or the line is past the break column.
utl_Stream& Option(utl_Stream& stream, std::string_view text, std::size_t valueLength = 0) {
  (stream << ", ").OptionalLineBreak(text.size() + valueLength);
  return stream.Write(text.data(), text.size());
}

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
  if (p.DistortionControl() == 1) Option(stream, "DISTORTION CONTROL=YES");
  if (p.DistortionControl() == 2) Option(stream, "DISTORTION CONTROL=NO");
  if (std::fabs(p.LengthRatio() - 0.1) > kTolerance)
    Option(stream, "length ratio=", kRealLength) << p.LengthRatio();
  if (p.ElementDeletion() == 1) Option(stream, "ELEMENT DELETION=YES");
  if (p.ElementDeletion() == 2) Option(stream, "ELEMENT DELETION=NO");
  if (p.KinematicSplit() == 2) Option(stream, "kinematic split=ORTHOGONAL");
  if (p.KinematicSplit() == 3) Option(stream, "kinematic split=CENTROID");
  if (p.MaxDegradation() > kTolerance)
    Option(stream, "MAX DEGRADATION=", kRealLength) << p.MaxDegradation();
  switch (p.HourglassControl()) {
    case 5:
      Option(stream, "hourglass=ENHANCED");
      break;
    case 2:
      Option(stream, "hourglass=STIFFNESS");
      break;
    case 1:
      Option(stream, "hourglass=RELAX STIFFNESS");
      break;
    case 3:
      Option(stream, "hourglass=VISCOUS");
      break;
    case 4:
      Option(stream, "hourglass=COMBINED");
      break;
    default:
      break;
  }
  if (p.SecondOrderAccuracy() == 1) Option(stream, "second order accuracy=YES");
  if (p.Viscosity() != 0.0) Option(stream, "VISCOSITY=", kRealLength) << p.Viscosity();
  if (p.StressRate() == 2) Option(stream, "stress rate=SPIN");
  if (std::fabs(p.WeightFactor() - 0.5) > kTolerance)
    Option(stream, "weight factor=", kRealLength) << p.WeightFactor();
  stream << endl;
  const auto& s = p.HourglassScaling();
  stream << s[0] << ", " << s[1] << ", " << s[2];
  if (std::fabs(p.ScalingFactor4() - 1.0) > kTolerance ||
      std::fabs(p.ScalingFactor5() - 1.0) > kTolerance)
    stream << ", " << p.ScalingFactor4() << ", " << p.ScalingFactor5();
  stream << endl;
}
