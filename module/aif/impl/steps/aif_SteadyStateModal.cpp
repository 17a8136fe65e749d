#include "aif/impl/steps/aif_SteadyStateModal.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/steps/aif_SteadyStateOptions.h"

namespace {

constexpr char kSteadyStateModalFile[] = "module/aif/impl/steps/aif_SteadyStateModal.cpp";

}  // namespace

aif_SteadyStateModal::aif_SteadyStateModal(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kSteadyStateModalFile, __LINE__) {}

void aif_SteadyStateModal::Write(utl_Stream& stream) const {
  stream << "*Steady State Dynamics";
  aif_WriteSteadyStateScale(stream, step_.FrequencyScale(), step_.Interval());
  stream.LineBreak();
  aif_WriteSteadyStateRanges(stream, step_.Frequencies());
}
