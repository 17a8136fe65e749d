// Boundary conditions of the model: defined in a step and carried over to the
// later ones, each with a propagation status and a state per step, a region,
// and per kind what the boundary keywords read. One state class holds the
// values of every kind (as the load state does); each kind has its own state
// type so that writers can test what they are given.
#pragma once

#include <array>
#include <cfloat>
#include <cstddef>

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "ModelDatabase/mdl_PropAttr.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kprC_PropagatingObject.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivBasicUtils/omu_PrimEnum.h"

// A list of integers as the kernel keeps it in an attribute.
using cls_xpListInt = cow_List<int>;

// The fluid variables of fluid inlet, outlet and wall conditions.
enum kbcC_FluidVariable {
  kbcC_FLUID_P = 0,
  kbcC_FLUID_VELX,
  kbcC_FLUID_VELY,
  kbcC_FLUID_VELZ,
  kbcC_FLUID_TEMP,
  kbcC_FLUID_TURBKE,
  kbcC_FLUID_TURBEPS,
  kbcC_FLUID_TURBNU,
  kbcC_FLUID_HEATFLUX,
  kbcC_FLUID_VARIABLES
};

// A condition's state in one step.
class kbcC_BCState : public kern_Object {
  KERN_CLASS_HEAD(kbcC_BCState, kern_Object, 0x3030010)

  // The amplitude of the condition in the step (empty: none).
  const mdl_PropAttr<cow_String>& Amplitude() const { return amplitude_; }
  void SetAmplitude(const cow_String& name, int status) { amplitude_.Set(name, status); }

  // Whether the step takes real and imaginary parts, for a step of
  // `procedureType`.
  virtual bool UseComplex(unsigned procedureType) const {
    (void)procedureType;
    return useComplex_;
  }
  void SetUseComplex(bool complex) { useComplex_ = complex; }

  // Displacement, velocity, acceleration and connector kinds: component i (0
  // to 5) with its real part and status, and its imaginary part.
  const mdl_PropAttr<double>& Component(std::size_t i) const { return components_[i]; }
  double ImaginaryComponent(std::size_t i) const { return imaginary_[i]; }
  void SetComponent(std::size_t i, double real, int status, double imaginary = 0.0) {
    components_[i].Set(real, status);
    imaginary_[i] = imaginary;
  }
  // Buckling steps: 0 or 3 both load cases, 1 the first, 2 the second.
  int BucklingCase() const { return bucklingCase_; }
  void SetBucklingCase(int bucklingCase) { bucklingCase_ = bucklingCase; }

  // Single-value kinds (and temperature): the magnitude (real part) with its
  // status, and its imaginary part.
  const mdl_PropAttr<double>& Magnitude() const { return magnitude_; }
  double ImaginaryMagnitude() const { return imaginaryMagnitude_; }
  void SetMagnitude(double real, int status, double imaginary = 0.0) {
    magnitude_.Set(real, status);
    imaginaryMagnitude_ = imaginary;
  }

  // Type conditions: the kbcC_TypeBC::TypeNameEnm value.
  const mdl_PropAttr<int>& TypeName() const { return typeName_; }
  void SetTypeName(int type, int status) { typeName_.Set(type, status); }

  // Temperature and submodel conditions: the degrees of freedom (empty: none).
  const mdl_PropAttr<cls_xpListInt>& Dofs() const { return dofs_; }
  void SetDofs(const cls_xpListInt& dofs, int status) { dofs_.Set(dofs, status); }

  // Submodel conditions: the global model's step, whether its time is
  // scaled, fixed, the increment (0: none), the scale (1 unless set) and,
  // for shell-to-solid submodels, the distance of the driven nodes (0: one
  // tenth of the shell thickness).
  const cow_String& GlobalStep() const { return globalStep_; }
  bool TimeScale() const { return timeScale_; }
  const mdl_PropAttr<bool>& Fixed() const { return fixed_; }
  int Increment() const { return increment_; }
  const mdl_PropAttr<double>& Scale() const { return scale_; }
  const mdl_PropAttr<double>& DriveDistance() const { return driveDistance_; }
  void SetSubmodel(const cow_String& globalStep, bool timeScale, bool fixed, int increment,
                   double scale) {
    globalStep_ = globalStep;
    timeScale_ = timeScale;
    fixed_.Set(fixed, 1);
    increment_ = increment;
    scale_.Set(scale, 1);
  }
  void SetDriveDistance(double distance) { driveDistance_.Set(distance, 1); }

  // Fluid conditions: each variable's value and status; the amplitudes of
  // the momentum (pressure and velocities), of the thermal variables
  // (temperature and heat flux) and of each turbulence variable.
  const mdl_PropAttr<double>& Fluid(kbcC_FluidVariable v) const { return fluid_[v]; }
  void SetFluid(kbcC_FluidVariable v, double value, int status) { fluid_[v].Set(value, status); }
  const cow_String& MomentumAmplitude() const { return momentumAmplitude_; }
  void SetMomentumAmplitude(const cow_String& name) { momentumAmplitude_ = name; }
  const cow_String& ThermalAmplitude() const { return thermalAmplitude_; }
  void SetThermalAmplitude(const cow_String& name) { thermalAmplitude_ = name; }
  const cow_String& VariableAmplitude(kbcC_FluidVariable v) const { return fluidAmplitudes_[v]; }
  void SetVariableAmplitude(kbcC_FluidVariable v, const cow_String& name) {
    fluidAmplitudes_[v] = name;
  }

  // Eulerian conditions: definition (0 inflow, 1 outflow, other both),
  // inflow (0 free, 1 none, 2 void), outflow (0 zero pressure, 1 free, 2
  // nonreflecting, 3 nonuniform pressure).
  int Definition() const { return definition_; }
  int Inflow() const { return inflow_; }
  int Outflow() const { return outflow_; }
  void SetEulerian(int definition, int inflow, int outflow) {
    definition_ = definition;
    inflow_ = inflow;
    outflow_ = outflow;
  }

  // Eulerian mesh motion: nine position settings (0 free, else fixed), six
  // numbers (the first three unset at DBL_MAX, the others at 0), contract and
  // the four limits.
  const std::array<int, 9>& Positions() const { return positions_; }
  void SetPositions(const std::array<int, 9>& positions) { positions_ = positions; }
  const std::array<double, 6>& Numbers() const { return numbers_; }
  void SetNumbers(const std::array<double, 6>& numbers) { numbers_ = numbers; }
  bool Contract() const { return contract_; }
  double VmaxFactor() const { return vmaxFactor_; }
  double AspectRatioMax() const { return aspectRatioMax_; }
  double VolFracMin() const { return volFracMin_; }
  double Buffer() const { return buffer_; }
  void SetMotionLimits(bool contract, double vmaxFactor, double aspectRatioMax, double volFracMin,
                       double buffer) {
    contract_ = contract;
    vmaxFactor_ = vmaxFactor;
    aspectRatioMax_ = aspectRatioMax;
    volFracMin_ = volFracMin;
    buffer_ = buffer;
  }

 private:
  mdl_PropAttr<cow_String> amplitude_;
  bool useComplex_ = false;
  std::array<mdl_PropAttr<double>, 6> components_;
  std::array<double, 6> imaginary_{};
  int bucklingCase_ = 0;
  mdl_PropAttr<double> magnitude_;
  double imaginaryMagnitude_ = 0.0;
  mdl_PropAttr<int> typeName_;
  mdl_PropAttr<cls_xpListInt> dofs_;
  cow_String globalStep_;
  bool timeScale_ = false;
  mdl_PropAttr<bool> fixed_;
  int increment_ = 0;
  mdl_PropAttr<double> scale_{1.0, 0};
  mdl_PropAttr<double> driveDistance_;
  std::array<mdl_PropAttr<double>, kbcC_FLUID_VARIABLES> fluid_;
  cow_String momentumAmplitude_;
  cow_String thermalAmplitude_;
  std::array<cow_String, kbcC_FLUID_VARIABLES> fluidAmplitudes_;
  int definition_ = 2;
  int inflow_ = 0;
  int outflow_ = 0;
  std::array<int, 9> positions_{};
  std::array<double, 6> numbers_{DBL_MAX, DBL_MAX, DBL_MAX, 0.0, 0.0, 0.0};
  bool contract_ = true;
  double vmaxFactor_ = 1.01;
  double aspectRatioMax_ = 10.0;
  double volFracMin_ = 0.5;
  double buffer_ = 2.0;

  // What the boundary-condition check reads of a state: whether the state
  // keeps a condition fixed at its current position in a step of
  // `procedureType` (yes unless set), and the turbulence type (0 none, 1 and
  // 2 the two turbulence models) and energy-equation type (0 none) a fluid
  // condition was created or last edited under.
 public:
  virtual bool FixedAtCurrentPosition(unsigned procedureType) const {
    (void)procedureType;
    return fixedAtCurrentPosition_;
  }
  void SetFixedAtCurrentPosition(bool fixed) { fixedAtCurrentPosition_ = fixed; }
  int TurbulenceType() const { return turbulenceType_; }
  int EnergyEquationType() const { return energyEquationType_; }
  void SetFluidModels(int turbulenceType, int energyEquationType) {
    turbulenceType_ = turbulenceType;
    energyEquationType_ = energyEquationType;
  }

 private:
  bool fixedAtCurrentPosition_ = true;
  int turbulenceType_ = 0;
  int energyEquationType_ = 0;
};

// The state of each kind.
#define KBC_STATE(Name, Base, Id)   \
  class Name : public Base {        \
    KERN_CLASS_HEAD(Name, Base, Id) \
  };
KBC_STATE(kbcC_DisplacementBCState, kbcC_BCState, 0x3030011)
KBC_STATE(kbcC_VelocityBCState, kbcC_BCState, 0x3030012)
KBC_STATE(kbcC_AccelerationBCState, kbcC_BCState, 0x3030013)
KBC_STATE(kbcC_TypeBCState, kbcC_BCState, 0x3030014)
KBC_STATE(kbcC_DistributedBCState, kbcC_BCState, 0x3030015)
KBC_STATE(kbcC_SubmodelBCState, kbcC_BCState, 0x3030016)
KBC_STATE(kbcC_FluidBCState, kbcC_BCState, 0x3030017)
KBC_STATE(kbcC_EulerianBCState, kbcC_BCState, 0x3030018)
KBC_STATE(kbcC_EulerianMotionBCState, kbcC_BCState, 0x3030019)
KBC_STATE(kbcC_ConnDisplacementBCState, kbcC_BCState, 0x303001a)
#undef KBC_STATE

class kbcC_BC : public kprC_PropagatingObject {
  KERN_CLASS_HEAD(kbcC_BC, kprC_PropagatingObject, 0x3030001)

  // Distribution codes.
  static constexpr int kUniform = 0;
  static constexpr int kUserDefined = 1;
  static constexpr int kAnalyticalField = 2;

  // The propagation status in `step` (0 for a step the condition does not
  // have) and whether a status 3 or 10 there really changes it.
  virtual int GetPropStatus(const cow_String& step) const { return StepStatus(step); }
  virtual bool IsModified(const cow_String& step) const { return StepModified(step); }
  // Whether `status` applies the condition: created, carried over, modified,
  // or taken over by a load case (1, 2, 3, 9, 10).
  virtual bool IsActive(int status) const {
    return (status >= 1 && status <= 3) || status == 9 || status == 10;
  }

  // The state in `step` as a condition state; an empty one for a step
  // without one.
  const kbcC_BCState& ConstGetState(const cow_String& step) const;
  // Gives the condition `status` and `state` in `step`, a step of
  // `procedureType` (0: no step object).
  void SetState(const cow_String& step, int status, const kern_Object& state,
                unsigned procedureType = 0) {
    kprC_PropagatingObject::SetState(step, status, state);
    SetProcedureType(step, procedureType);
  }

  // The magnitude attribute and its parts in `step` (single-value kinds).
  const mdl_PropAttr<double>& MagnitudeState(const cow_String& step) const {
    return ConstGetState(step).Magnitude();
  }
  double RealMagnitude(const cow_String& step) const {
    return ConstGetState(step).Magnitude().Value();
  }
  double ImagMagnitude(const cow_String& step) const {
    return ConstGetState(step).ImaginaryMagnitude();
  }

  const rgnC_Region& Region() const { return region_; }
  void SetRegion(const rgnC_Region& region) { region_ = region; }
  // The step the condition was created in.
  const cow_String& CreatedStepName() const { return createdStep_; }
  void SetCreatedStepName(const cow_String& step) { createdStep_ = step; }

  // The distribution (0 uniform, 1 user subroutine, 2 analytical field, any
  // other value a discrete field) and the field it names.
  int DistribTypeEnum() const { return distribution_; }
  void SetDistribution(int distribution, const cow_String& fieldName = cow_String()) {
    distribution_ = distribution;
    fieldName_ = fieldName;
  }
  // Whether the values come from a field; `fieldName` then names it.
  bool UsesField(cow_String& fieldName) const {
    fieldName = fieldName_;
    return distribution_ != kUniform && distribution_ != kUserDefined && !fieldName_.IsEmpty();
  }
  // The condition holds its current value.
  bool Fixed() const { return fixed_; }
  void SetFixed(bool fixed) { fixed_ = fixed; }
  // The datum coordinate system the condition's degrees of freedom are
  // given in; a null reference for the global system.
  const dtmC_DatumRef& LocalCsys() const { return localCsys_; }
  void SetLocalCsys(const dtmC_DatumRef& csys) { localCsys_ = csys; }

 private:
  rgnC_Region region_;
  dtmC_DatumRef localCsys_;
  cow_String createdStep_;
  int distribution_ = kUniform;
  cow_String fieldName_;
  bool fixed_ = false;

  // The condition's own status word, read by the transforms check: 0 for a
  // condition in force (the default); tests set other values.
 public:
  int GetStatus() const { return status_; }
  void SetStatusWord(int status) { status_ = status; }

 private:
  int status_ = 0;
};

#define KBC_KIND(Name, Base, Id)    \
  class Name : public Base {        \
    KERN_CLASS_HEAD(Name, Base, Id) \
  };

// The three structural kinds name their component getters after the
// degrees of freedom (GetU1State, GetU1Real, GetU1Imag, ...).
#define KBC_COMPONENT(Dof, i)                           \
  int Get##Dof##State(const cow_String& step) const {   \
    return ConstGetState(step).Component(i).Status();   \
  }                                                     \
  double Get##Dof##Real(const cow_String& step) const { \
    return ConstGetState(step).Component(i).Value();    \
  }                                                     \
  double Get##Dof##Imag(const cow_String& step) const { \
    return ConstGetState(step).ImaginaryComponent(i);   \
  }

class kbcC_DisplacementBC : public kbcC_BC {
  KERN_CLASS_HEAD(kbcC_DisplacementBC, kbcC_BC, 0x2980005)
  KBC_COMPONENT(U1, 0)
  KBC_COMPONENT(U2, 1)
  KBC_COMPONENT(U3, 2)
  KBC_COMPONENT(UR1, 3)
  KBC_COMPONENT(UR2, 4)
  KBC_COMPONENT(UR3, 5)
};
class kbcC_VelocityBC : public kbcC_BC {
  KERN_CLASS_HEAD(kbcC_VelocityBC, kbcC_BC, 0x2980007)
  KBC_COMPONENT(V1, 0)
  KBC_COMPONENT(V2, 1)
  KBC_COMPONENT(V3, 2)
  KBC_COMPONENT(VR1, 3)
  KBC_COMPONENT(VR2, 4)
  KBC_COMPONENT(VR3, 5)
};
class kbcC_AccelerationBC : public kbcC_BC {
  KERN_CLASS_HEAD(kbcC_AccelerationBC, kbcC_BC, 0x2980009)
  KBC_COMPONENT(A1, 0)
  KBC_COMPONENT(A2, 1)
  KBC_COMPONENT(A3, 2)
  KBC_COMPONENT(AR1, 3)
  KBC_COMPONENT(AR2, 4)
  KBC_COMPONENT(AR3, 5)
};
#undef KBC_COMPONENT

// Symmetry, antisymmetry and fixing types.
class kbcC_TypeBC : public kbcC_BC {
  KERN_CLASS_HEAD(kbcC_TypeBC, kbcC_BC, 0x298000c)
  enum TypeNameEnm { XSYMM = 0, YSYMM, ZSYMM, XASYMM, YASYMM, ZASYMM, PINNED, ENCASTRE };
};
template <>
struct omu_EnumTexts<kbcC_TypeBC::TypeNameEnm> {
  static constexpr omu_EnumText kTable[] = {
      {kbcC_TypeBC::XSYMM, "XSYMM"},   {kbcC_TypeBC::YSYMM, "YSYMM"},
      {kbcC_TypeBC::ZSYMM, "ZSYMM"},   {kbcC_TypeBC::XASYMM, "XASYMM"},
      {kbcC_TypeBC::YASYMM, "YASYMM"}, {kbcC_TypeBC::ZASYMM, "ZASYMM"},
      {kbcC_TypeBC::PINNED, "PINNED"}, {kbcC_TypeBC::ENCASTRE, "ENCASTRE"}};
};

// Conditions of one value: temperature and the six single-value kinds.
KBC_KIND(kbcC_DistributedBC, kbcC_BC, 0x2980012)
KBC_KIND(kbcC_TemperatureBC, kbcC_DistributedBC, 0x2980010)
KBC_KIND(kbcC_PorePressureBC, kbcC_DistributedBC, 0x2980014)
KBC_KIND(kbcC_AcousticPressureBC, kbcC_DistributedBC, 0x2980016)
KBC_KIND(kbcC_FluidCavityPressureBC, kbcC_DistributedBC, 0x2980018)
KBC_KIND(kbcC_ElectricPotentialBC, kbcC_DistributedBC, 0x298001a)
KBC_KIND(kbcC_ConcentrationBC, kbcC_DistributedBC, 0x298001c)
KBC_KIND(kbcC_MassFlowBC, kbcC_DistributedBC, 0x2980031)

// Eulerian inflow and outflow.
class kbcC_EulerianBC : public kbcC_BC {
  KERN_CLASS_HEAD(kbcC_EulerianBC, kbcC_BC, 0x2980033)
  const kbcC_BCState& ConstGetState(const cow_String& step) const {
    return kbcC_BC::ConstGetState(step);
  }
};

// How the Eulerian mesh follows a surface: the instance of the Eulerian
// part, the surface (its region when SurfaceIsRegion(), else named) and an
// optional orientation.
class kbcC_EulerianMotionBC : public kbcC_BC {
  KERN_CLASS_HEAD(kbcC_EulerianMotionBC, kbcC_BC, 0x2980038)
  const cow_String& InstanceName() const { return instanceName_; }
  void SetInstanceName(const cow_String& name) { instanceName_ = name; }
  bool SurfaceIsRegion() const { return surfaceIsRegion_; }
  const cow_String& SurfaceName() const { return surfaceName_; }
  void SetSurface(bool isRegion, const cow_String& name) {
    surfaceIsRegion_ = isRegion;
    surfaceName_ = name;
  }
  const dtmC_DatumRef& Orientation() const { return orientation_; }
  void SetOrientation(const dtmC_DatumRef& orientation) { orientation_ = orientation; }

 private:
  cow_String instanceName_;
  bool surfaceIsRegion_ = false;
  cow_String surfaceName_;
  dtmC_DatumRef orientation_;
};

// Fluid inlet or outlet: momentum given by pressure (1) or velocity (2).
class kbcC_FluidInletOutletBC : public kbcC_BC {
  KERN_CLASS_HEAD(kbcC_FluidInletOutletBC, kbcC_BC, 0x298003b)
  int momentumTypeEnm() const { return momentumType_; }
  void SetMomentumType(int type) { momentumType_ = type; }

 private:
  int momentumType_ = 1;
};

// A fluid wall: condition type 1 holds the fluid at rest; thermal energy
// type 2 gives a temperature, 0 a heat flux.
class kbcC_FluidWallConditionBC : public kbcC_BC {
  KERN_CLASS_HEAD(kbcC_FluidWallConditionBC, kbcC_BC, 0x298003e)
  int wallConditionTypeEnm() const { return wallType_; }
  void SetWallConditionType(int type) { wallType_ = type; }
  int thermalEnergyTypeEnm() const { return thermalType_; }
  void SetThermalEnergyType(int type) { thermalType_ = type; }
  // Whether the wall has data to write in `step` under a one- or
  // two-equation turbulence model: a wall that holds the fluid at rest
  // always has; otherwise it has when a variable is set or carried over, or
  // a turbulence model asks for the wall distance.
  bool WritesData(const cow_String& step, bool turbulenceOne, bool turbulenceTwo) const;

 private:
  int wallType_ = 0;
  int thermalType_ = 2;
};

// Connector motions.
KBC_KIND(kbcC_ConnectorBC, kbcC_BC, 0x2980023)
KBC_KIND(kbcC_ConnDisplacementBC, kbcC_ConnectorBC, 0x2980024)
KBC_KIND(kbcC_ConnVelocityBC, kbcC_ConnectorBC, 0x2980026)
KBC_KIND(kbcC_ConnAccelerationBC, kbcC_ConnectorBC, 0x2980028)

// A kernel kind the builder and op status accept but no boundary keyword
// writes.
KBC_KIND(kbcC_OtherBC, kbcC_BC, 0x298000e)
#undef KBC_KIND

// The labels of the condition kinds shown to the user.
class kbcC_BCTypeLabelMap {
 public:
  // The label of `typeId`; "Unknown" for a kind without one.
  static cow_String Label(unsigned typeId);
};
