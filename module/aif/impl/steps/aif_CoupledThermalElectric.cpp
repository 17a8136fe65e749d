#include "aif/impl/steps/aif_CoupledThermalElectric.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/steps/aif_ProcedureOptions.h"

namespace {
constexpr char kCoupledThermalElectricFile[] =
    "module/aif/impl/steps/aif_CoupledThermalElectric.cpp";
constexpr double kCoupledThermalElectricDefaultMxdem = 0.1;
}  // namespace

aif_CoupledThermalElectric::aif_CoupledThermalElectric(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kCoupledThermalElectricFile, __LINE__) {}

void aif_CoupledThermalElectric::Write(utl_Stream& stream) const {
  const kprC_Incrementation& increments = step_.Incrementation();
  const bool automatic = increments.Method() == 0;
  stream << "*Coupled Thermal-electrical";
  if (step_.Response() == 0)
    aif_Option(stream) << "steady state";
  else
    stream << (step_.EndRate() != kprC_UNSET ? ", end=SS" : ", end=PERIOD");
  if (automatic) {
    aif_Option(stream) << "deltmx=" << step_.Deltmx();
    if (step_.Mxdem() != kCoupledThermalElectricDefaultMxdem)
      aif_Option(stream) << "mxdem=" << step_.Mxdem();
  }
  stream.LineBreak();

  aif_WriteTransientIncrements(stream, increments, step_.TimePeriod(), false);
  aif_WriteIfSet(stream, step_.EndRate());
  stream.LineBreak();
}
