// The kinds of predefined field: fields prescribed in the steps of the
// history (temperature, general field variables, pressure stress, mass flow
// rate) and the initial states written as initial conditions in the initial
// step (velocity, stress, hardening, saturation, ratios, pore pressure, fluid
// quantities, volume fractions, geostatic stress). Fields whose values vary
// per step keep them in a kpfC_GeneralFieldBaseState per step; the others
// hold their values on the field.
#pragma once

#include <array>
#include <cfloat>

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/mdl_PropAttr.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kpfC_InitialState.h"

// How values read from a results file are placed: 1 interpolated, 2 at
// midside nodes, 0 as they are.
enum kpfC_InterpolateEnm { kpfC_NO_INTERPOLATION = 0, kpfC_INTERPOLATE = 1, kpfC_MIDSIDE = 2 };

// The state of a field in one step: its magnitudes (or values) in order, its
// amplitude, and where values are read from a results file: the file, the
// step and increment (initial conditions), the first and last step and
// increment (predefined fields; 0 unset), the interpolation and the two
// exterior tolerances. Pressure stress reads its pressure from the first
// magnitude, mass flow rate its three values from the first three.
class kpfC_GeneralFieldBaseState : public kpfC_FieldState {
  KERN_CLASS_HEAD(kpfC_GeneralFieldBaseState, kpfC_FieldState, 0x30B0005)

  const cow_List<mdl_PropAttr<double>>& Magnitudes() const { return magnitudes_; }
  void SetMagnitudes(const cow_List<mdl_PropAttr<double>>& magnitudes) { magnitudes_ = magnitudes; }
  // Sets the magnitudes to `values`, each with `status`.
  void SetValues(std::initializer_list<double> values, int status = 1) {
    magnitudes_ = cow_List<mdl_PropAttr<double>>();
    for (double value : values)
      magnitudes_.Append(mdl_PropAttr<double>(value, status));
  }

  const mdl_PropAttr<cow_String>& Amplitude() const { return amplitude_; }
  void SetAmplitude(const cow_String& name, int status = 1) { amplitude_.Set(name, status); }

  const mdl_PropAttr<cow_String>& FileName() const { return fileName_; }
  void SetFileName(const cow_String& name, int status = 1) { fileName_.Set(name, status); }
  // Initial conditions: the step (0: none) and increment read.
  int StepNumber() const { return stepNumber_; }
  int IncrementNumber() const { return incrementNumber_; }
  void SetStepIncrement(int step, int increment) {
    stepNumber_ = step;
    incrementNumber_ = increment;
  }
  // Predefined fields: the first and last step and increment read.
  const mdl_PropAttr<int>& BeginStep() const { return beginStep_; }
  const mdl_PropAttr<int>& BeginIncrement() const { return beginIncrement_; }
  const mdl_PropAttr<int>& EndStep() const { return endStep_; }
  const mdl_PropAttr<int>& EndIncrement() const { return endIncrement_; }
  void SetStepRange(int beginStep, int beginIncrement, int endStep, int endIncrement,
                    int status = 1) {
    beginStep_.Set(beginStep, status);
    beginIncrement_.Set(beginIncrement, status);
    endStep_.Set(endStep, status);
    endIncrement_.Set(endIncrement, status);
  }
  const mdl_PropAttr<int>& Interpolation() const { return interpolation_; }
  void SetInterpolation(int interpolation, int status = 1) {
    interpolation_.Set(interpolation, status);
  }
  const mdl_PropAttr<double>& AbsoluteExteriorTolerance() const { return absoluteTolerance_; }
  const mdl_PropAttr<double>& ExteriorTolerance() const { return exteriorTolerance_; }
  void SetTolerances(double absolute, double exterior, int status = 1) {
    absoluteTolerance_.Set(absolute, status);
    exteriorTolerance_.Set(exterior, status);
  }

 private:
  cow_List<mdl_PropAttr<double>> magnitudes_;
  mdl_PropAttr<cow_String> amplitude_;
  mdl_PropAttr<cow_String> fileName_;
  int stepNumber_ = 0;
  int incrementNumber_ = 0;
  mdl_PropAttr<int> beginStep_;
  mdl_PropAttr<int> beginIncrement_;
  mdl_PropAttr<int> endStep_;
  mdl_PropAttr<int> endIncrement_;
  mdl_PropAttr<int> interpolation_;
  mdl_PropAttr<double> absoluteTolerance_;
  mdl_PropAttr<double> exteriorTolerance_{0.05, 0};
};

// Base of the fields with a state per step: how the magnitudes vary through
// the thickness (1 and 2: the list is complete; any other code: a short
// list is padded with its last magnitude).
class kpfC_GeneralFieldBase : public kpfC_Field {
  KERN_CLASS_HEAD(kpfC_GeneralFieldBase, kpfC_Field, 0x2ec0006)

  // The state stored for `step`; a state without magnitudes when none was.
  const kpfC_GeneralFieldBaseState& ConstGetState(const cow_String& step) const {
    static const kpfC_GeneralFieldBaseState empty;
    const auto* state = dynamic_cast<const kpfC_GeneralFieldBaseState*>(FindState(step));
    return state ? *state : empty;
  }
  // Stores `state` for `step`, keeping the status the field has there.
  void SetState(const cow_String& step, const kpfC_GeneralFieldBaseState& state) {
    kprC_PropagatingObject::SetState(step, StepStatus(step), state);
  }
  // Stores `state` for `step` with `status`.
  void SetState(const cow_String& step, int status, const kpfC_GeneralFieldBaseState& state) {
    kprC_PropagatingObject::SetState(step, status, state);
  }
  int Variation() const { return variation_; }
  void SetVariation(int variation) { variation_ = variation; }

 private:
  int variation_ = 0;
};

class kpfC_Temperature : public kpfC_GeneralFieldBase {
  KERN_CLASS_HEAD(kpfC_Temperature, kpfC_GeneralFieldBase, 0x2ec0008)
};

// A numbered field variable: "*Field, variable=N" (or "number=N" when the
// number is given).
class kpfC_GeneralField : public kpfC_GeneralFieldBase {
  KERN_CLASS_HEAD(kpfC_GeneralField, kpfC_GeneralFieldBase, 0x2ec0015)
  int Variable() const { return variable_; }
  void SetVariable(int variable) { variable_ = variable; }
  int Number() const { return number_; }
  void SetNumber(int number) { number_ = number; }

 private:
  int variable_ = 1;
  int number_ = 0;
};

class kpfC_PressureStress : public kpfC_GeneralFieldBase {
  KERN_CLASS_HEAD(kpfC_PressureStress, kpfC_GeneralFieldBase, 0x2ec000a)
};

class kpfC_MassFlowRate : public kpfC_GeneralFieldBase {
  KERN_CLASS_HEAD(kpfC_MassFlowRate, kpfC_GeneralFieldBase, 0x2ec0013)
};

// Initial states read from an earlier job's results file: the file, step
// and increment (-1: unset) and whether values are interpolated.
class kpfC_InitialConditionFromFile : public kpfC_Field {
  KERN_CLASS_HEAD(kpfC_InitialConditionFromFile, kpfC_Field, 0x2ec0019)
  const cow_String& FileName() const { return fileName_; }
  int StepNumber() const { return stepNumber_; }
  int IncrementNumber() const { return incrementNumber_; }
  bool Interpolate() const { return interpolate_; }
  void SetFile(const cow_String& name, int step, int increment, bool interpolate = false) {
    fileName_ = name;
    stepNumber_ = step;
    incrementNumber_ = increment;
    interpolate_ = interpolate;
  }

 private:
  cow_String fileName_;
  int stepNumber_ = -1;
  int incrementNumber_ = -1;
  bool interpolate_ = false;
};

// An initial velocity: translational (three components) or rotating (the
// rotation value w about the axis through two points).
class kpfC_Velocity : public kpfC_Field {
  KERN_CLASS_HEAD(kpfC_Velocity, kpfC_Field, 0x2ec0016)
  bool IsRotatingVelocity() const { return rotating_; }
  void SetRotating(bool rotating) { rotating_ = rotating; }
  // 0 and 1: three-dimensional; other values: planar.
  int Space() const { return space_; }
  void SetSpace(int space) { space_ = space; }
  const std::array<double, 3>& Components() const { return components_; }
  void SetComponents(const std::array<double, 3>& components) { components_ = components; }
  double Rotation() const { return rotation_; }
  void SetRotation(double rotation) { rotation_ = rotation; }
  const cow_List<float>& FirstPoint() const { return first_; }
  const cow_List<float>& SecondPoint() const { return second_; }
  void SetPoints(const cow_List<float>& first, const cow_List<float>& second) {
    first_ = first;
    second_ = second;
  }

 private:
  bool rotating_ = false;
  int space_ = 0;
  std::array<double, 3> components_{};
  double rotation_ = 0.0;
  cow_List<float> first_;
  cow_List<float> second_;
};

// An initial stress: six components, each DBL_MAX when unset.
class kpfC_Stress : public kpfC_InitialConditionFromFile {
  KERN_CLASS_HEAD(kpfC_Stress, kpfC_InitialConditionFromFile, 0x2ec001a)
  const std::array<double, 6>& Components() const { return components_; }
  void SetComponents(const std::array<double, 6>& components) { components_ = components; }

 private:
  std::array<double, 6> components_{DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX};
};

// A geostatic stress: six numbers in the order the kernel holds them (the
// sixth DBL_MAX when unset).
class kpfC_StressGeo : public kpfC_Field {
  KERN_CLASS_HEAD(kpfC_StressGeo, kpfC_Field, 0x2ec0039)
  const std::array<double, 6>& Numbers() const { return numbers_; }
  void SetNumbers(const std::array<double, 6>& numbers) { numbers_ = numbers; }

 private:
  std::array<double, 6> numbers_{0.0, 0.0, 0.0, 0.0, 0.0, DBL_MAX};
};

// An initial hardening: definition 0 full tensor, 1 plain, 2 rebar, 3
// section points, 4 user; the backstress count; the first value (one per
// rebar or section point); the backstress components (one row per rebar or
// section point; the full tensor reads the rows in order, six per
// backstress); the rebar names and section point numbers.
class kpfC_Hardening : public kpfC_Field {
  KERN_CLASS_HEAD(kpfC_Hardening, kpfC_Field, 0x2ec001f)
  int Definition() const { return definition_; }
  void SetDefinition(int definition) { definition_ = definition; }
  int BackstressCount() const { return backstresses_; }
  void SetBackstressCount(int count) { backstresses_ = count; }
  const cow_List<double>& Values() const { return values_; }
  void SetValues(const cow_List<double>& values) { values_ = values; }
  const cow_List<cow_List<double>>& Backstresses() const { return table_; }
  void SetBackstresses(const cow_List<cow_List<double>>& table) { table_ = table; }
  const cow_List<cow_String>& RebarNames() const { return rebars_; }
  void SetRebarNames(const cow_List<cow_String>& names) { rebars_ = names; }
  const cow_List<int>& SectionPoints() const { return sectionPoints_; }
  void SetSectionPoints(const cow_List<int>& points) { sectionPoints_ = points; }

 private:
  int definition_ = 1;
  int backstresses_ = 0;
  cow_List<double> values_;
  cow_List<cow_List<double>> table_;
  cow_List<cow_String> rebars_;
  cow_List<int> sectionPoints_;
};

class kpfC_Saturation : public kpfC_Field {
  KERN_CLASS_HEAD(kpfC_Saturation, kpfC_Field, 0x2ec001d)

  double Value() const { return value_; }
  void SetValue(double value) { value_ = value; }

 private:
  double value_ = 0.0;
};

// Voids ratio and pore pressure: a value, with three more numbers when the
// variation flag is 1; the analytical-field flag makes the uniform kind
// evaluated through the distribution field.
class kpfC_RatioBase : public kpfC_InitialConditionFromFile {
  KERN_CLASS_HEAD(kpfC_RatioBase, kpfC_InitialConditionFromFile, 0x2ec001c)
  double Value() const { return value_; }
  void SetValue(double value) { value_ = value; }
  int Variation() const { return variation_; }
  double VariationFirst() const { return variations_[0]; }
  double VariationSecond() const { return variations_[1]; }
  double VariationThird() const { return variations_[2]; }
  void SetVariation(int flag, const std::array<double, 3>& numbers) {
    variation_ = flag;
    variations_ = numbers;
  }
  int AnalyticalField() const { return analytical_; }
  void SetAnalyticalField(int flag) { analytical_ = flag; }

 private:
  double value_ = 0.0;
  int variation_ = 0;
  std::array<double, 3> variations_{};
  int analytical_ = 0;
};
class kpfC_VoidsRatio : public kpfC_RatioBase {
  KERN_CLASS_HEAD(kpfC_VoidsRatio, kpfC_RatioBase, 0x2ec001b)
};
class kpfC_PorePressure : public kpfC_RatioBase {
  KERN_CLASS_HEAD(kpfC_PorePressure, kpfC_RatioBase, 0x2ec0020)
};

// Volume fractions of an Eulerian section's material instances: per
// material instance name, the discrete field giving each element's fraction.
class kpfC_MaterialAssignment : public kpfC_Field {
  KERN_CLASS_HEAD(kpfC_MaterialAssignment, kpfC_Field, 0x2ec0032)
  const cow_Map<cow_String, cow_String>& FractionFields() const { return fractions_; }
  void SetFractionField(const cow_String& materialInstance, const cow_String& field) {
    fractions_.Set(materialInstance, field);
  }

 private:
  cow_Map<cow_String, cow_String> fractions_;
};

// Element-average fluid quantities.
class kpfC_FluidVelocity : public kpfC_Field {
  KERN_CLASS_HEAD(kpfC_FluidVelocity, kpfC_Field, 0x2ec0035)
  const std::array<double, 3>& Components() const { return components_; }
  void SetComponents(const std::array<double, 3>& components) { components_ = components; }

 private:
  std::array<double, 3> components_{};
};
// Kind 1: the one value; kind 2: the second and third.
class kpfC_FluidTurbulence : public kpfC_Field {
  KERN_CLASS_HEAD(kpfC_FluidTurbulence, kpfC_Field, 0x2ec0036)
  int Kind() const { return kind_; }
  const std::array<double, 3>& Values() const { return values_; }
  void SetTurbulence(int kind, const std::array<double, 3>& values) {
    kind_ = kind;
    values_ = values;
  }

 private:
  int kind_ = 1;
  std::array<double, 3> values_{};
};
// Selector 0 none, 1 temperature; the magnitude, given uniformly (0), by an
// expression field (1) or a discrete field (2) named by the distribution
// field name.
class kpfC_FluidThermalEnergy : public kpfC_Field {
  KERN_CLASS_HEAD(kpfC_FluidThermalEnergy, kpfC_Field, 0x2ec0037)
  int Selector() const { return selector_; }
  void SetSelector(int selector) { selector_ = selector; }
  double Magnitude() const { return magnitude_; }
  void SetMagnitude(double magnitude) { magnitude_ = magnitude; }
  int EnergyDistribution() const { return energyDistribution_; }
  void SetEnergyDistribution(int distribution) { energyDistribution_ = distribution; }

 private:
  int selector_ = 1;
  double magnitude_ = 0.0;
  int energyDistribution_ = 0;
};
class kpfC_FluidDensity : public kpfC_Field {
  KERN_CLASS_HEAD(kpfC_FluidDensity, kpfC_Field, 0x2ec0038)
  double Density() const { return density_; }
  void SetDensity(double density) { density_ = density; }

 private:
  double density_ = 0.0;
};

// A kernel field kind the op status knows (category 7) that no keyword
// writes.
class kpfC_OtherField : public kpfC_Field {
  KERN_CLASS_HEAD(kpfC_OtherField, kpfC_Field, 0x2ec002d)
};

// The labels of the field kinds shown to the user.
class kpfC_FieldTypeLabelMap {
 public:
  // The label of `typeId`; "Unknown" for a kind without one.
  static cow_String Label(unsigned typeId);
};
