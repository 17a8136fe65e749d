// Procedure types: a step's procedure is named by the kernel type id of the
// step class that runs it, and results files record it per step. The ids
// live beside the step classes; here is the procedure test the writer asks.
#pragma once

#include "OdbAttrEO/kprC_Step.h"

// Whether the explicit solver runs procedure `type` (the stand-in knows
// explicit dynamics only).
inline bool kprC_IsExplicit(unsigned type) {
  return type == kprC_EXPLICIT_DYNAMICS_PROCEDURE;
}
