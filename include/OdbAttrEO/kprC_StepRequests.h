// The requests a step carries beside its procedure: restart write settings,
// the monitored degree of freedom, the diagnostic print switches, the
// solution controls and the linear solver controls. Accessors and setters
// only; a default-constructed object carries the kernel's ordinary defaults,
// against which the writer leaves values out.
#pragma once

#include "BasShared/cow_List.h"
#include "OdbAttrEO/kern_Object.h"
#include "OdbAttrEO/kprC_StepRecords.h"
#include "OdbCoreGeom/rgnC_Region.h"

// Declares the type id, registration and Clone of a concrete request class.
#define KPR_REQUEST_CLASS(Name, Base, Id) \
 public:                                  \
  static constexpr unsigned kTypeId = Id; \
  static unsigned TypeId() {              \
    return kTypeId;                       \
  }                                       \
  unsigned DynTypeId() const override {   \
    return kTypeId;                       \
  }                                       \
  CLS_REGISTER(Name, Base)                \
  Name* Clone() const override {          \
    return new Name(*this);               \
  }

// Restart write settings ----------------------------------------------------

// Base of the restart write settings; the kind tests tell the explicit and
// the standard settings from the flow settings.
class kprC_Restart : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x23C0200;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kprC_Restart, kern_Object)
  kprC_Restart* Clone() const override = 0;

  virtual bool IsExplicit() const { return false; }
  virtual bool IsStandard() const { return false; }
  // Same class and same settings.
  virtual bool Equals(const kprC_Restart& other) const = 0;
  friend bool operator==(const kprC_Restart& a, const kprC_Restart& b) { return a.Equals(b); }
};

class kprC_ExplicitRestart : public kprC_Restart {
  KPR_REQUEST_CLASS(kprC_ExplicitRestart, kprC_Restart, 0x23C0201)
  bool IsExplicit() const override { return true; }
  bool Equals(const kprC_Restart& other) const override;

  KERN_ATTR(bool, Overlay, false)
  KERN_ATTR(int, NumberIntervals, 1)
  KERN_ATTR(bool, TimeMarks, false)
};

// Written every `Frequency` increments, or at `NumberIntervals` evenly
// spaced times when that is greater than 0.
class kprC_StandardRestart : public kprC_Restart {
  KPR_REQUEST_CLASS(kprC_StandardRestart, kprC_Restart, 0x23C0202)
  bool IsStandard() const override { return true; }
  bool Equals(const kprC_Restart& other) const override;

  KERN_ATTR(bool, Overlay, false)
  KERN_ATTR(int, Frequency, 0)
  KERN_ATTR(int, NumberIntervals, 0)
  KERN_ATTR(bool, TimeMarks, false)
};

class kprC_FlowRestart : public kprC_Restart {
  KPR_REQUEST_CLASS(kprC_FlowRestart, kprC_Restart, 0x23C0203)
  bool Equals(const kprC_Restart& other) const override;

  KERN_ATTR(int, Frequency, 0)
  KERN_ATTR(int, NumberIntervals, 0)
};

// Monitor -------------------------------------------------------------------

// The degree of freedom `Dof` of the node of `Region` that the solver
// reports while it runs.
class kprC_Monitor : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x23C0210;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kprC_Monitor, kern_Object)
  kprC_Monitor* Clone() const override = 0;

  virtual bool IsExplicit() const { return false; }

  KERN_ATTR(rgnC_Region, Region, rgnC_Region())
  KERN_ATTR(int, Dof, 1)
};

class kprC_ExplicitMonitor : public kprC_Monitor {
  KPR_REQUEST_CLASS(kprC_ExplicitMonitor, kprC_Monitor, 0x23C0211)
  bool IsExplicit() const override { return true; }
};

// Reported every `Frequency` increments.
class kprC_StandardMonitor : public kprC_Monitor {
  KPR_REQUEST_CLASS(kprC_StandardMonitor, kprC_Monitor, 0x23C0212)
  KERN_ATTR(int, Frequency, 1)
};

// Diagnostic print ----------------------------------------------------------

class kprC_DiagnosticPrint : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x23C0220;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kprC_DiagnosticPrint, kern_Object)
  kprC_DiagnosticPrint* Clone() const override = 0;

  virtual bool IsExplicit() const { return false; }
  virtual bool IsStandard() const { return false; }
  virtual bool IsPerturbation() const { return false; }
  // Same class and same switches.
  virtual bool Equals(const kprC_DiagnosticPrint& other) const = 0;
  friend bool operator==(const kprC_DiagnosticPrint& a, const kprC_DiagnosticPrint& b) {
    return a.Equals(b);
  }
};

class kprC_ExplicitDiagnosticPrint : public kprC_DiagnosticPrint {
  KPR_REQUEST_CLASS(kprC_ExplicitDiagnosticPrint, kprC_DiagnosticPrint, 0x23C0221)
  bool IsExplicit() const override { return true; }
  bool Equals(const kprC_DiagnosticPrint& other) const override;

  KERN_ATTR(bool, Allke, true)
  KERN_ATTR(bool, CriticalElement, false)
  KERN_ATTR(bool, Etotal, false)
  KERN_ATTR(bool, Dmass, false)
};

class kprC_StandardDiagnosticPrint : public kprC_DiagnosticPrint {
  KPR_REQUEST_CLASS(kprC_StandardDiagnosticPrint, kprC_DiagnosticPrint, 0x23C0222)
  bool IsStandard() const override { return true; }
  bool Equals(const kprC_DiagnosticPrint& other) const override;

  KERN_ATTR(bool, Contact, false)
  KERN_ATTR(int, Frequency, 1)
  KERN_ATTR(bool, ModelChange, false)
  KERN_ATTR(bool, Plasticity, false)
  KERN_ATTR(bool, Residual, true)
  KERN_ATTR(bool, Solve, false)
};

// The print of a linear perturbation step: only the frequency and the solve
// switch.
class kprC_PerturbationDiagnosticPrint : public kprC_DiagnosticPrint {
  KPR_REQUEST_CLASS(kprC_PerturbationDiagnosticPrint, kprC_DiagnosticPrint, 0x23C0223)
  bool IsPerturbation() const override { return true; }
  bool Equals(const kprC_DiagnosticPrint& other) const override;

  KERN_ATTR(int, Frequency, 1)
  KERN_ATTR(bool, Solve, false)
};

// Solution controls ---------------------------------------------------------

// Base of the solution controls. `LeaveOut`: nothing of them is written;
// `Defaults`: the solver's defaults are restored and nothing else is set.
class kprC_Controls : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x23C0230;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kprC_Controls, kern_Object)
  kprC_Controls* Clone() const override = 0;

  KERN_ATTR(bool, LeaveOut, false)
  KERN_ATTR(bool, Defaults, false)
};

// The controls every kind shares: time incrementation (entries 0 to 10 are
// counts, the rest ratios and factors), constraint tolerances and line
// search (entry 0 a count), each held as the full list of the solver's
// parameters. The default lists are fixed by the kernel: time incrementation
// 28 entries, constraints 4, line search 5, each field 10, direct cyclic 5.
// Setting the discontinuous flag does not change the time incrementation
// list; the writer compares the list with the default for the flag.
class kprC_PrimaryControls : public kprC_Controls {
 public:
  static constexpr unsigned kTypeId = 0x23C0231;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kprC_PrimaryControls, kprC_Controls)
  kprC_PrimaryControls* Clone() const override = 0;

  static cow_List<double> timeIncrementationDef(bool discontinuous);
  static cow_List<double> constraintsDef();
  static cow_List<double> lineSearchDef();
  // `displacement`: the displacement field's tolerances; false for every
  // other field.
  static cow_List<double> fieldDef(bool displacement);

  KERN_ATTR(bool, Discontinuous, false)
  KERN_ATTR(cow_List<double>, TimeIncrementation, timeIncrementationDef(false))
  KERN_ATTR(cow_List<double>, Constraints, constraintsDef())
  KERN_ATTR(cow_List<double>, LineSearch, lineSearchDef())
};

// General controls of a stress analysis.
class kprC_TypicalControls : public kprC_PrimaryControls {
  KPR_REQUEST_CLASS(kprC_TypicalControls, kprC_PrimaryControls, 0x23C0232)
  KERN_ATTR(cow_List<double>, Displacement, fieldDef(true))
  KERN_ATTR(cow_List<double>, HydrostaticFluidPressure, fieldDef(false))
  KERN_ATTR(cow_List<double>, Rotation, fieldDef(false))
};

// Coupled temperature-displacement.
class kprC_CTDControls : public kprC_TypicalControls {
  KPR_REQUEST_CLASS(kprC_CTDControls, kprC_TypicalControls, 0x23C0233)
  KERN_ATTR(cow_List<double>, Temperature, fieldDef(false))
};

class kprC_PoreControls : public kprC_TypicalControls {
  KPR_REQUEST_CLASS(kprC_PoreControls, kprC_TypicalControls, 0x23C0234)
  KERN_ATTR(cow_List<double>, PoreFluidPressure, fieldDef(false))
};

class kprC_ElectricalControls : public kprC_TypicalControls {
  KPR_REQUEST_CLASS(kprC_ElectricalControls, kprC_TypicalControls, 0x23C0235)
  KERN_ATTR(cow_List<double>, ElectricalPotential, fieldDef(false))
};

class kprC_HeatTransferControls : public kprC_PrimaryControls {
  KPR_REQUEST_CLASS(kprC_HeatTransferControls, kprC_PrimaryControls, 0x23C0236)
  KERN_ATTR(cow_List<double>, Temperature, fieldDef(false))
};

// Coupled thermal-electrical.
class kprC_CTEControls : public kprC_HeatTransferControls {
  KPR_REQUEST_CLASS(kprC_CTEControls, kprC_HeatTransferControls, 0x23C0237)
  KERN_ATTR(cow_List<double>, ElectricalPotential, fieldDef(false))
};

class kprC_MassDiffusionControls : public kprC_PrimaryControls {
  KPR_REQUEST_CLASS(kprC_MassDiffusionControls, kprC_PrimaryControls, 0x23C0238)
  KERN_ATTR(cow_List<double>, Concentration, fieldDef(false))
};

class kprC_DirectCyclicControls : public kprC_PrimaryControls {
  KPR_REQUEST_CLASS(kprC_DirectCyclicControls, kprC_PrimaryControls, 0x23C0239)
 public:
  static cow_List<double> directCyclicDef();

  KERN_ATTR(cow_List<double>, Displacement, fieldDef(true))
  KERN_ATTR(cow_List<double>, Rotation, fieldDef(false))
  KERN_ATTR(cow_List<double>, DirectCyclic, directCyclicDef())
};

// Linear solver controls ----------------------------------------------------

// `LeaveOut` and `Defaults` as for the solution controls; a tolerance and
// two iteration limits, 0 leaving each to the solver.
class kprC_LinearCtrl : public kern_Object {
  KPR_REQUEST_CLASS(kprC_LinearCtrl, kern_Object, 0x23C0240)
  KERN_ATTR(bool, LeaveOut, false)
  KERN_ATTR(bool, Defaults, false)
  KERN_ATTR(double, Tolerance, 0.0)
  KERN_ATTR(int, MaxIterations, 0)
  KERN_ATTR(int, RestartIterations, 0)
};
