#include "aif/impl/steps/aif_StaticRiks.h"

#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_KeywordOption.h"
#include "aif/impl/steps/aif_ProcedureOptions.h"

namespace {
constexpr char kStaticRiksFile[] = "module/aif/impl/steps/aif_StaticRiks.cpp";
// The maximum arc-length increment that means "no upper bound".
constexpr double kRiksUnboundedIncrement = 1e36;
}  // namespace

aif_StaticRiks::aif_StaticRiks(const kprC_Step& step, const cow_String& nodeRegionName)
    : aif_ProcedureKeyword(step, kStaticRiksFile, __LINE__), nodeRegionName_(nodeRegionName) {}

void aif_StaticRiks::Write(utl_Stream& stream) const {
  const kprC_Incrementation& increments = step_.Incrementation();
  const bool automatic = increments.Method() == 0;
  aif_WriteStaticHead(stream, increments, step_.Adiabatic(), step_.FullyPlasticRegion());
  if (step_.LongTerm()) aif_Option(stream) << "long term";
  aif_Option(stream) << "riks";
  stream.LineBreak();

  stream << increments.InitialInc() << ", " << step_.TimePeriod() << ", ";
  if (automatic) {
    stream << increments.MinInc() << ", ";
    if (increments.MaxInc() != kRiksUnboundedIncrement) stream << increments.MaxInc();
    stream << ", ";
  } else {
    stream << ", , ";
  }
  aif_WriteIfSet(stream, step_.MaxLoadFactor());
  stream << ", ";
  if (step_.NodeLimit())
    stream << nodeRegionName_ << ", " << step_.Dof() << ", " << step_.Displacement();
  stream.LineBreak();
}
