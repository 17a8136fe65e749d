#include "aif/impl/steps/aif_Anneal.h"

#include "QivBasicUtils/utl_Stream.h"

namespace {
constexpr char kAnnealFile[] = "module/aif/impl/steps/aif_Anneal.cpp";
}  // namespace

aif_Anneal::aif_Anneal(const kprC_Step& step) : aif_ProcedureKeyword(step, kAnnealFile, __LINE__) {}

void aif_Anneal::Write(utl_Stream& stream) const {
  stream << "*Anneal";
  if (step_.Temperature() != kprC_UNSET) stream << ", temperature=" << step_.Temperature();
  stream.LineBreak();
}
