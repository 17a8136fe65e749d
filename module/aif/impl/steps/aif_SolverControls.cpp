#include "aif/impl/steps/aif_SolverControls.h"

#include "QivBasicUtils/utl_Stream.h"

void aif_SolverControls::Write(utl_Stream& stream) const {
  if (control_.LeaveOut()) return;
  stream << "*Solver Controls, reset";
  stream.LineBreak();
  if (control_.Defaults()) return;
  stream << "*Solver Controls";
  stream.LineBreak();
  if (control_.Tolerance() != 0.0) stream << control_.Tolerance();
  stream << ", ";
  if (control_.MaxIterations() != 0) stream << control_.MaxIterations();
  if (control_.RestartIterations() != 0) stream << ", " << control_.RestartIterations();
  stream.LineBreak();
}
