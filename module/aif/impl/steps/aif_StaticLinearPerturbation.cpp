#include "aif/impl/steps/aif_StaticLinearPerturbation.h"

#include "QivBasicUtils/utl_Stream.h"

namespace {
constexpr char kStaticLinearPerturbationFile[] =
    "module/aif/impl/steps/aif_StaticLinearPerturbation.cpp";
}  // namespace

aif_StaticLinearPerturbation::aif_StaticLinearPerturbation(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kStaticLinearPerturbationFile, __LINE__) {}

void aif_StaticLinearPerturbation::Write(utl_Stream& stream) const {
  stream << "*Static";
  stream.LineBreak();
}
