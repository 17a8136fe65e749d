#include "aif/impl/steps/aif_Static.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/steps/aif_ProcedureOptions.h"

namespace {
constexpr char kStaticFile[] = "module/aif/impl/steps/aif_Static.cpp";
}  // namespace

aif_Static::aif_Static(const kprC_Step& step) : aif_ProcedureKeyword(step, kStaticFile, __LINE__) {}

void aif_Static::Write(utl_Stream& stream) const {
  const kprC_Incrementation& increments = step_.Incrementation();
  const bool automatic = increments.Method() == 0;
  aif_WriteStaticHead(stream, increments, step_.Adiabatic(), step_.FullyPlasticRegion());
  aif_WriteStabilization(stream, step_.Stabilization());
  if (step_.LongTerm()) aif_Option(stream) << "long term";
  stream.LineBreak();

  stream << increments.InitialInc() << ", " << step_.TimePeriod();
  if (automatic) stream << ", " << increments.MinInc() << ", " << increments.MaxInc();
  stream.LineBreak();
}
