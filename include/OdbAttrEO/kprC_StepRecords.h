// Small value records that several analysis step classes share: the
// incrementation and stabilization of a procedure, frequency and mode ranges,
// frequency and spectrum entries, modal damping, mass scaling and the explicit
// time incrementation. Accessors and setters only; the defaults are the
// kernel's ordinary ones. A double the kernel leaves unset holds DBL_MAX.
#pragma once

#include <cfloat>
#include <climits>
#include <optional>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "QivBasicUtils/omu_PrimEnum.h"
#include "OdbCoreGeom/rgnC_Region.h"

// A field with its accessor and setter; leaves the class in private access.
#define KPR_FIELD(Type, Name, Default)                    \
 public:                                                  \
  const Type& Name() const { return Name##_; }            \
  void Set##Name(const Type& value) { Name##_ = value; }  \
                                                          \
 private:                                                 \
  Type Name##_ = Default;

// Unset doubles and integers not given.
inline constexpr double kprC_UNSET = DBL_MAX;
inline constexpr int kprC_NOT_GIVEN = INT_MAX;

// How a procedure steps through its time period. `Method` 0 is automatic, 1
// fixed; the amplitude (0 step, 1 ramp) and extrapolation (0 linear,
// 1 parabolic, 3 velocity parabolic, others none) defaults depend on the
// procedure, hence the constructor.
class kprC_Incrementation {
 public:
  explicit kprC_Incrementation(int amplitude = 0, int extrapolation = 0)
      : Amplitude_(amplitude), Extrapolation_(extrapolation) {}
  KPR_FIELD(int, Method, 0)
  KPR_FIELD(int, MaxNumInc, 100)
  KPR_FIELD(double, InitialInc, 1.0)
  KPR_FIELD(double, MinInc, 1e-05)
  KPR_FIELD(double, MaxInc, 1.0)
  // Fixed incrementation goes on when the solution does not converge.
  KPR_FIELD(bool, NoStop, false)
  KPR_FIELD(int, Amplitude, 0)
  KPR_FIELD(int, Extrapolation, 0)
};

// Automatic stabilization: `Method` 0 none, 1 by dissipated energy fraction,
// 2 by damping factor.
class kprC_Stabilization {
  KPR_FIELD(int, Method, 0)
  KPR_FIELD(double, Magnitude, kprC_UNSET)
  KPR_FIELD(double, Tolerance, kprC_UNSET)  // accuracy tolerance
  KPR_FIELD(bool, Continue, false)
};

// A frequency range of an eigenmode selection, its bounds held in the
// kernel's order: the upper bound first, then the lower.
class kprC_FrequencyRange {
  KPR_FIELD(double, Upper, 0.0)
  KPR_FIELD(double, Lower, 0.0)
};

// A range of mode numbers of an eigenmode selection.
class kprC_ModeRange {
  KPR_FIELD(int, First, 1)
  KPR_FIELD(int, Last, 1)
  KPR_FIELD(int, Increment, 1)
};

// A frequency range of a steady-state or random response: bounds, number of
// points and the bias of the points.
class kprC_FrequencyEntry {
  KPR_FIELD(double, Lower, 0.0)
  KPR_FIELD(double, Upper, 0.0)
  KPR_FIELD(int, NumPoints, 20)
  KPR_FIELD(double, Bias, 3.0)
};
class kprC_SteadyStateModalFrequency : public kprC_FrequencyEntry {};
class kprC_RandomResponseFrequency : public kprC_FrequencyEntry {};

// A spectrum applied by a response spectrum step.
class kprC_ResponseSpectrumComponent {
  KPR_FIELD(cow_String, SpectrumName, cow_String())
  KPR_FIELD(double, X, 1.0)  // direction cosines
  KPR_FIELD(double, Y, 0.0)
  KPR_FIELD(double, Z, 0.0)
  KPR_FIELD(double, Scale, 1.0)
  KPR_FIELD(double, Duration, 0.0)
};

// One row of a modal damping table: a mode range (First, Last) or a
// frequency, and the values of its kind (fraction; alpha and beta; factor).
class kprC_ModalDampingEntry {
  KPR_FIELD(int, First, 1)
  KPR_FIELD(int, Last, 1)
  KPR_FIELD(double, Frequency, 0.0)
  KPR_FIELD(double, Fraction, 0.0)
  KPR_FIELD(double, Alpha, 0.0)
  KPR_FIELD(double, Beta, 0.0)
  KPR_FIELD(double, Factor, 0.0)
};

// The seven kinds of modal damping, each a table of entries.
class kprC_DampingTable {
  KPR_FIELD(cow_List<kprC_ModalDampingEntry>, Entries, {})
};
class kprC_DirectDamping : public kprC_DampingTable {};
class kprC_CompositeDamping : public kprC_DampingTable {};
class kprC_RayleighDamping : public kprC_DampingTable {};
class kprC_StructuralDamping : public kprC_DampingTable {};
class kprC_DirectDampingByFrequency : public kprC_DampingTable {};
class kprC_RayleighDampingByFrequency : public kprC_DampingTable {};
class kprC_StructuralDampingByFrequency : public kprC_DampingTable {};

// The damping definitions a linear dynamic step holds, each optional:
// `X()` is null when the step holds none of that kind.
class kprC_ModalDampings {
#define KPR_DAMPING(Kind)                                                  \
 public:                                                                   \
  const kprC_##Kind* Kind() const { return Kind##_ ? &*Kind##_ : nullptr; } \
  void Set##Kind(const kprC_##Kind& damping) { Kind##_ = damping; }        \
                                                                           \
 private:                                                                  \
  std::optional<kprC_##Kind> Kind##_;
  KPR_DAMPING(CompositeDamping)
  KPR_DAMPING(DirectDamping)
  KPR_DAMPING(RayleighDamping)
  KPR_DAMPING(StructuralDamping)
  KPR_DAMPING(DirectDampingByFrequency)
  KPR_DAMPING(RayleighDampingByFrequency)
  KPR_DAMPING(StructuralDampingByFrequency)
#undef KPR_DAMPING
};

// A mass scaling definition of an explicit step.
class kprC_MassScaling {
 public:
  enum MassScalingTypeEnm : int { UNIFORM = 0, BELOW_MIN = 1, SET_EQUAL_DT = 2, NONUNIFORM = 3 };
  // Variable scaling, applied during the step; fixed scaling otherwise.
  KPR_FIELD(bool, IsVariable, false)
  // 0 semi-automatic, 1 automatic (rolling), 2 reinitialize mass, 3 disable
  // throughout the step.
  KPR_FIELD(int, Application, 0)
  // 0 the whole model; otherwise `Region`.
  KPR_FIELD(int, RegionKind, 0)
  KPR_FIELD(rgnC_Region, Region, rgnC_Region())
  // 1: applied through the step at intervals.
  KPR_FIELD(int, Schedule, 0)
  KPR_FIELD(double, Factor, 0.0)
  KPR_FIELD(double, Dt, 0.0)  // target time increment
  KPR_FIELD(MassScalingTypeEnm, Type, BELOW_MIN)
  KPR_FIELD(int, Frequency, 0)
  KPR_FIELD(int, NumIntervals, 1)
  // Rolling.
  KPR_FIELD(double, FeedRate, 0.0)
  KPR_FIELD(double, ExtrudedLength, 0.0)
  KPR_FIELD(int, CrossSectionNodes, 0)
  KPR_FIELD(int, Direction, 0)  // 0 to 3
};

template <>
struct omu_EnumTexts<kprC_MassScaling::MassScalingTypeEnm> {
  static constexpr omu_EnumText kTable[] = {
      {0, "UNIFORM"}, {1, "BELOW MIN"}, {2, "SET EQUAL DT"}, {3, "NONUNIFORM"}};
};

// The time incrementation and bulk viscosity of an explicit step, with its
// mass scaling definitions in their order. `Method` 0 global stable estimate,
// 1 user-controlled increments, 2 element by element, 3 fixed increments.
class kprC_ExplicitControls {
  KPR_FIELD(int, Method, 0)
  KPR_FIELD(double, ScaleFactor, 1.0)
  KPR_FIELD(double, MaxIncrement, kprC_UNSET)
  KPR_FIELD(double, UserIncrement, 1e-06)
  KPR_FIELD(double, LinearBulkViscosity, 0.06)
  KPR_FIELD(double, QuadraticBulkViscosity, 1.2)
  KPR_FIELD(cow_List<kprC_MassScaling>, MassScalings, {})
};

// The controls of one equation solver of a flow step.
class kprC_EquationSolver {
  KPR_FIELD(bool, Diagnostics, false)
  KPR_FIELD(bool, Convergence, false)
  KPR_FIELD(int, MaxIterations, 500)
  KPR_FIELD(int, CheckFrequency, 10)
  KPR_FIELD(double, Tolerance, 1e-05)
};
