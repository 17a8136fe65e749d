#include "aif/impl/steps/aif_ExplicitDynamics.h"

#include "BasShared/atr_String.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/core/aif_Exception.h"
#include "aif/impl/steps/aif_ExplicitIncrementation.h"

namespace {

constexpr char kExplicitDynamicsFile[] = "module/aif/impl/steps/aif_ExplicitDynamics.cpp";

}  // namespace

aif_ExplicitDynamics::aif_ExplicitDynamics(const kprC_Step& step)
    : aif_ProcedureKeyword(step, kExplicitDynamicsFile, __LINE__) {}

void aif_ExplicitDynamics::Write(utl_Stream& stream) const {
  stream << "*Dynamic, Explicit";
  if (step_.Adiabatic()) stream << ", adiabatic";
  if (!aif_WriteExplicitIncrementation(stream, step_.Controls(), step_.TimePeriod()))
    nex_Exception::Throw(aif_Exception(atr_Translate("Corrupted Explicit Dynamics procedure")),
                         kExplicitDynamicsFile, __LINE__);
}
