#include "aif/impl/steps/aif_SolverControls.h"

#include <cmath>

#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"

namespace {

constexpr char kSolverControlsFile[] = "module/aif/impl/steps/aif_SolverControls.cpp";

}  // namespace

void aif_SolverControls::Write(utl_Stream& stream) const {
  if (control_.LeaveOut()) return;
  // Checked before anything is written, so that the error leaves no part of
  // the keyword behind.
  if (!control_.Defaults() && !std::isfinite(control_.Tolerance()))
    nex_Exception::Throw(aif_Exception(atr_Translate(
                             "The linear solver controls hold a tolerance that is not a number")),
                         kSolverControlsFile, __LINE__);
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
