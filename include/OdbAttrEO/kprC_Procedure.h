// Procedure types: a step's procedure is named by the kernel type id of the
// step class that runs it, and results files record it per step. Here are the
// ids the writer names, the procedure test it asks, and the direct cyclic
// step with its cycle flag.
#pragma once

#include "OdbAttrEO/kprC_Step.h"

inline constexpr unsigned kprC_STATIC_PROCEDURE = 0x23C0073;
inline constexpr unsigned kprC_EXPLICIT_DYNAMICS_PROCEDURE = 0x23C0069;
inline constexpr unsigned kprC_CFD_PROCEDURE = 0x23C0091;
inline constexpr unsigned kprC_DIRECT_CYCLIC_PROCEDURE = 0x23C008F;

// Whether the explicit solver runs procedure `type` (the stand-in knows
// explicit dynamics only).
inline bool kprC_IsExplicit(unsigned type) {
  return type == kprC_EXPLICIT_DYNAMICS_PROCEDURE;
}

class kprC_DirectCyclicStep : public kprC_AnalysisStep {
 public:
  static constexpr unsigned kTypeId = kprC_DIRECT_CYCLIC_PROCEDURE;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kprC_DirectCyclicStep, kprC_AnalysisStep)
  kprC_DirectCyclicStep* Clone() const override { return new kprC_DirectCyclicStep(*this); }

  // Restart points of the step count cycles rather than iterations.
  bool Cycle() const { return cycle_; }
  void SetCycle(bool cycle) { cycle_ = cycle; }

 private:
  bool cycle_ = false;
};
