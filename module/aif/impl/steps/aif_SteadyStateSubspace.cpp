#include "aif/impl/steps/aif_SteadyStateSubspace.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_SteadyStateOptions.h"

namespace {

constexpr char kSteadyStateSubspaceFile[] = "module/aif/impl/steps/aif_SteadyStateSubspace.cpp";

}  // namespace

aif_SteadyStateSubspace::aif_SteadyStateSubspace(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kSteadyStateSubspaceFile, __LINE__) {}

void aif_SteadyStateSubspace::Write(utl_Stream& stream) const {
  stream << "*Steady State Dynamics, subspace projection";
  switch (step_.Projection()) {
    case 1:
      stream << "=CONSTANT";
      break;
    case 2:
      stream << "=EIGENFREQUENCY";
      break;
    case 3:
      stream << "=PROPERTY CHANGE, damping change=" << step_.DampingChange()
             << ", stiffness change=" << step_.StiffnessChange();
      break;
    case 4:
      stream << "=RANGE";
      break;
    default:
      break;
  }
  if (step_.ResponseType() == 0) stream << ", real only";
  aif_WriteSteadyStateScale(stream, step_.FrequencyScale(), step_.Interval());
  stream << (step_.FrictionDamping() ? ", friction damping=YES" : ", friction damping=NO");
  stream.LineBreak();
  aif_WriteSteadyStateRanges(stream, step_.Frequencies());
}
