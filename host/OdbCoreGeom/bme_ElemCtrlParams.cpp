#include "OdbCoreGeom/bme_ElemCtrlParams.h"

namespace {

bme_ElemCtrlParams LibraryDefaults(int library) {
  bme_ElemCtrlParams defaults;
  if (library == 0) defaults.SetMaxDegradation(0.99);
  return defaults;
}

}  // namespace

bool bme_ElemCtrlParams::SameSectionControls(const bme_ElemCtrlParams& o) const {
  return kinematicSplit_ == o.kinematicSplit_ && hourglassControl_ == o.hourglassControl_ &&
         weightFactor_ == o.weightFactor_ && stressRate_ == o.stressRate_ &&
         secondOrderAccuracy_ == o.secondOrderAccuracy_ &&
         hourglassScaling_ == o.hourglassScaling_ && distortionControl_ == o.distortionControl_ &&
         lengthRatio_ == o.lengthRatio_ && elementDeletion_ == o.elementDeletion_ &&
         maxDegradation_ == o.maxDegradation_ && viscosity_ == o.viscosity_ &&
         scaling4_ == o.scaling4_ && scaling5_ == o.scaling5_;
}

bool bme_ElemCtrlParams::IsDefault() const {
  const bme_ElemCtrlParams defaults;
  return elementConversion_ == defaults.elementConversion_ &&
         hourglassStiffness_ == defaults.hourglassStiffness_ && SameSectionControls(defaults);
}

bool bme_ElemCtrlParams::HasDefaultSectionControls(int library) const {
  return SameSectionControls(LibraryDefaults(library >= 0 && library <= 3 ? library : 0));
}

bool operator==(const bme_ElemCtrlParams& a, const bme_ElemCtrlParams& b) {
  return a.ElementConversion() == b.ElementConversion() &&
         a.HourglassStiffness() == b.HourglassStiffness() &&
         a.KinematicSplit() == b.KinematicSplit() &&
         a.HourglassControl() == b.HourglassControl() && a.WeightFactor() == b.WeightFactor() &&
         a.StressRate() == b.StressRate() && a.SecondOrderAccuracy() == b.SecondOrderAccuracy() &&
         a.HourglassScaling() == b.HourglassScaling() &&
         a.DistortionControl() == b.DistortionControl() && a.LengthRatio() == b.LengthRatio() &&
         a.ElementDeletion() == b.ElementDeletion() && a.MaxDegradation() == b.MaxDegradation() &&
         a.Viscosity() == b.Viscosity() && a.ScalingFactor4() == b.ScalingFactor4() &&
         a.ScalingFactor5() == b.ScalingFactor5();
}
