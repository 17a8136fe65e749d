// The kernel's step rules for output frequencies: whether a step can honour
// output requested by a number of intervals, and time marks. A step with
// fixed time incrementation or a steady-state response cannot. The stand-in
// answers what the step stores (kprC_Step::SetOutputConsistency).
#pragma once

#include "OdbAttrEO/kprC_Step.h"

inline bool kprC_NumberIntervalConsistency(const kprC_Step& step) {
  return step.NumberIntervalConsistent();
}

// `forOutput`: asked for output requests (the kernel's variant flag).
inline bool kprC_TimeMarksConsistency(const kprC_Step& step, bool forOutput) {
  (void)forOutput;
  return step.TimeMarksConsistent();
}
