#include "aif/impl/steps/aif_DirectCyclic.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/steps/aif_ProcedureOptions.h"

namespace {

constexpr char kDirectCyclicFile[] = "module/aif/impl/steps/aif_DirectCyclic.cpp";

// The solver's defaults of the Fourier and fatigue fields.
constexpr int kCyclicInitialTerms = 11;
constexpr int kCyclicMaxTerms = 25;
constexpr int kCyclicTermIncrement = 5;
constexpr int kCyclicMaxIterations = 200;
constexpr int kCyclicMinCycleInc = 100;
constexpr int kCyclicMaxCycleInc = 1000;
constexpr double kCyclicDamageTolerance = 1.0;

// An integer field: the value, or blank at its default.
void WriteCyclicField(utl_Stream& stream, int value, int defaultValue) {
  if (value != defaultValue) stream << value;
}

}  // namespace

aif_DirectCyclic::aif_DirectCyclic(const kprC_Step& step, bool /*partBased*/)
    : aif_ProcedureKeyword(step, kDirectCyclicFile, __LINE__) {}

void aif_DirectCyclic::Write(utl_Stream& stream) const {
  const kprC_Incrementation& increments = step_.Incrementation();
  const bool automatic = increments.Method() == 0;
  stream << "*Direct Cyclic" << (step_.Continue() ? ", continue=YES" : ", continue=NO");
  if (step_.Fatigue()) stream << ", fatigue";
  if (automatic) {
    if (step_.Deltmx() > 0) aif_Option(stream) << "deltmx=" << step_.Deltmx();
    if (step_.CreepTolerance() > 0) aif_Option(stream) << "cetol=" << step_.CreepTolerance();
  }
  if (!step_.TimePointsName().IsEmpty())
    aif_Option(stream) << "time points=" << akw_MorvexName(step_.TimePointsName(), false);
  stream.LineBreak();

  stream << increments.InitialInc() << ", " << step_.TimePeriod() << ", ";
  if (automatic)
    stream << increments.MinInc() << ", " << increments.MaxInc() << ", ";
  else
    stream << ", , ";
  WriteCyclicField(stream, step_.InitialTerms(), kCyclicInitialTerms);
  stream << ", ";
  WriteCyclicField(stream, step_.MaxTerms(), kCyclicMaxTerms);
  stream << ", ";
  WriteCyclicField(stream, step_.TermIncrement(), kCyclicTermIncrement);
  stream << ", ";
  WriteCyclicField(stream, step_.MaxIterations(), kCyclicMaxIterations);
  stream.LineBreak();

  const bool fatigueGiven =
      step_.MinCycleInc() != kCyclicMinCycleInc || step_.MaxCycleInc() != kCyclicMaxCycleInc ||
      step_.TotalCycles() != kprC_NOT_GIVEN || step_.DamageTolerance() != kCyclicDamageTolerance;
  if (!step_.Fatigue() || !fatigueGiven) return;
  WriteCyclicField(stream, step_.MinCycleInc(), kCyclicMinCycleInc);
  stream << ", ";
  WriteCyclicField(stream, step_.MaxCycleInc(), kCyclicMaxCycleInc);
  stream << ", ";
  aif_WriteIfGiven(stream, step_.TotalCycles());
  stream << ", ";
  if (step_.DamageTolerance() != kCyclicDamageTolerance) stream << step_.DamageTolerance();
  stream.LineBreak();
}
