#include "aif/impl/steps/aif_SubspaceDynamics.h"

#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kSubspaceDynamicsFile[] = "module/aif/impl/steps/aif_SubspaceDynamics.cpp";

}  // namespace

aif_SubspaceDynamics::aif_SubspaceDynamics(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kSubspaceDynamicsFile, __LINE__) {}

void aif_SubspaceDynamics::Write(utl_Stream& stream) const {
  stream << "*Dynamic, subspace";
  stream.LineBreak();
  stream << step_.TimeIncrement() << ", " << step_.TimePeriod() << ", " << endl;
}
