#include "aif/impl/steps/aif_EquationSolverLines.h"

#include "OdbAttrEO/kprC_StepRecords.h"
#include "QivBasicUtils/utl_Stream.h"

void aif_WriteEquationSolverLines(utl_Stream& stream, const kprC_EquationSolver& solver) {
  if (solver.Diagnostics()) stream << ", diagnostics=ON";
  if (solver.Convergence()) stream << ", convergence=ON";
  stream.LineBreak();
  stream << solver.MaxIterations() << ", " << solver.CheckFrequency() << ", " << solver.Tolerance();
  stream.LineBreak();
}
