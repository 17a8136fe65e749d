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
  KPR_FIELD(bool, Adiabatic, false)
  KPR_FIELD(cow_String, FullyPlasticRegion, cow_String())
  KPR_FIELD(bool, LongTerm, false)
};

KPR_STEP_HEAD(kprC_StaticRiksStep, 0x23C006D, false, 0)
  // The arc-length increment has no upper bound unless one is given.
  KPR_RECORD(kprC_Incrementation, Incrementation, [] {
    kprC_Incrementation increments;
    increments.SetMaxInc(1e36);
    return increments;
  }())
  KPR_FIELD(bool, Adiabatic, false)
  KPR_FIELD(cow_String, FullyPlasticRegion, cow_String())
  KPR_FIELD(bool, LongTerm, false)
  KPR_FIELD(double, MaxLoadFactor, kprC_UNSET)
  // The analysis ends when the node of `NodeRegion` reaches `Displacement`
  // in degree of freedom `Dof`.
  KPR_FIELD(bool, NodeLimit, false)
  KPR_FIELD(rgnC_Region, NodeRegion, rgnC_Region())
  KPR_FIELD(int, Dof, 1)
  KPR_FIELD(double, Displacement, 0.0)
};

KPR_STEP_HEAD(kprC_StaticLinearPerturbationStep, 0x23C006E, true, 0)
};

KPR_STEP_HEAD(kprC_GeostaticStep, 0x23C0064, false, 0)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KPR_FIELD(double, Utol, 1e-05)
};

KPR_STEP_HEAD(kprC_SoilsStep, 0x23C006C, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KPR_RECORD(kprC_Stabilization, Stabilization, kprC_Stabilization())
  // 0 a consolidation analysis, 1 steady-state pore fluid flow.
  KPR_FIELD(int, Consolidation, 0)
  KPR_FIELD(double, EndRate, kprC_UNSET)
  KPR_FIELD(double, Utol, 0.0)
  KPR_FIELD(bool, Creep, true)
  KPR_FIELD(double, CreepTolerance, 0.0)
};

KPR_STEP_HEAD(kprC_ViscoStep, 0x23C0072, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KPR_RECORD(kprC_Stabilization, Stabilization, kprC_Stabilization())
  KPR_FIELD(double, CreepTolerance, 0.001)
  KPR_FIELD(int, CreepIntegration, 0)  // 1 explicit
};

// Dynamics ---------------------------------------------------------------------

KPR_STEP_HEAD(kprC_ImplicitDynamicsStep, 0x23C0066, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation(0, 4))
  KPR_FIELD(double, Alpha, kprC_UNSET)
  KPR_FIELD(bool, Adiabatic, false)
  // 1 transient fidelity, 2 moderate dissipation, 3 quasi-static.
  KPR_FIELD(int, Application, 0)
  KPR_FIELD(bool, NoHaf, false)
  // Half-increment residual control: 1 tolerance, 2 scale factor.
  KPR_FIELD(int, HafControl, 0)
  KPR_FIELD(double, HafTolerance, 0.0)
  KPR_FIELD(double, HafScaleFactor, 1.0)
  KPR_FIELD(int, InitialAcceleration, 0)  // 2: none computed
  KPR_FIELD(bool, NoMaxInc, false)
};

KPR_STEP_HEAD(kprC_ExplicitDynamicsStep, kprC_EXPLICIT_DYNAMICS_PROCEDURE, false, 0)
  KPR_RECORD(kprC_ExplicitControls, Controls, kprC_ExplicitControls())
  KPR_FIELD(bool, Adiabatic, false)
};

KPR_STEP_HEAD(kprC_TempDisplacementDynamicsStep, 0x23C007B, false, 0)
  KPR_RECORD(kprC_ExplicitControls, Controls, kprC_ExplicitControls())
};

KPR_STEP_HEAD(kprC_SubspaceDynamicsStep, 0x23C0071, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KPR_FIELD(double, TimeIncrement, 0.1)
  KPR_FIELD(int, NumEigenmodes, 0)  // modes to select; 0 all
};

KPR_STEP_HEAD(kprC_ModalDynamicsStep, 0x23C0068, true, 0)
  KPR_FIELD(double, TimeIncrement, 0.1)
  KPR_FIELD(bool, Continue, false)
  KPR_RECORD(kprC_ModalDampings, Damping, kprC_ModalDampings())
};

// Eigenvalue and linear dynamics ------------------------------------------------

KPR_STEP_HEAD(kprC_FrequencyStep, 0x23C0011, true, 0)
  // 0 subspace, 1 Lanczos, 2 AMS.
  KPR_FIELD(int, Eigensolver, 1)
  KPR_FIELD(bool, Sim, false)
  KPR_FIELD(bool, DampingProjection, true)
  KPR_FIELD(int, AcousticCoupling, 1)  // 0 off, 1 on, 2 projection
  KPR_FIELD(int, Normalization, 0)     // 0 displacement, 1 mass
  KPR_FIELD(double, PropertyEvaluation, kprC_UNSET)
  KPR_FIELD(bool, ResidualModes, false)
  KPR_FIELD(rgnC_Region, AmsNodeSet, rgnC_Region())
  KPR_FIELD(int, NumEigen, kprC_NOT_GIVEN)
  KPR_FIELD(double, MinFrequency, kprC_UNSET)
  KPR_FIELD(double, MaxFrequency, kprC_UNSET)
  KPR_FIELD(double, Shift, kprC_UNSET)
  KPR_FIELD(int, BlockSize, kprC_NOT_GIVEN)
  KPR_FIELD(int, MaxBlocks, kprC_NOT_GIVEN)
  KPR_FIELD(int, NumVectors, 18)
  KPR_FIELD(int, MaxIterations, 30)
  // AMS cut-off factors.
  KPR_FIELD(double, AmsFactor1, 5.0)
  KPR_FIELD(double, AmsFactor2, 1.7)
  KPR_FIELD(double, AmsFactor3, 1.1)
  KPR_FIELD(double, AmsFactor4, 1.0)
  // Residual modes: region names and a parallel list of directions.
  KPR_FIELD(cow_List<cow_String>, ResidualModeRegions, {})
  KPR_FIELD(cow_List<int>, ResidualModeDirections, {})
};

KPR_STEP_HEAD(kprC_BuckleStep, 0x23C0061, true, 0)
  KPR_FIELD(int, Eigensolver, 0)  // 0 subspace, 1 Lanczos
  KPR_FIELD(int, NumEigen, 1)
  KPR_FIELD(double, MinEigen, kprC_UNSET)
  KPR_FIELD(double, MaxEigen, kprC_UNSET)
  KPR_FIELD(int, BlockSize, kprC_NOT_GIVEN)
  KPR_FIELD(int, MaxBlocks, kprC_NOT_GIVEN)
  KPR_FIELD(int, NumVectors, 18)
  KPR_FIELD(int, MaxIterations, 30)
};

KPR_STEP_HEAD(kprC_ComplexFrequencyStep, 0x23C0074, true, 0)
  KPR_FIELD(double, PropertyEvaluation, kprC_UNSET)
  KPR_FIELD(bool, FrictionDamping, false)
  KPR_FIELD(int, NumEigen, kprC_NOT_GIVEN)
  KPR_FIELD(double, MinFrequency, kprC_UNSET)
  KPR_FIELD(double, MaxFrequency, kprC_UNSET)
  KPR_FIELD(double, Shift, 0.0)
};

KPR_STEP_HEAD(kprC_SteadyStateModalStep, 0x23C0070, true, 0)
  KPR_FIELD(int, FrequencyScale, 0)  // 1 linear
  KPR_FIELD(int, Interval, 1)        // 0 range, 1 none, others eigenfrequency
  KPR_FIELD(cow_List<kprC_SteadyStateModalFrequency>, Frequencies, {})
  KPR_RECORD(kprC_ModalDampings, Damping, kprC_ModalDampings())
};

KPR_STEP_HEAD(kprC_SteadyStateSubspaceStep, 0x23C0075, true, 0)
  // 1 constant, 2 eigenfrequency, 3 property change, 4 range.
  KPR_FIELD(int, Projection, 0)
  KPR_FIELD(double, DampingChange, 0.1)
  KPR_FIELD(double, StiffnessChange, 0.1)
  KPR_FIELD(int, ResponseType, 1)  // 0 real only
  KPR_FIELD(int, FrequencyScale, 0)
  KPR_FIELD(int, Interval, 1)
  KPR_FIELD(bool, FrictionDamping, false)
  KPR_FIELD(cow_List<kprC_SteadyStateModalFrequency>, Frequencies, {})
};

KPR_STEP_HEAD(kprC_SteadyStateDirectStep, 0x23C006F, true, 0)
  KPR_FIELD(int, ResponseType, 1)
  KPR_FIELD(int, FrequencyScale, 0)
  KPR_FIELD(bool, IntervalEigenfrequency, false)
  KPR_FIELD(bool, FrictionDamping, false)
  KPR_FIELD(cow_List<kprC_SteadyStateModalFrequency>, Frequencies, {})
};

KPR_STEP_HEAD(kprC_ResponseSpectrumStep, 0x23C006B, true, 0)
  // 1 algebraic, 2 SRSS, 3 R30, 4 R40.
  KPR_FIELD(int, Comp, 0)
  // 0 ABS, 1 CQC, 2 NRL, 3 SRSS, 4 TENP, 5 DSC, 6 GRP.
  KPR_FIELD(int, Sum, 1)
  KPR_FIELD(cow_List<kprC_ResponseSpectrumComponent>, Spectra, {})
  KPR_RECORD(kprC_ModalDampings, Damping, kprC_ModalDampings())
};

KPR_STEP_HEAD(kprC_RandomResponseStep, 0x23C006A, true, 0)
  KPR_FIELD(int, FrequencyScale, 0)
  KPR_FIELD(cow_List<kprC_RandomResponseFrequency>, Frequencies, {})
  KPR_RECORD(kprC_ModalDampings, Damping, kprC_ModalDampings())
};

// Heat, diffusion and coupled ---------------------------------------------------

KPR_STEP_HEAD(kprC_HeatTransferStep, 0x23C0065, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KPR_FIELD(double, EndRate, kprC_UNSET)  // end-of-step temperature rate
  KPR_FIELD(double, Deltmx, 0.0)
  KPR_FIELD(double, Mxdem, 0.1)
};

KPR_STEP_HEAD(kprC_MassDiffusionStep, 0x23C0067, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KPR_FIELD(double, EndRate, 0.0)  // unset at 0
  KPR_FIELD(double, Dcmax, 0.0)
};

KPR_STEP_HEAD(kprC_CoupledThermalElectricStep, 0x23C0063, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KPR_FIELD(double, EndRate, kprC_UNSET)
  KPR_FIELD(double, Deltmx, 0.0)
  KPR_FIELD(double, Mxdem, 0.1)
};

KPR_STEP_HEAD(kprC_CoupledTempDisplacementStep, 0x23C0062, false, 1)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KPR_RECORD(kprC_Stabilization, Stabilization, kprC_Stabilization())
  KPR_FIELD(int, Creep, 0)  // 1 explicit, 2 none
  KPR_FIELD(double, Deltmx, 0.0)
  KPR_FIELD(double, CreepTolerance, 0.0)
};

KPR_STEP_HEAD(kprC_AnnealStep, 0x23C0060, false, 0)
  KPR_FIELD(double, Temperature, kprC_UNSET)
};

KPR_STEP_HEAD(kprC_DirectCyclicStep, kprC_DIRECT_CYCLIC_PROCEDURE, false, 0)
  // Restart points of the step count cycles rather than iterations.
  KPR_FIELD(bool, Cycle, false)
  KPR_RECORD(kprC_Incrementation, Incrementation, kprC_Incrementation())
  KPR_FIELD(bool, Continue, false)
  KPR_FIELD(bool, Fatigue, false)
  KPR_FIELD(double, Deltmx, 0.0)
  KPR_FIELD(double, CreepTolerance, 0.0)
  KPR_FIELD(cow_String, TimePointsName, cow_String())
  // Fourier terms: initial, maximum, increment; iterations.
  KPR_FIELD(int, InitialTerms, 11)
  KPR_FIELD(int, MaxTerms, 25)
  KPR_FIELD(int, TermIncrement, 5)
  KPR_FIELD(int, MaxIterations, 200)
  // Fatigue: cycle increments, total cycles, damage extrapolation tolerance.
  KPR_FIELD(int, MinCycleInc, 100)
  KPR_FIELD(int, MaxCycleInc, 1000)
  KPR_FIELD(int, TotalCycles, kprC_NOT_GIVEN)
  KPR_FIELD(double, DamageTolerance, 1.0)
};

// Flow -------------------------------------------------------------------------

KPR_STEP_HEAD(kprC_FlowStep, kprC_CFD_PROCEDURE, false, 0)
  KPR_FIELD(double, TimeIncrement, 0.001)
  KPR_FIELD(double, InitialTimeFactor, 1.0)  // second value of the time line
  KPR_FIELD(int, EnergyEquation, 0)          // 1 temperature
  KPR_FIELD(int, Incrementation, 1)          // 0 fixed step size, 1 automatic
  KPR_FIELD(double, Cfl, 0.45)
  KPR_FIELD(double, MaxIncrementGrowth, 1.25)
  KPR_FIELD(int, IncrementCheck, 1)
  KPR_FIELD(int, Scheme1, 0)  // 0 one half, 1 two thirds, others 1
  KPR_FIELD(int, Scheme2, 0)
  KPR_RECORD(kprC_EquationSolver, MomentumSolver, kprC_EquationSolver())
  KPR_RECORD(kprC_EquationSolver, PressureSolver, kprC_EquationSolver())
  KPR_RECORD(kprC_EquationSolver, TransportSolver, kprC_EquationSolver())
  KPR_FIELD(int, PressureSolverType, 1)  // 0 SSOR CG, 1 Krylov
  KPR_FIELD(int, Preconditioner, 0)      // 0 ICC, others Chebychev
  KPR_FIELD(int, PreconditionerLevel, 0)
  KPR_FIELD(int, PreconditionerSweeps, 1)
  KPR_FIELD(int, KrylovMethod, 0)  // 0 CG, 1 BCGS, others FGMRES
  KPR_FIELD(int, Turbulence, 0)    // 0 none, 1 Spalart-Allmaras, 2 RNG, 3 VMS
  KPR_FIELD(cow_List<double>, SpalartAllmarasConstants, {})  // nine
  KPR_FIELD(cow_List<double>, RngConstants, {})              // nine
  KPR_FIELD(double, TurbulenceValue, 0.0)
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
  KPR_FIELD(int, SubstructureId, 0)
  KPR_FIELD(int, RecoveryMatrix, 0)  // 0 none, 2 a region, others the whole model
  KPR_FIELD(rgnC_Region, RecoveryRegion, rgnC_Region())
  // The kind of the recovery region.
  KPR_FIELD(bool, RecoveryGeometric, false)
  KPR_FIELD(bool, RecoveryElementBased, false)
  KPR_FIELD(bool, RecoveryNodeBased, false)
  KPR_FIELD(bool, GravityLoad, false)
  KPR_FIELD(bool, MassMatrix, false)
  KPR_FIELD(bool, StructuralDampingMatrix, false)
  KPR_FIELD(bool, ViscousDampingMatrix, false)
  KPR_FIELD(bool, PropertyEvaluation, false)
  KPR_FIELD(double, PropertyFrequency, 0.0)
  // Eigenmode selection: 0 none, 1 frequency ranges, 2 mode ranges.
  KPR_FIELD(int, Selection, 0)
  KPR_FIELD(cow_List<kprC_FrequencyRange>, FrequencyRanges, {})
  KPR_FIELD(cow_List<kprC_ModeRange>, ModeRanges, {})
  KPR_FIELD(GlobalDampingEnm, GlobalDampingField, GLOBAL_NONE)
  KPR_FIELD(double, GlobalAlpha, 0.0)
  KPR_FIELD(double, GlobalBeta, 0.0)
  KPR_FIELD(double, GlobalStructural, 0.0)
  KPR_FIELD(ViscousDampingEnm, ViscousDamping, VISCOUS_NONE)
  KPR_FIELD(StructuralDampingEnm, StructuralDamping, STRUCTURAL_NONE)
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
