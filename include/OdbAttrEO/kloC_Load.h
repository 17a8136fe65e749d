// Loads of the model, defined in a step and carried over to later ones: a
// propagation status and a state per step, the region loaded, and per kind
// what the load keywords read (complex values, fields, axes, directions).
#pragma once

#include <array>
#include <utility>

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "ModKerLow/dtmK_Datum.h"
#include "ModelDatabase/mdl_PropAttr.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kprC_PropagatingObject.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivBasicUtils/omi_complex.h"
#include "QivGeom/gsl_ModelSegment.h"
#include "QivGeom/gsl_Point.h"
#include "QivGeom/gsl_Vector.h"

// How a bolt load acts in a step.
enum kloC_BoltLoadMethodEnm {
  kloC_APPLY_FORCE = 0,
  kloC_ADJUST_LENGTH = 1,
  kloC_FIX_LENGTH = 2,
};

// A load's state in one step. Every kind keeps its values here: the
// magnitude or up to three components (values 0 to 2), each with its own
// status; the amplitude; for a bolt load its method, length and leading
// flag.
class kloC_LoadState : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x3080002;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kloC_LoadState* Clone() const override { return new kloC_LoadState(*this); }
  CLS_REGISTER(kloC_LoadState, kern_Object)

  kloC_LoadState() = default;
  // A state of `status` whose first values are `values`, each with `status`.
  kloC_LoadState(int status, std::initializer_list<double> values) : status_(status) {
    std::size_t i = 0;
    for (double value : values)
      if (i < values_.size()) values_[i++].Set(value, status);
  }

  // The state's own propagation status in its step.
  int Status() const { return status_; }
  void SetStatus(int status) { status_ = status; }

  const mdl_PropAttr<cow_String>& Amplitude() const { return amplitude_; }
  const cow_String& AmplitudeName() const { return amplitude_.Value(); }
  void SetAmplitude(const cow_String& name, int status) { amplitude_.Set(name, status); }

  // Value `i` (0 to 2): the magnitude, a component or a further value.
  const mdl_PropAttr<double>& Value(std::size_t i) const { return values_[i]; }
  void SetValue(std::size_t i, double value, int status, bool modified = false) {
    values_[i].Set(value, status, modified);
  }

  // Bolt loads.
  const mdl_PropAttr<kloC_BoltLoadMethodEnm>& Method() const { return method_; }
  void SetMethod(kloC_BoltLoadMethodEnm method, int status, bool modified) {
    method_.Set(method, status, modified);
  }
  const mdl_PropAttr<double>& Length() const { return length_; }
  void SetLength(double length, int status) { length_.Set(length, status); }
  bool Leading() const { return leading_; }
  void SetLeading(bool leading) { leading_ = leading; }

  // Stress-based submodels: the global model's step and the scale of its
  // stresses (1 unless set).
  const cow_String& GlobalStep() const { return globalStep_; }
  double GlobalScale() const { return globalScale_; }
  void SetGlobalStep(const cow_String& step, double scale) {
    globalStep_ = step;
    globalScale_ = scale;
  }

  // Substructure loads: the substructure's load cases applied, in order.
  const cow_List<cow_String>& LoadCaseNames() const { return loadCases_; }
  void SetLoadCaseNames(const cow_List<cow_String>& names) { loadCases_ = names; }

  // Inertia relief: fixed, the free directions 1 to 6 (index 0 to 5) and the
  // reference point (empty when none).
  bool Fixed() const { return fixed_; }
  void SetFixed(bool fixed) { fixed_ = fixed; }
  const std::array<bool, 6>& Directions() const { return directions_; }
  void SetDirections(const std::array<bool, 6>& directions) { directions_ = directions; }
  const cow_List<float>& ReferencePoint() const { return referencePoint_; }
  void SetReferencePoint(const cow_List<float>& point) { referencePoint_ = point; }

 private:
  int status_ = 0;
  mdl_PropAttr<cow_String> amplitude_;
  std::array<mdl_PropAttr<double>, 3> values_;
  mdl_PropAttr<kloC_BoltLoadMethodEnm> method_;
  mdl_PropAttr<double> length_;
  bool leading_ = false;
  cow_String globalStep_;
  double globalScale_ = 1.0;
  cow_List<cow_String> loadCases_;
  bool fixed_ = false;
  std::array<bool, 6> directions_{};
  cow_List<float> referencePoint_;
};

// The per-kind names of the state.
using kloC_ConcentratedForceState = kloC_LoadState;
using kloC_MomentState = kloC_LoadState;
using kloC_PressureState = kloC_LoadState;
using kloC_SurfaceTractionState = kloC_LoadState;
using kloC_ShellEdgeLoadState = kloC_LoadState;
using kloC_BodyForceState = kloC_LoadState;
using kloC_LineLoadState = kloC_LoadState;
using kloC_GravityState = kloC_LoadState;
using kloC_RotationalBodyForceState = kloC_LoadState;
using kloC_CoriolisForceState = kloC_LoadState;
using kloC_PipePressureState = kloC_LoadState;
using kloC_BoltLoadState = kloC_LoadState;

class kloC_Load : public kprC_PropagatingObject {
 public:
  static constexpr unsigned kTypeId = 0x3080001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kloC_Load* Clone() const override { return new kloC_Load(*this); }
  CLS_REGISTER(kloC_Load, kprC_PropagatingObject)

  // Whether a propagation status applies the load: created, carried over or
  // modified in the step (1 to 3).
  static bool IsActive(int status) { return status >= 1 && status <= 3; }

  // The status in `step`; 0 for a step the load does not have.
  int Status(const cow_String& step) const { return StepStatus(step); }
  // The state in `step` as the kernel hands it out (any kernel object a test
  // stores); an empty kloC_LoadState for a step without one.
  const kern_Object& ConstGetStateQuad(const cow_String& step) const;
  // The state in `step` as a load state; an empty one for a step without a
  // load state.
  const kloC_LoadState& ConstGetState(const cow_String& step) const;

  const rgnC_Region& Region() const { return region_; }
  void SetRegion(const rgnC_Region& region) { region_ = region; }
  // A pressure's second region (the empty region when none).
  const rgnC_Region& SecondRegion() const { return secondRegion_; }
  void SetSecondRegion(const rgnC_Region& region) { secondRegion_ = region; }

  // Whether the load's magnitude comes from a field; `fieldName` then names
  // it. Distributed loads and tractions answer by their distribution (2).
  virtual bool UsesField(cow_String& fieldName) const {
    fieldName = fieldName_;
    return !fieldName_.IsEmpty();
  }
  const cow_String& FieldName() const { return fieldName_; }
  void SetFieldName(const cow_String& name) { fieldName_ = name; }
  // The kernel's distribution code; its meaning depends on the kind.
  int Distribution() const { return distribution_; }
  void SetDistribution(int distribution) { distribution_ = distribution; }

  // Complex loads: the flag and up to three complex values.
  bool IsComplex() const { return complex_; }
  const omi_complex& ComplexValue(std::size_t i) const { return complexValues_[i]; }
  void SetComplex(std::initializer_list<omi_complex> values) {
    complex_ = true;
    std::size_t i = 0;
    for (const omi_complex& value : values)
      if (i < complexValues_.size()) complexValues_[i++] = value;
  }
  void SetComplexValue(std::size_t i, const omi_complex& value) { complexValues_[i] = value; }
  void SetIsComplex(bool complex) { complex_ = complex; }

  // Forces, moments and tractions that follow the deformation.
  bool Follower() const { return follower_; }
  void SetFollower(bool follower) { follower_ = follower; }

  // Concentrated forces and moments: the datum coordinate system their
  // components are given in; a null reference for the global system.
  const dtmC_DatumRef& LocalCsys() const { return localCsys_; }
  void SetLocalCsys(const dtmC_DatumRef& csys) { localCsys_ = csys; }

 private:
  rgnC_Region region_;
  dtmC_DatumRef localCsys_;
  rgnC_Region secondRegion_;
  cow_String fieldName_;
  int distribution_ = 0;
  bool complex_ = false;
  std::array<omi_complex, 3> complexValues_;
  bool follower_ = false;
};

#define KLO_LOAD_CLASS(Name, Base, Id) KERN_CLASS_HEAD(Name, Base, Id)

// A load kind that adds nothing to its base but its type.
#define KLO_PLAIN_LOAD(Name, Base, Id) \
  class Name : public Base {           \
   public:                             \
    KLO_LOAD_CLASS(Name, Base, Id)     \
  };

// Loads whose distribution code 2 means "given by a field".
class kloC_Distributed : public kloC_Load {
 public:
  KLO_LOAD_CLASS(kloC_Distributed, kloC_Load, 0x2880012)
  bool UsesField(cow_String& fieldName) const override {
    fieldName = FieldName();
    return Distribution() == 2;
  }
};

// Surface tractions and shell edge loads.
class kloC_Traction : public kloC_Load {
 public:
  KLO_LOAD_CLASS(kloC_Traction, kloC_Load, 0x2880054)
  bool UsesField(cow_String& fieldName) const override {
    fieldName = FieldName();
    return Distribution() == 2;
  }
  // 0 to 4; the label it selects depends on the kind.
  int TractionKind() const { return tractionKind_; }
  void SetTractionKind(int kind) { tractionKind_ = kind; }
  bool ConstantResultant() const { return constantResultant_; }
  void SetConstantResultant(bool constant) { constantResultant_ = constant; }
  // The orientation named by the load itself (empty when none), else the
  // datum system and its angle.
  const cow_String& OrientationName() const { return orientationName_; }
  void SetOrientationName(const cow_String& name) { orientationName_ = name; }
  const dtmC_DatumRef& DatumRef() const { return datum_; }
  double OrientationNumber() const { return orientationNumber_; }
  void SetDatum(const dtmC_DatumRef& datum, double number) {
    datum_ = datum;
    orientationNumber_ = number;
  }
  // The local axis (0, 1, 2) the datum system is turned about by the angle.
  int OrientationAxis() const { return orientationAxis_; }
  void SetOrientationAxis(int axis) { orientationAxis_ = axis; }
  const gsl_ModelSegment& DirectionSegment() const { return direction_; }
  void SetDirectionSegment(const gsl_ModelSegment& direction) { direction_ = direction; }

 private:
  int tractionKind_ = 0;
  bool constantResultant_ = false;
  cow_String orientationName_;
  dtmC_DatumRef datum_;
  double orientationNumber_ = 0.0;
  int orientationAxis_ = 0;
  gsl_ModelSegment direction_;
};

// Concentrated loads.
KLO_PLAIN_LOAD(kloC_ConcentratedForce, kloC_Load, 0x2880001)
class kloC_Moment : public kloC_Load {
 public:
  KLO_LOAD_CLASS(kloC_Moment, kloC_Load, 0x2880002)
  // The modelling space the moment was defined in (filters its components).
  int ModelSpaceCode() const { return modelSpace_; }
  void SetModelSpaceCode(int code) { modelSpace_ = code; }

 private:
  int modelSpace_ = 0;
};
KLO_PLAIN_LOAD(kloC_PEGLoad, kloC_Load, 0x288000A)
KLO_PLAIN_LOAD(kloC_ConcentratedPoreFluid, kloC_Load, 0x288000B)
KLO_PLAIN_LOAD(kloC_InwardVolAccel, kloC_Load, 0x288000C)
KLO_PLAIN_LOAD(kloC_ReferencePressure, kloC_Load, 0x288000D)
// A bolt load: a pre-tension applied across a cut of its region.
class kloC_BoltLoad : public kloC_Load {
 public:
  KLO_LOAD_CLASS(kloC_BoltLoad, kloC_Load, 0x2880024)
  // How the bolt axis is found (0 or 1 let an element region define the
  // section) and the kind of the region (4: elements).
  int AxisSetting() const { return axisSetting_; }
  void SetAxisSetting(int setting) { axisSetting_ = setting; }
  int RegionType() const { return regionType_; }
  void SetRegionType(int type) { regionType_ = type; }
  // The axis the kernel finds for the bolt (the zero vector unless set).
  const gsl_Vector& KernelAxis() const { return axis_; }
  void SetKernelAxis(const gsl_Vector& axis) { axis_ = axis; }

 private:
  int axisSetting_ = 0;
  int regionType_ = 0;
  gsl_Vector axis_;
};

// Distributed mechanical loads.
KLO_PLAIN_LOAD(kloC_Pressure, kloC_Load, 0x2880003)
KLO_PLAIN_LOAD(kloC_SurfaceTraction, kloC_Traction, 0x2880055)
KLO_PLAIN_LOAD(kloC_ShellEdgeLoad, kloC_Traction, 0x2880057)
KLO_PLAIN_LOAD(kloC_BodyForce, kloC_Load, 0x2880004)
class kloC_LineLoad : public kloC_Load {
 public:
  KLO_LOAD_CLASS(kloC_LineLoad, kloC_Load, 0x2880005)
  // 1: the global system (PX, PY, PZ); otherwise the beam's local one.
  int DirectionSystem() const { return system_; }
  void SetDirectionSystem(int system) { system_ = system; }

 private:
  int system_ = 1;
};
KLO_PLAIN_LOAD(kloC_Gravity, kloC_Load, 0x2880006)
// Loads about an axis through two points.
class kloC_RotationalBodyForce : public kloC_Load {
 public:
  KLO_LOAD_CLASS(kloC_RotationalBodyForce, kloC_Load, 0x2880007)
  bool Centrifugal() const { return centrifugal_; }
  bool RotaryAcceleration() const { return rotary_; }
  void SetEffects(bool centrifugal, bool rotaryAcceleration) {
    centrifugal_ = centrifugal;
    rotary_ = rotaryAcceleration;
  }
  const gsl_Point& AxisPoint1() const { return axis1_; }
  const gsl_Point& AxisPoint2() const { return axis2_; }
  void SetAxis(const gsl_Point& first, const gsl_Point& second) {
    axis1_ = first;
    axis2_ = second;
  }

 private:
  bool centrifugal_ = false;
  bool rotary_ = false;
  gsl_Point axis1_;
  gsl_Point axis2_;
};
class kloC_CoriolisForce : public kloC_Load {
 public:
  KLO_LOAD_CLASS(kloC_CoriolisForce, kloC_Load, 0x2880008)
  const gsl_Point& AxisPoint1() const { return axis1_; }
  const gsl_Point& AxisPoint2() const { return axis2_; }
  void SetAxis(const gsl_Point& first, const gsl_Point& second) {
    axis1_ = first;
    axis2_ = second;
  }

 private:
  gsl_Point axis1_;
  gsl_Point axis2_;
};
class kloC_PipePressure : public kloC_Load {
 public:
  KLO_LOAD_CLASS(kloC_PipePressure, kloC_Load, 0x2880009)
  // Clear: internal ("PI"); set: external ("PE").
  bool External() const { return external_; }
  void SetExternal(bool external) { external_ = external; }
  // The load's fixed value, the last field of its data line.
  double FixedValue() const { return fixed_; }
  void SetFixedValue(double value) { fixed_ = value; }

 private:
  bool external_ = false;
  double fixed_ = 0.0;
};
// A surface of a submodel driven by the stresses of a global model.
class kloC_SubmodelStressBased : public kloC_Load {
 public:
  KLO_LOAD_CLASS(kloC_SubmodelStressBased, kloC_Load, 0x2880023)
  const cow_String& GlobalElset() const { return globalElset_; }
  void SetGlobalElset(const cow_String& name) { globalElset_ = name; }
  double AbsoluteExteriorTolerance() const { return absoluteTolerance_; }
  double ExteriorTolerance() const { return exteriorTolerance_; }
  void SetTolerances(double absolute, double exterior) {
    absoluteTolerance_ = absolute;
    exteriorTolerance_ = exterior;
  }

 private:
  cow_String globalElset_;
  double absoluteTolerance_ = 0.0;
  double exteriorTolerance_ = 0.0;
};

// Thermal, mass-diffusion, pore-fluid and electrical loads.
class kloC_ConcentratedHeatFlux : public kloC_Load {
 public:
  KLO_LOAD_CLASS(kloC_ConcentratedHeatFlux, kloC_Load, 0x2880010)
  // The degree of freedom the flux acts on (11 unless set).
  int Dof() const { return dof_; }
  void SetDof(int dof) { dof_ = dof; }

 private:
  int dof_ = 11;
};
KLO_PLAIN_LOAD(kloC_ConcentratedConcentrationFlux, kloC_Load, 0x2880011)
KLO_PLAIN_LOAD(kloC_BodyHeatFlux, kloC_Distributed, 0x2880013)
KLO_PLAIN_LOAD(kloC_SurfaceHeatFlux, kloC_Distributed, 0x2880014)
KLO_PLAIN_LOAD(kloC_BodyConcentrationFlux, kloC_Distributed, 0x2880015)
KLO_PLAIN_LOAD(kloC_SurfaceConcentrationFlux, kloC_Distributed, 0x2880016)
KLO_PLAIN_LOAD(kloC_SurfacePoreFluid, kloC_Distributed, 0x2880017)
KLO_PLAIN_LOAD(kloC_HydroFluidFlow, kloC_Load, 0x2880018)
KLO_PLAIN_LOAD(kloC_ConcentratedCharge, kloC_Load, 0x2880019)
KLO_PLAIN_LOAD(kloC_SurfaceCharge, kloC_Distributed, 0x288001A)
KLO_PLAIN_LOAD(kloC_BodyCharge, kloC_Distributed, 0x288001B)
KLO_PLAIN_LOAD(kloC_ConcentratedCurrent, kloC_Load, 0x288001C)
KLO_PLAIN_LOAD(kloC_SurfaceCurrent, kloC_Distributed, 0x288001D)
KLO_PLAIN_LOAD(kloC_BodyCurrent, kloC_Distributed, 0x288001E)

// Connector, substructure and inertia-relief loads.
KLO_PLAIN_LOAD(kloC_ConnectorForce, kloC_Load, 0x2880020)
KLO_PLAIN_LOAD(kloC_ConnectorMoment, kloC_Load, 0x2880021)
KLO_PLAIN_LOAD(kloC_SubstructureLoad, kloC_Load, 0x2880022)
class kloC_InertiaRelief : public kloC_Load {
 public:
  KLO_LOAD_CLASS(kloC_InertiaRelief, kloC_Load, 0x288004B)
  const dtmC_DatumRef& DatumRef() const { return datum_; }
  void SetDatumRef(const dtmC_DatumRef& datum) { datum_ = datum; }

 private:
  dtmC_DatumRef datum_;
};

// A kernel load kind that no load keyword writes.
KLO_PLAIN_LOAD(kloC_OtherLoad, kloC_Load, 0x2880030)

#undef KLO_PLAIN_LOAD
#undef KLO_LOAD_CLASS
