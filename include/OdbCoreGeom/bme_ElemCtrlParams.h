// The element control parameters of a section assignment: hourglass
// stiffness and the section controls (hourglass control, kinematic split,
// distortion control, element deletion, scaling factors, ...). A plain value:
// read through getters, changed through setters. Enumerations hold 0 when
// not set; the defaults of the numbers are those of a default-made object.
#pragma once

#include <array>

class bme_ElemCtrlParams {
 public:
  bme_ElemCtrlParams() = default;
  bme_ElemCtrlParams(const bme_ElemCtrlParams&) = default;
  bme_ElemCtrlParams& operator=(const bme_ElemCtrlParams&) = default;
  virtual ~bme_ElemCtrlParams() = default;

  using Triple = std::array<double, 3>;

  double ElementConversion() const { return elementConversion_; }
  const Triple& HourglassStiffness() const { return hourglassStiffness_; }
  // 2 orthogonal, 3 centroid.
  int KinematicSplit() const { return kinematicSplit_; }
  // 1 relax stiffness, 2 stiffness, 3 viscous, 4 combined, 5 enhanced.
  int HourglassControl() const { return hourglassControl_; }
  double WeightFactor() const { return weightFactor_; }
  // 2 spin.
  int StressRate() const { return stressRate_; }
  // 1 yes.
  int SecondOrderAccuracy() const { return secondOrderAccuracy_; }
  const Triple& HourglassScaling() const { return hourglassScaling_; }
  // 1 yes, 2 no.
  int DistortionControl() const { return distortionControl_; }
  double LengthRatio() const { return lengthRatio_; }
  // 1 yes, 2 no.
  int ElementDeletion() const { return elementDeletion_; }
  double MaxDegradation() const { return maxDegradation_; }
  double Viscosity() const { return viscosity_; }
  // The fourth and fifth scaling factors.
  double ScalingFactor4() const { return scaling4_; }
  double ScalingFactor5() const { return scaling5_; }
  unsigned Uid() const { return uid_; }

  void SetElementConversion(double v) { elementConversion_ = v; }
  void SetHourglassStiffness(const Triple& v) { hourglassStiffness_ = v; }
  void SetKinematicSplit(int v) { kinematicSplit_ = v; }
  void SetHourglassControl(int v) { hourglassControl_ = v; }
  void SetWeightFactor(double v) { weightFactor_ = v; }
  void SetStressRate(int v) { stressRate_ = v; }
  void SetSecondOrderAccuracy(int v) { secondOrderAccuracy_ = v; }
  void SetHourglassScaling(const Triple& v) { hourglassScaling_ = v; }
  void SetDistortionControl(int v) { distortionControl_ = v; }
  void SetLengthRatio(double v) { lengthRatio_ = v; }
  void SetElementDeletion(int v) { elementDeletion_ = v; }
  void SetMaxDegradation(double v) { maxDegradation_ = v; }
  void SetViscosity(double v) { viscosity_ = v; }
  void SetScalingFactors45(double s4, double s5) {
    scaling4_ = s4;
    scaling5_ = s5;
  }
  void SetUid(unsigned v) { uid_ = v; }

  // Whether every value but the identifier is that of a default-made object.
  bool IsDefault() const;
  // Whether the section-control values (all but the element conversion, the
  // hourglass stiffness and the identifier) are the defaults of element
  // library `library` (0 to 3; any other code is taken as 0). Libraries 1 to
  // 3 share the defaults of a default-made object; library 0 differs in its
  // maximum degradation, 0.99.
  bool HasDefaultSectionControls(int library) const;

 private:
  bool SameSectionControls(const bme_ElemCtrlParams& other) const;

  double elementConversion_ = 0.0;
  Triple hourglassStiffness_{0.0, 0.0, 0.0};
  int kinematicSplit_ = 0;
  int hourglassControl_ = 0;
  double weightFactor_ = 0.5;
  int stressRate_ = 0;
  int secondOrderAccuracy_ = 0;
  Triple hourglassScaling_{1.0, 1.0, 1.0};
  int distortionControl_ = 0;
  double lengthRatio_ = 0.1;
  int elementDeletion_ = 0;
  double maxDegradation_ = 0.0;
  double viscosity_ = 0.0;
  double scaling4_ = 1.0;
  double scaling5_ = 1.0;
  unsigned uid_ = 0;
};

// Whether two sets of element-control parameters hold the same values (the
// identifier is not compared).
bool operator==(const bme_ElemCtrlParams& a, const bme_ElemCtrlParams& b);
inline bool operator!=(const bme_ElemCtrlParams& a, const bme_ElemCtrlParams& b) {
  return !(a == b);
}
