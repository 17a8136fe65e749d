#include "OdbAttrEO/kprC_StepRequests.h"

#include <tuple>

bool kprC_ExplicitRestart::Equals(const kprC_Restart& other) const {
  const auto* o = dynamic_cast<const kprC_ExplicitRestart*>(&other);
  return o && o->DynTypeId() == DynTypeId() &&
         std::tie(Overlay_, NumberIntervals_, TimeMarks_) ==
             std::tie(o->Overlay_, o->NumberIntervals_, o->TimeMarks_);
}

bool kprC_StandardRestart::Equals(const kprC_Restart& other) const {
  const auto* o = dynamic_cast<const kprC_StandardRestart*>(&other);
  return o && o->DynTypeId() == DynTypeId() &&
         std::tie(Overlay_, Frequency_, NumberIntervals_, TimeMarks_) ==
             std::tie(o->Overlay_, o->Frequency_, o->NumberIntervals_, o->TimeMarks_);
}

bool kprC_FlowRestart::Equals(const kprC_Restart& other) const {
  const auto* o = dynamic_cast<const kprC_FlowRestart*>(&other);
  return o && o->DynTypeId() == DynTypeId() &&
         std::tie(Frequency_, NumberIntervals_) == std::tie(o->Frequency_, o->NumberIntervals_);
}

bool kprC_ExplicitDiagnosticPrint::Equals(const kprC_DiagnosticPrint& other) const {
  const auto* o = dynamic_cast<const kprC_ExplicitDiagnosticPrint*>(&other);
  return o && o->DynTypeId() == DynTypeId() &&
         std::tie(Allke_, CriticalElement_, Etotal_, Dmass_) ==
             std::tie(o->Allke_, o->CriticalElement_, o->Etotal_, o->Dmass_);
}

bool kprC_StandardDiagnosticPrint::Equals(const kprC_DiagnosticPrint& other) const {
  const auto* o = dynamic_cast<const kprC_StandardDiagnosticPrint*>(&other);
  return o && o->DynTypeId() == DynTypeId() &&
         std::tie(Contact_, Frequency_, ModelChange_, Plasticity_, Residual_, Solve_) ==
             std::tie(o->Contact_, o->Frequency_, o->ModelChange_, o->Plasticity_, o->Residual_,
                      o->Solve_);
}

bool kprC_PerturbationDiagnosticPrint::Equals(const kprC_DiagnosticPrint& other) const {
  const auto* o = dynamic_cast<const kprC_PerturbationDiagnosticPrint*>(&other);
  return o && o->DynTypeId() == DynTypeId() &&
         std::tie(Frequency_, Solve_) == std::tie(o->Frequency_, o->Solve_);
}

cow_List<double> kprC_PrimaryControls::timeIncrementationDef(bool discontinuous) {
  // Counts: equilibrium iterations before checks and cut-backs (two larger
  // in a discontinuous analysis), then ratios and factors of the increment
  // size control.
  return {discontinuous ? 8.0 : 4.0,
          discontinuous ? 10.0 : 8.0,
          9.0,
          16.0,
          10.0,
          4.0,
          12.0,
          discontinuous ? 25.0 : 5.0,
          6.0,
          3.0,
          50.0,
          0.25,
          0.5,
          0.75,
          0.85,
          0.25,
          0.25,
          1.5,
          0.75,
          0.8,
          1.5,
          1.25,
          0.95,
          0.1,
          1.0,
          0.5,
          0.75,
          0.0};
}

cow_List<double> kprC_PrimaryControls::constraintsDef() {
  return {0.03, 0.005, 1e-05, 1e-05};
}

cow_List<double> kprC_PrimaryControls::lineSearchDef() {
  return {0.0, 4.0, 0.25, 0.15, 0.1};
}

cow_List<double> kprC_PrimaryControls::fieldDef(bool displacement) {
  if (displacement) return {0.005, 0.01, 0.01, 1.0, 0.02, 1e-05, 0.001, 1e-08, 1.0, 1e-05};
  return {0.005, 0.01, 0.01, 1.0, 0.02, 1e-05, 0.001, 1e-08, 1.0, 0.0};
}

cow_List<double> kprC_DirectCyclicControls::directCyclicDef() {
  return {0.005, 0.005, 0.005, 0.005, 0.0};
}
