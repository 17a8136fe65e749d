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
#include "OdbAttrEO/kern_Object.h"
#include "OdbCoreGeom/rgnC_Region.h"
#include "QivBasicUtils/omu_PrimEnum.h"

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
  KERN_ATTR(int, Method, 0)
  KERN_ATTR(int, MaxNumInc, 100)
  KERN_ATTR(double, InitialInc, 1.0)
  KERN_ATTR(double, MinInc, 1e-05)
  KERN_ATTR(double, MaxInc, 1.0)
  // Fixed incrementation goes on when the solution does not converge.
  KERN_ATTR(bool, NoStop, false)
  KERN_ATTR(int, Amplitude, 0)
  KERN_ATTR(int, Extrapolation, 0)
};

// Automatic stabilization: `Method` 0 none, 1 by dissipated energy fraction,
// 2 by damping factor.
class kprC_Stabilization {
  KERN_ATTR(int, Method, 0)
  KERN_ATTR(double, Magnitude, kprC_UNSET)
  KERN_ATTR(double, Tolerance, kprC_UNSET)  // accuracy tolerance
  KERN_ATTR(bool, Continue, false)
};

// A frequency range of an eigenmode selection, its bounds held in the
// kernel's order: the upper bound first, then the lower.
class kprC_FrequencyRange {
  KERN_ATTR(double, Upper, 0.0)
  KERN_ATTR(double, Lower, 0.0)
};

// A range of mode numbers of an eigenmode selection.
class kprC_ModeRange {
  KERN_ATTR(int, First, 1)
  KERN_ATTR(int, Last, 1)
  KERN_ATTR(int, Increment, 1)
};

// A frequency range of a steady-state or random response: bounds, number of
// points and the bias of the points.
class kprC_FrequencyEntry {
  KERN_ATTR(double, Lower, 0.0)
  KERN_ATTR(double, Upper, 0.0)
  KERN_ATTR(int, NumPoints, 20)
  KERN_ATTR(double, Bias, 3.0)
};
class kprC_SteadyStateModalFrequency : public kprC_FrequencyEntry {};
class kprC_RandomResponseFrequency : public kprC_FrequencyEntry {};

// A spectrum applied by a response spectrum step.
class kprC_ResponseSpectrumComponent {
  KERN_ATTR(cow_String, SpectrumName, cow_String())
  KERN_ATTR(double, X, 1.0)  // direction cosines
  KERN_ATTR(double, Y, 0.0)
  KERN_ATTR(double, Z, 0.0)
  KERN_ATTR(double, Scale, 1.0)
  KERN_ATTR(double, Duration, 0.0)
};

// One row of a modal damping table: a mode range (First, Last) or a
// frequency, and the values of its kind (fraction; alpha and beta; factor).
class kprC_ModalDampingEntry {
  KERN_ATTR(int, First, 1)
  KERN_ATTR(int, Last, 1)
  KERN_ATTR(double, Frequency, 0.0)
  KERN_ATTR(double, Fraction, 0.0)
  KERN_ATTR(double, Alpha, 0.0)
  KERN_ATTR(double, Beta, 0.0)
  KERN_ATTR(double, Factor, 0.0)
};

// The seven kinds of modal damping, each a table of entries.
class kprC_DampingTable {
  KERN_ATTR(cow_List<kprC_ModalDampingEntry>, Entries, {})
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
#define KPR_DAMPING(Kind)                      \
 public:                                       \
  const kprC_##Kind* Kind() const {            \
    return Kind##_ ? &*Kind##_ : nullptr;      \
  }                                            \
  void Set##Kind(const kprC_##Kind& damping) { \
    Kind##_ = damping;                         \
  }                                            \
                                               \
 private:                                      \
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
  KERN_ATTR(bool, IsVariable, false)
  // 0 semi-automatic, 1 automatic (rolling), 2 reinitialize mass, 3 disable
  // throughout the step.
  KERN_ATTR(int, Application, 0)
  // 0 the whole model; otherwise `Region`.
  KERN_ATTR(int, RegionKind, 0)
  KERN_ATTR(rgnC_Region, Region, rgnC_Region())
  // 1: applied through the step at intervals.
  KERN_ATTR(int, Schedule, 0)
  KERN_ATTR(double, Factor, 0.0)
  KERN_ATTR(double, Dt, 0.0)  // target time increment
  KERN_ATTR(MassScalingTypeEnm, Type, BELOW_MIN)
  KERN_ATTR(int, Frequency, 0)
  KERN_ATTR(int, NumIntervals, 1)
  // Rolling.
  KERN_ATTR(double, FeedRate, 0.0)
  KERN_ATTR(double, ExtrudedLength, 0.0)
  KERN_ATTR(int, CrossSectionNodes, 0)
  KERN_ATTR(int, Direction, 0)  // 0 to 3
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
  KERN_ATTR(int, Method, 0)
  KERN_ATTR(double, ScaleFactor, 1.0)
  KERN_ATTR(double, MaxIncrement, kprC_UNSET)
  KERN_ATTR(double, UserIncrement, 1e-06)
  KERN_ATTR(double, LinearBulkViscosity, 0.06)
  KERN_ATTR(double, QuadraticBulkViscosity, 1.2)
  KERN_ATTR(cow_List<kprC_MassScaling>, MassScalings, {})
};

// The controls of one equation solver of a flow step.
class kprC_EquationSolver {
  KERN_ATTR(bool, Diagnostics, false)
  KERN_ATTR(bool, Convergence, false)
  KERN_ATTR(int, MaxIterations, 500)
  KERN_ATTR(int, CheckFrequency, 10)
  KERN_ATTR(double, Tolerance, 1e-05)
};
