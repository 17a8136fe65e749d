#include "aif/impl/steps/aif_CoupledTempDisplacement.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/steps/aif_ProcedureOptions.h"

namespace {
constexpr char kCoupledTempDisplacementFile[] =
    "module/aif/impl/steps/aif_CoupledTempDisplacement.cpp";
}  // namespace

aif_CoupledTempDisplacement::aif_CoupledTempDisplacement(const kprC_Step& step, bool /*partBased*/)
    : aif_ProcedureKeyword(step, kCoupledTempDisplacementFile, __LINE__) {}

void aif_CoupledTempDisplacement::Write(utl_Stream& stream) const {
  const kprC_Incrementation& increments = step_.Incrementation();
  const bool automatic = increments.Method() == 0;
  stream << "*Coupled Temperature-displacement";
  if (step_.Creep() == 2)
    stream << ", creep=none";
  else if (step_.Creep() == 1)
    stream << ", creep=explicit";
  if (step_.Response() == 0) {
    aif_Option(stream) << "steady state";
  } else if (automatic) {
    if (step_.Deltmx() > 0) aif_Option(stream) << "deltmx=" << step_.Deltmx();
    if (step_.Creep() != 2 && step_.CreepTolerance() > 0)
      aif_Option(stream) << "cetol=" << step_.CreepTolerance();
  }
  aif_WriteStabilization(stream, step_.Stabilization());
  stream.LineBreak();

  stream << increments.InitialInc() << ", " << step_.TimePeriod() << ", ";
  if (automatic) stream << increments.MinInc() << ", " << increments.MaxInc();
  stream.LineBreak();
}
