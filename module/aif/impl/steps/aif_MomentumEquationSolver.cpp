#include "aif/impl/steps/aif_MomentumEquationSolver.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_EquationSolverLines.h"

namespace {

constexpr char kMomentumEquationSolverFile[] =
    "module/aif/impl/steps/aif_MomentumEquationSolver.cpp";

}  // namespace

aif_MomentumEquationSolver::aif_MomentumEquationSolver(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kMomentumEquationSolverFile, __LINE__) {}

void aif_MomentumEquationSolver::Write(utl_Stream& stream) const {
  stream << "*Momentum Equation Solver";
  aif_WriteEquationSolverLines(stream, step_.MomentumSolver());
}
