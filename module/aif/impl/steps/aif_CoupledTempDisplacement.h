// "*Coupled Temperature-displacement": the procedure keyword of a coupled
// temperature-displacement step.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

class aif_CoupledTempDisplacement
    : public aif_ProcedureKeyword<aif_CoupledTempDisplacement, kprC_CoupledTempDisplacementStep> {
 public:
  // `partBased` (the file is part-based) does not change what is written.
  aif_CoupledTempDisplacement(const kprC_Step& step, bool partBased);

  // Writes "*Coupled Temperature-displacement" with ", creep=none" or ",
  // creep=explicit", ", steady state" or (transient, automatic incrementation)
  // ", deltmx=" and ", cetol=" when positive (no cetol without creep), and the
  // stabilization options; then the line "initial, period, " and, with
  // automatic incrementation, "minimum, maximum".
  void Write(utl_Stream& stream) const override;
};
