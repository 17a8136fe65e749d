#include "aif/impl/steps/aif_TransportEquationSolver.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_EquationSolverLines.h"

namespace {

constexpr char kTransportEquationSolverFile[] =
    "module/aif/impl/steps/aif_TransportEquationSolver.cpp";

}  // namespace

aif_TransportEquationSolver::aif_TransportEquationSolver(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kTransportEquationSolverFile, __LINE__) {}

void aif_TransportEquationSolver::Write(utl_Stream& stream) const {
  stream << "*Transport Equation Solver";
  aif_WriteEquationSolverLines(stream, step_.TransportSolver());
}
