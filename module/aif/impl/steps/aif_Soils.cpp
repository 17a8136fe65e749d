#include "aif/impl/steps/aif_Soils.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/steps/aif_ProcedureOptions.h"

namespace {
constexpr char kSoilsFile[] = "module/aif/impl/steps/aif_Soils.cpp";
}  // namespace

aif_Soils::aif_Soils(const kprC_Step& step) : aif_ProcedureKeyword(step, kSoilsFile, __LINE__) {}

void aif_Soils::Write(utl_Stream& stream) const {
  const kprC_Incrementation& increments = step_.Incrementation();
  const bool automatic = increments.Method() == 0;
  const bool endRate = step_.EndRate() != kprC_UNSET;
  stream << "*Soils";
  if (step_.Consolidation() == 0)
    stream << ", consolidation" << (endRate ? ", end=SS" : ", end=PERIOD");
  if (automatic) {
    aif_Option(stream) << "utol=";
    if (step_.Utol() > 0)
      stream << step_.Utol();
    else
      stream << "1.0";
    if (step_.Creep() && step_.CreepTolerance() > 0)
      aif_Option(stream) << "cetol=" << step_.CreepTolerance();
  }
  if (!step_.Creep()) aif_Option(stream) << "creep=none";
  aif_WriteStabilization(stream, step_.Stabilization());
  stream.LineBreak();

  stream << increments.InitialInc() << ", " << step_.TimePeriod();
  if (automatic)
    stream << ", " << increments.MinInc() << ", " << increments.MaxInc() << ", ";
  else
    stream << (endRate ? ", , , " : ", ,");
  aif_WriteIfSet(stream, step_.EndRate());
  stream.LineBreak();
}
