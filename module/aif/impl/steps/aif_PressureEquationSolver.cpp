#include "aif/impl/steps/aif_PressureEquationSolver.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_EquationSolverLines.h"

namespace {

constexpr char kPressureEquationSolverFile[] =
    "module/aif/impl/steps/aif_PressureEquationSolver.cpp";

const char* PressureKrylovText(int method) {
  switch (method) {
    case 0:
      return ", CG";
    case 1:
      return ", BCGS";
    default:
      return ", FGMRES";
  }
}

}  // namespace

aif_PressureEquationSolver::aif_PressureEquationSolver(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kPressureEquationSolverFile, __LINE__) {}

void aif_PressureEquationSolver::Write(utl_Stream& stream) const {
  stream << "*Pressure Equation Solver";
  if (step_.PressureSolverType() == 0) stream << ", type=SSORCG";
  aif_WriteEquationSolverLines(stream, step_.PressureSolver());
  if (step_.PressureSolverType() != 1) return;
  stream << (step_.Preconditioner() == 0 ? "ICC" : "CHEBYCHEV") << ", "
         << step_.PreconditionerLevel() << ", " << step_.PreconditionerSweeps()
         << PressureKrylovText(step_.KrylovMethod());
  stream.LineBreak();
}
