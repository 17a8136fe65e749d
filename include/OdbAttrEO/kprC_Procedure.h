// Procedure types: a step's procedure is named by the kernel type id of the
// step class that runs it, and results files record it per step. Every test
// the writer asks of a procedure is answered from one table keyed by the
// type id; a type id the table does not hold answers false (and default
// output type 0).
#pragma once

#include "OdbAttrEO/kprC_Step.h"

// What the kernel knows of one procedure.
struct kprC_ProcedureTraits {
  unsigned type = 0;
  bool explicitSolver = false;  // run by the explicit solver
  bool flow = false;            // a fluid-flow procedure
  bool implicitModal = false;   // mode-based: output every 10 increments by default
  bool modes = false;           // eigenvalue extraction: output by a mode list
  bool frequencyBuckle = false;  // natural frequency or buckling: no history output
  bool timeDomain = false;      // steps through a time period: intervals, time
                                // intervals, time points and time marks apply
  int defaultOutputType = 0;    // 0 output every n increments, 1 by intervals
};

// The traits of procedure `type`; a type the table does not hold gives the
// all-false traits.
const kprC_ProcedureTraits& kprC_Procedure(unsigned type);

inline bool kprC_IsExplicit(unsigned type) { return kprC_Procedure(type).explicitSolver; }
inline bool kprC_IsFlow(unsigned type) { return kprC_Procedure(type).flow; }
inline bool kprC_IsImplicitModal(unsigned type) { return kprC_Procedure(type).implicitModal; }
inline bool kprC_ModesIsAllowed(unsigned type) { return kprC_Procedure(type).modes; }
inline bool kprC_IsFrequencyBuckle(unsigned type) { return kprC_Procedure(type).frequencyBuckle; }
// Whether the procedure applies loads by load cases: the static linear
// perturbation and the substructure generation.
inline bool kprC_IsLoadCaseCapable(unsigned type) {
  return type == kprC_StaticLinearPerturbationStep::kTypeId ||
         type == kprC_SubstructureGenerateStep::kTypeId;
}
// Output every n increments: allowed for every procedure but the eigenvalue
// extractions' field output (they write by modes).
inline bool kprC_OutputFrequencyIsAllowed(unsigned type, bool field) {
  return !(field && kprC_Procedure(type).modes);
}
inline bool kprC_TimeIntervalIsAllowed(unsigned type) { return kprC_Procedure(type).timeDomain; }
inline bool kprC_TimePointIsAllowed(unsigned type, bool field) {
  (void)field;
  return kprC_Procedure(type).timeDomain;
}
inline bool kprC_TimeMarksIsAllowed(unsigned type, bool field) {
  (void)field;
  return kprC_Procedure(type).timeDomain;
}
// A number of intervals needs a procedure that steps through a period.
inline bool kprC_NumberIntervalIsAllowed(const kprC_AnalysisStep& step) {
  return kprC_Procedure(step.DynTypeId()).timeDomain;
}
// The default output type of procedure `type` for field (`field`) or history
// output: 0 every n increments, 1 by a number of intervals.
inline int korC_DefaultOutputType(unsigned type, bool field) {
  (void)field;
  return kprC_Procedure(type).defaultOutputType;
}
