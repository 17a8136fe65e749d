// "*Solver Controls": the linear solver controls of a step, "*Solver
// Controls, reset" and a data line of the tolerance and the two iteration
// limits. Made by the output request builder from the step's linear
// controls.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "OdbAttrEO/kprC_StepRequests.h"

class aif_SolverControls : public akw_Keyword {
 public:
  // Copies `control`.
  explicit aif_SolverControls(const kprC_LinearCtrl& control) : control_(control) {}
  aif_SolverControls(const aif_SolverControls&) = default;

  akw_Keyword* Clone() const override { return new aif_SolverControls(*this); }
  // Nothing when the control is to be left out; else "*Solver Controls,
  // reset" and, unless the control asks for defaults only, "*Solver
  // Controls" with the data line "<tolerance>, <first limit>" and ",
  // <second limit>", each value blank (the second with its separator left
  // out) when it is 0. Throws aif_Exception, having written nothing, when
  // the tolerance to be written is not a finite number.
  void Write(utl_Stream& stream) const override;

 private:
  kprC_LinearCtrl control_;
};
