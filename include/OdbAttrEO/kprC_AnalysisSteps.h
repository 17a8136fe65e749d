// The procedure classes of analysis steps, one per kind of analysis, with the
// fields the writer reads. A default-constructed step carries the kernel's
// ordinary defaults. Type ids are the kernel's: results and restart files
// record them, so they never change.
#pragma once

#include "OdbAttrEO/kprC_Step.h"
#include "OdbAttrEO/kprC_StepRecords.h"

inline constexpr unsigned kprC_STATIC_PROCEDURE = 0x23C0073;
inline constexpr unsigned kprC_EXPLICIT_DYNAMICS_PROCEDURE = 0x23C0069;
inline constexpr unsigned kprC_CFD_PROCEDURE = 0x23C0091;
inline constexpr unsigned kprC_DIRECT_CYCLIC_PROCEDURE = 0x23C008F;

// A step class: `Perturbation` is its default perturbation flag, `Response`
// its default response (0 steady state, 1 transient).
#define KPR_STEP_HEAD(Name, Id, Perturbation, Response)          \
  class Name : public kprC_AnalysisStep {                        \
   public:                                                       \
    static constexpr unsigned kTypeId = Id;                      \
    static unsigned TypeId() { return kTypeId; }                 \
    unsigned DynTypeId() const override { return kTypeId; }      \
    CLS_REGISTER(Name, kprC_AnalysisStep)                        \
    Name* Clone() const override { return new Name(*this); }     \
    Name() : kprC_AnalysisStep(Perturbation, Response) {}

// A record field: read through `Name()`, changed through `MutableName()`.
#define KPR_RECORD(Type, Name, Default)                 \
 public:                                                \
  const Type& Name() const { return Name##_; }          \
  Type& Mutable##Name() { return Name##_; }             \
  void Set##Name(const Type& value) { Name##_ = value; } \
                                                        \
 private:                                               \
  Type Name##_ = Default;

// Static -------------------------------------------------------------------

KPR_STEP_HEAD(kprC_StaticStep, kprC_STATIC_PROCEDURE, false, 0)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation(1, 0))
  KPR_RECORD(kprC_Stabilization, Stabilization, kprC_Stabilization())
  KERN_ATTR(bool, Adiabatic, false)
  KERN_ATTR(cow_String, FullyPlasticRegion, cow_String())
  KERN_ATTR(bool, LongTerm, false)
};

KPR_STEP_HEAD(kprC_StaticRiksStep, 0x23C006D, false, 0)
  // The arc-length increment has no upper bound unless one is given.
  KPR_RECORD(kprC_Incrementation, Incrementation, [] {
    kprC_Incrementation increments;
    increments.SetMaxInc(1e36);
    return increments;
  }())
  KERN_ATTR(bool, Adiabatic, false)
  KERN_ATTR(cow_String, FullyPlasticRegion, cow_String())
  KERN_ATTR(bool, LongTerm, false)
  KERN_ATTR(double, MaxLoadFactor, kprC_UNSET)
  // The analysis ends when the node of `NodeRegion` reaches `Displacement`
  // in degree of freedom `Dof`.
  KERN_ATTR(bool, NodeLimit, false)
  KERN_ATTR(rgnC_Region, NodeRegion, rgnC_Region())
  KERN_ATTR(int, Dof, 1)
  KERN_ATTR(double, Displacement, 0.0)
};

KPR_STEP_HEAD(kprC_StaticLinearPerturbationStep, 0x23C006E, true, 0)
};

KPR_STEP_HEAD(kprC_GeostaticStep, 0x23C0064, false, 0)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KERN_ATTR(double, Utol, 1e-05)
};

KPR_STEP_HEAD(kprC_SoilsStep, 0x23C006C, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KPR_RECORD(kprC_Stabilization, Stabilization, kprC_Stabilization())
  // 0 a consolidation analysis, 1 steady-state pore fluid flow.
  KERN_ATTR(int, Consolidation, 0)
  KERN_ATTR(double, EndRate, kprC_UNSET)
  KERN_ATTR(double, Utol, 0.0)
  KERN_ATTR(bool, Creep, true)
  KERN_ATTR(double, CreepTolerance, 0.0)
};

KPR_STEP_HEAD(kprC_ViscoStep, 0x23C0072, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KPR_RECORD(kprC_Stabilization, Stabilization, kprC_Stabilization())
  KERN_ATTR(double, CreepTolerance, 0.001)
  KERN_ATTR(int, CreepIntegration, 0)  // 1 explicit
};

// Dynamics ---------------------------------------------------------------------

KPR_STEP_HEAD(kprC_ImplicitDynamicsStep, 0x23C0066, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation(0, 4))
  KERN_ATTR(double, Alpha, kprC_UNSET)
  KERN_ATTR(bool, Adiabatic, false)
  // 1 transient fidelity, 2 moderate dissipation, 3 quasi-static.
  KERN_ATTR(int, Application, 0)
  KERN_ATTR(bool, NoHaf, false)
  // Half-increment residual control: 1 tolerance, 2 scale factor.
  KERN_ATTR(int, HafControl, 0)
  KERN_ATTR(double, HafTolerance, 0.0)
  KERN_ATTR(double, HafScaleFactor, 1.0)
  KERN_ATTR(int, InitialAcceleration, 0)  // 2: none computed
  KERN_ATTR(bool, NoMaxInc, false)
};

KPR_STEP_HEAD(kprC_ExplicitDynamicsStep, kprC_EXPLICIT_DYNAMICS_PROCEDURE, false, 0)
  KPR_RECORD(kprC_ExplicitControls, Controls, kprC_ExplicitControls())
  KERN_ATTR(bool, Adiabatic, false)
};

KPR_STEP_HEAD(kprC_TempDisplacementDynamicsStep, 0x23C007B, false, 0)
  KPR_RECORD(kprC_ExplicitControls, Controls, kprC_ExplicitControls())
};

KPR_STEP_HEAD(kprC_SubspaceDynamicsStep, 0x23C0071, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KERN_ATTR(double, TimeIncrement, 0.1)
  KERN_ATTR(int, NumEigenmodes, 0)  // modes to select; 0 all
};

KPR_STEP_HEAD(kprC_ModalDynamicsStep, 0x23C0068, true, 0)
  KERN_ATTR(double, TimeIncrement, 0.1)
  KERN_ATTR(bool, Continue, false)
  KPR_RECORD(kprC_ModalDampings, Damping, kprC_ModalDampings())
};

// Eigenvalue and linear dynamics ------------------------------------------------

KPR_STEP_HEAD(kprC_FrequencyStep, 0x23C0011, true, 0)
  // 0 subspace, 1 Lanczos, 2 AMS.
  KERN_ATTR(int, Eigensolver, 1)
  KERN_ATTR(bool, Sim, false)
  KERN_ATTR(bool, DampingProjection, true)
  KERN_ATTR(int, AcousticCoupling, 1)  // 0 off, 1 on, 2 projection
  KERN_ATTR(int, Normalization, 0)     // 0 displacement, 1 mass
  KERN_ATTR(double, PropertyEvaluation, kprC_UNSET)
  KERN_ATTR(bool, ResidualModes, false)
  KERN_ATTR(rgnC_Region, AmsNodeSet, rgnC_Region())
  KERN_ATTR(int, NumEigen, kprC_NOT_GIVEN)
  KERN_ATTR(double, MinFrequency, kprC_UNSET)
  KERN_ATTR(double, MaxFrequency, kprC_UNSET)
  KERN_ATTR(double, Shift, kprC_UNSET)
  KERN_ATTR(int, BlockSize, kprC_NOT_GIVEN)
  KERN_ATTR(int, MaxBlocks, kprC_NOT_GIVEN)
  KERN_ATTR(int, NumVectors, 18)
  KERN_ATTR(int, MaxIterations, 30)
  // AMS cut-off factors.
  KERN_ATTR(double, AmsFactor1, 5.0)
  KERN_ATTR(double, AmsFactor2, 1.7)
  KERN_ATTR(double, AmsFactor3, 1.1)
  KERN_ATTR(double, AmsFactor4, 1.0)
  // Residual modes: region names and a parallel list of directions.
  KERN_ATTR(cow_List<cow_String>, ResidualModeRegions, {})
  KERN_ATTR(cow_List<int>, ResidualModeDirections, {})
};

KPR_STEP_HEAD(kprC_BuckleStep, 0x23C0061, true, 0)
  KERN_ATTR(int, Eigensolver, 0)  // 0 subspace, 1 Lanczos
  KERN_ATTR(int, NumEigen, 1)
  KERN_ATTR(double, MinEigen, kprC_UNSET)
  KERN_ATTR(double, MaxEigen, kprC_UNSET)
  KERN_ATTR(int, BlockSize, kprC_NOT_GIVEN)
  KERN_ATTR(int, MaxBlocks, kprC_NOT_GIVEN)
  KERN_ATTR(int, NumVectors, 18)
  KERN_ATTR(int, MaxIterations, 30)
};

KPR_STEP_HEAD(kprC_ComplexFrequencyStep, 0x23C0074, true, 0)
  KERN_ATTR(double, PropertyEvaluation, kprC_UNSET)
  KERN_ATTR(bool, FrictionDamping, false)
  KERN_ATTR(int, NumEigen, kprC_NOT_GIVEN)
  KERN_ATTR(double, MinFrequency, kprC_UNSET)
  KERN_ATTR(double, MaxFrequency, kprC_UNSET)
  KERN_ATTR(double, Shift, 0.0)
};

KPR_STEP_HEAD(kprC_SteadyStateModalStep, 0x23C0070, true, 0)
  KERN_ATTR(int, FrequencyScale, 0)  // 1 linear
  KERN_ATTR(int, Interval, 1)        // 0 range, 1 none, others eigenfrequency
  KERN_ATTR(cow_List<kprC_SteadyStateModalFrequency>, Frequencies, {})
  KPR_RECORD(kprC_ModalDampings, Damping, kprC_ModalDampings())
};

KPR_STEP_HEAD(kprC_SteadyStateSubspaceStep, 0x23C0075, true, 0)
  // 1 constant, 2 eigenfrequency, 3 property change, 4 range.
  KERN_ATTR(int, Projection, 0)
  KERN_ATTR(double, DampingChange, 0.1)
  KERN_ATTR(double, StiffnessChange, 0.1)
  KERN_ATTR(int, ResponseType, 1)  // 0 real only
  KERN_ATTR(int, FrequencyScale, 0)
  KERN_ATTR(int, Interval, 1)
  KERN_ATTR(bool, FrictionDamping, false)
  KERN_ATTR(cow_List<kprC_SteadyStateModalFrequency>, Frequencies, {})
};

KPR_STEP_HEAD(kprC_SteadyStateDirectStep, 0x23C006F, true, 0)
  KERN_ATTR(int, ResponseType, 1)
  KERN_ATTR(int, FrequencyScale, 0)
  KERN_ATTR(bool, IntervalEigenfrequency, false)
  KERN_ATTR(bool, FrictionDamping, false)
  KERN_ATTR(cow_List<kprC_SteadyStateModalFrequency>, Frequencies, {})
};

KPR_STEP_HEAD(kprC_ResponseSpectrumStep, 0x23C006B, true, 0)
  // 1 algebraic, 2 SRSS, 3 R30, 4 R40.
  KERN_ATTR(int, Comp, 0)
  // 0 ABS, 1 CQC, 2 NRL, 3 SRSS, 4 TENP, 5 DSC, 6 GRP.
  KERN_ATTR(int, Sum, 1)
  KERN_ATTR(cow_List<kprC_ResponseSpectrumComponent>, Spectra, {})
  KPR_RECORD(kprC_ModalDampings, Damping, kprC_ModalDampings())
};

KPR_STEP_HEAD(kprC_RandomResponseStep, 0x23C006A, true, 0)
  KERN_ATTR(int, FrequencyScale, 0)
  KERN_ATTR(cow_List<kprC_RandomResponseFrequency>, Frequencies, {})
  KPR_RECORD(kprC_ModalDampings, Damping, kprC_ModalDampings())
};

// Heat, diffusion and coupled ---------------------------------------------------

KPR_STEP_HEAD(kprC_HeatTransferStep, 0x23C0065, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KERN_ATTR(double, EndRate, kprC_UNSET)  // end-of-step temperature rate
  KERN_ATTR(double, Deltmx, 0.0)
  KERN_ATTR(double, Mxdem, 0.1)
};

KPR_STEP_HEAD(kprC_MassDiffusionStep, 0x23C0067, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KERN_ATTR(double, EndRate, 0.0)  // unset at 0
  KERN_ATTR(double, Dcmax, 0.0)
};

KPR_STEP_HEAD(kprC_CoupledThermalElectricStep, 0x23C0063, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KERN_ATTR(double, EndRate, kprC_UNSET)
  KERN_ATTR(double, Deltmx, 0.0)
  KERN_ATTR(double, Mxdem, 0.1)
};

KPR_STEP_HEAD(kprC_CoupledTempDisplacementStep, 0x23C0062, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KPR_RECORD(kprC_Stabilization, Stabilization, kprC_Stabilization())
  KERN_ATTR(int, Creep, 0)  // 1 explicit, 2 none
  KERN_ATTR(double, Deltmx, 0.0)
  KERN_ATTR(double, CreepTolerance, 0.0)
};

KPR_STEP_HEAD(kprC_AnnealStep, 0x23C0060, false, 0)
  KERN_ATTR(double, Temperature, kprC_UNSET)
};

KPR_STEP_HEAD(kprC_DirectCyclicStep, kprC_DIRECT_CYCLIC_PROCEDURE, false, 0)
  // Restart points of the step count cycles rather than iterations.
  KERN_ATTR(bool, Cycle, false)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KERN_ATTR(bool, Continue, false)
  KERN_ATTR(bool, Fatigue, false)
  KERN_ATTR(double, Deltmx, 0.0)
  KERN_ATTR(double, CreepTolerance, 0.0)
  KERN_ATTR(cow_String, TimePointsName, cow_String())
  // Fourier terms: initial, maximum, increment; iterations.
  KERN_ATTR(int, InitialTerms, 11)
  KERN_ATTR(int, MaxTerms, 25)
  KERN_ATTR(int, TermIncrement, 5)
  KERN_ATTR(int, MaxIterations, 200)
  // Fatigue: cycle increments, total cycles, damage extrapolation tolerance.
  KERN_ATTR(int, MinCycleInc, 100)
  KERN_ATTR(int, MaxCycleInc, 1000)
  KERN_ATTR(int, TotalCycles, kprC_NOT_GIVEN)
  KERN_ATTR(double, DamageTolerance, 1.0)
};

// Flow -------------------------------------------------------------------------

KPR_STEP_HEAD(kprC_FlowStep, kprC_CFD_PROCEDURE, false, 0)
  KERN_ATTR(double, TimeIncrement, 0.001)
  KERN_ATTR(double, InitialTimeFactor, 1.0)  // second value of the time line
  KERN_ATTR(int, EnergyEquation, 0)          // 1 temperature
  KERN_ATTR(int, Incrementation, 1)          // 0 fixed step size, 1 automatic
  KERN_ATTR(double, Cfl, 0.45)
  KERN_ATTR(double, MaxIncrementGrowth, 1.25)
  KERN_ATTR(int, IncrementCheck, 1)
  KERN_ATTR(int, Scheme1, 0)  // 0 one half, 1 two thirds, others 1
  KERN_ATTR(int, Scheme2, 0)
  KPR_RECORD(kprC_EquationSolver, MomentumSolver, kprC_EquationSolver())
  KPR_RECORD(kprC_EquationSolver, PressureSolver, kprC_EquationSolver())
  KPR_RECORD(kprC_EquationSolver, TransportSolver, kprC_EquationSolver())
  KERN_ATTR(int, PressureSolverType, 1)  // 0 SSOR CG, 1 Krylov
  KERN_ATTR(int, Preconditioner, 0)      // 0 ICC, others Chebychev
  KERN_ATTR(int, PreconditionerLevel, 0)
  KERN_ATTR(int, PreconditionerSweeps, 1)
  KERN_ATTR(int, KrylovMethod, 0)  // 0 CG, 1 BCGS, others FGMRES
  KERN_ATTR(int, Turbulence, 0)    // 0 none, 1 Spalart-Allmaras, 2 RNG, 3 VMS
  KERN_ATTR(cow_List<double>, SpalartAllmarasConstants, {})  // nine
  KERN_ATTR(cow_List<double>, RngConstants, {})              // nine
  KERN_ATTR(double, TurbulenceValue, 0.0)
};

// Substructures ---------------------------------------------------------------

KPR_STEP_HEAD(kprC_SubstructureGenerateStep, 0x23C007C, false, 0)
 public:
  enum GlobalDampingEnm : int {
    GLOBAL_NONE = 0, GLOBAL_ALL = 1, GLOBAL_ACOUSTIC = 2, GLOBAL_MECHANICAL = 3
  };
  enum ViscousDampingEnm : int {
    VISCOUS_NONE = 0, VISCOUS_ELEMENT = 1, VISCOUS_FACTOR = 2, VISCOUS_COMBINED = 3
  };
  enum StructuralDampingEnm : int {
    STRUCTURAL_NONE = 0, STRUCTURAL_ELEMENT = 1, STRUCTURAL_FACTOR = 2, STRUCTURAL_COMBINED = 3
  };
  KERN_ATTR(int, SubstructureId, 0)
  KERN_ATTR(int, RecoveryMatrix, 0)  // 0 none, 2 a region, others the whole model
  KERN_ATTR(rgnC_Region, RecoveryRegion, rgnC_Region())
  // The kind of the recovery region.
  KERN_ATTR(bool, RecoveryGeometric, false)
  KERN_ATTR(bool, RecoveryElementBased, false)
  KERN_ATTR(bool, RecoveryNodeBased, false)
  KERN_ATTR(bool, GravityLoad, false)
  KERN_ATTR(bool, MassMatrix, false)
  KERN_ATTR(bool, StructuralDampingMatrix, false)
  KERN_ATTR(bool, ViscousDampingMatrix, false)
  KERN_ATTR(bool, PropertyEvaluation, false)
  KERN_ATTR(double, PropertyFrequency, 0.0)
  // Eigenmode selection: 0 none, 1 frequency ranges, 2 mode ranges.
  KERN_ATTR(int, Selection, 0)
  KERN_ATTR(cow_List<kprC_FrequencyRange>, FrequencyRanges, {})
  KERN_ATTR(cow_List<kprC_ModeRange>, ModeRanges, {})
  KERN_ATTR(GlobalDampingEnm, GlobalDampingField, GLOBAL_NONE)
  KERN_ATTR(double, GlobalAlpha, 0.0)
  KERN_ATTR(double, GlobalBeta, 0.0)
  KERN_ATTR(double, GlobalStructural, 0.0)
  KERN_ATTR(ViscousDampingEnm, ViscousDamping, VISCOUS_NONE)
  KERN_ATTR(StructuralDampingEnm, StructuralDamping, STRUCTURAL_NONE)
};

#undef KPR_STEP_HEAD
#undef KPR_RECORD

template <>
struct omu_EnumTexts<kprC_SubstructureGenerateStep::GlobalDampingEnm> {
  static constexpr omu_EnumText kTable[] = {
      {0, "NONE"}, {1, "ALL"}, {2, "ACOUSTIC"}, {3, "MECHANICAL"}};
};
template <>
struct omu_EnumTexts<kprC_SubstructureGenerateStep::ViscousDampingEnm> {
  static constexpr omu_EnumText kTable[] = {
      {0, "NONE"}, {1, "ELEMENT"}, {2, "FACTOR"}, {3, "COMBINED"}};
};
template <>
struct omu_EnumTexts<kprC_SubstructureGenerateStep::StructuralDampingEnm> {
  static constexpr omu_EnumText kTable[] = {
      {0, "NONE"}, {1, "ELEMENT"}, {2, "FACTOR"}, {3, "COMBINED"}};
};
