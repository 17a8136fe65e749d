// "*Modal Dynamic": the mode-based transient procedure of a
// kprC_ModalDynamicsStep. Made by the step builder after the step's "*Step"
// line, with the kind of the step written before it; the modal damping
// keywords follow it.
#pragma once

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/steps/aif_ProcedureKeyword.h"

class aif_ModalDynamics : public aif_ProcedureKeyword<aif_ModalDynamics, kprC_ModalDynamicsStep> {
 public:
  // `previousType`: the DynTypeId of the analysis step written before this
  // one, 0 when this is the first.
  aif_ModalDynamics(const kprC_Step& step, unsigned previousType);

  // Writes "*Modal Dynamic" with ", continue=YES" when the step continues
  // and the step before was a static linear perturbation or a modal dynamics
  // step (the only ones whose modal state it can take over), else
  // ", continue=NO"; then the data line "increment, period".
  void Write(utl_Stream& stream) const override;

 private:
  unsigned previousType_;
};
