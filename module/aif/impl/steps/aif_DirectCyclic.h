// "*Direct Cyclic": the procedure keyword of a direct cyclic step, with its
// incrementation and Fourier data line and, for a fatigue analysis, the
// fatigue line.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

class aif_DirectCyclic : public aif_ProcedureKeyword<aif_DirectCyclic, kprC_DirectCyclicStep> {
 public:
  // `partBased` (the file is part-based) does not change what is written.
  aif_DirectCyclic(const kprC_Step& step, bool partBased);

  // Writes "*Direct Cyclic" with ", continue=YES" or ", continue=NO", ",
  // fatigue", ", deltmx=" and ", cetol=" (automatic incrementation, when
  // positive) and ", time points=" with the printable name of the time points;
  // then the line "initial, cycle time, minimum, maximum, terms, maximum terms,
  // term increment, iterations" (minimum and maximum blank under fixed
  // incrementation, each integer blank at its default); then, for a fatigue
  // analysis with a value not at its default, the line "minimum cycle
  // increment, maximum cycle increment, cycles, damage tolerance", each blank
  // at its default.
  void Write(utl_Stream& stream) const override;
};
