#include "aif/impl/steps/aif_HeatTransfer.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/steps/aif_ProcedureOptions.h"

namespace {
constexpr char kHeatTransferFile[] = "module/aif/impl/steps/aif_HeatTransfer.cpp";
constexpr double kHeatTransferDefaultMxdem = 0.1;
}  // namespace

aif_HeatTransfer::aif_HeatTransfer(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kHeatTransferFile, __LINE__) {}

void aif_HeatTransfer::Write(utl_Stream& stream) const {
  const kprC_Incrementation& increments = step_.Incrementation();
  const bool automatic = increments.Method() == 0;
  const bool steady = step_.Response() == 0;
  stream << "*Heat Transfer";
  if (steady)
    aif_Option(stream) << "steady state";
  else
    stream << (step_.EndRate() != kprC_UNSET ? ", end=SS" : ", end=PERIOD");
  if (automatic) aif_Option(stream) << "deltmx=" << step_.Deltmx();
  if (step_.Mxdem() != kHeatTransferDefaultMxdem) aif_Option(stream) << "mxdem=" << step_.Mxdem();
  stream.LineBreak();

  aif_WriteTransientIncrements(stream, increments, step_.TimePeriod(), steady);
  aif_WriteIfSet(stream, step_.EndRate());
  stream.LineBreak();
}
