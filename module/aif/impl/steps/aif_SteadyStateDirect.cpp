#include "aif/impl/steps/aif_SteadyStateDirect.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_SteadyStateOptions.h"

namespace {

constexpr char kSteadyStateDirectFile[] = "module/aif/impl/steps/aif_SteadyStateDirect.cpp";

}  // namespace

aif_SteadyStateDirect::aif_SteadyStateDirect(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kSteadyStateDirectFile, __LINE__) {}

// The direct form takes its points at the eigenfrequencies or not at all: it
// never writes ", interval=RANGE".
void aif_SteadyStateDirect::Write(utl_Stream& stream) const {
  stream << "*Steady State Dynamics, direct";
  if (step_.ResponseType() == 0) stream << ", real only";
  if (step_.FrequencyScale() == 1) stream << ", frequency scale=LINEAR";
  if (step_.IntervalEigenfrequency()) stream << ", interval=EIGENFREQUENCY";
  stream << (step_.FrictionDamping() ? ", friction damping=YES" : ", friction damping=NO");
  stream.LineBreak();
  aif_WriteSteadyStateRanges(stream, step_.Frequencies());
}
