#include "aif/impl/steps/aif_MassDiffusion.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/steps/aif_ProcedureOptions.h"

namespace {
constexpr char kMassDiffusionFile[] = "module/aif/impl/steps/aif_MassDiffusion.cpp";
}  // namespace

aif_MassDiffusion::aif_MassDiffusion(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kMassDiffusionFile, __LINE__) {}

void aif_MassDiffusion::Write(utl_Stream& stream) const {
  const kprC_Incrementation& increments = step_.Incrementation();
  const bool automatic = increments.Method() == 0;
  const bool endRate = step_.EndRate() != 0;
  stream << "*Mass Diffusion";
  if (step_.Response() == 0) {
    stream << ", steady state";
  } else {
    stream << (endRate ? ", end=SS" : ", end=PERIOD");
    if (automatic) aif_Option(stream) << "dcmax=" << step_.Dcmax();
  }
  stream.LineBreak();

  aif_WriteTransientIncrements(stream, increments, step_.TimePeriod(), false);
  if (endRate) stream << step_.EndRate();
  stream.LineBreak();
}
