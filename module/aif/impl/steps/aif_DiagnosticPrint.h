// "*Print": the solver's diagnostic printing switches of a step, written only
// where they differ from the switches in force before the step. Made by the
// output request builder, which carries the print in force from step to
// step.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"

class kprC_DiagnosticPrint;

class aif_DiagnosticPrint : public akw_Keyword {
 public:
  // `print`: the step's print request; `inForce`: the print in force before
  // the step. Both are shared, either may be empty.
  aif_DiagnosticPrint(const cow_COW<kprC_DiagnosticPrint>& print,
                      const cow_COW<kprC_DiagnosticPrint>& inForce)
      : print_(print), inForce_(inForce) {}
  aif_DiagnosticPrint(const aif_DiagnosticPrint&) = default;

  akw_Keyword* Clone() const override { return new aif_DiagnosticPrint(*this); }
  // Nothing when either handle is empty or the request is of no known kind.
  // Explicit and standard requests: nothing when the print in force is of
  // the same kind and equal; otherwise "*Print" with each switch that
  // differs from the print in force (of the same kind) or else from the
  // kind's defaults: explicit ", allke=", ", critical element=", ",
  // etotal=", ", dmass="; standard ", contact=", ", frequency=", ", model
  // change=", ", plasticity=", ", residual=", ", solve=" (YES/NO, the
  // frequency a number). Perturbation requests: nothing when a standard print
  // in force has the same frequency and solve switch; otherwise "*Print" with
  // ", frequency=" and ", solve=" where they differ from the perturbation
  // defaults. "*Print" stands alone when no switch differs.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<kprC_DiagnosticPrint> print_;
  cow_COW<kprC_DiagnosticPrint> inForce_;
};
