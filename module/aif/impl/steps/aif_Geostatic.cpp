#include "aif/impl/steps/aif_Geostatic.h"

#include "QivBasicUtils/utl_Stream.h"

namespace {
constexpr char kGeostaticFile[] = "module/aif/impl/steps/aif_Geostatic.cpp";
constexpr double kGeostaticDefaultUtol = 1e-05;
}  // namespace

aif_Geostatic::aif_Geostatic(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kGeostaticFile, __LINE__) {}

void aif_Geostatic::Write(utl_Stream& stream) const {
  const kprC_Incrementation& increments = step_.Incrementation();
  stream << "*Geostatic";
  if (increments.Method() != 0) {
    stream.LineBreak();
    return;
  }
  stream << ", utol";
  if (step_.Utol() != kGeostaticDefaultUtol) stream << "=" << step_.Utol();
  stream.LineBreak();
  stream << increments.InitialInc() << ", " << step_.TimePeriod() << ", " << increments.MinInc()
         << ", " << increments.MaxInc();
  stream.LineBreak();
}
