#include "aif/impl/steps/aif_ModalDynamics.h"

#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kModalDynamicsFile[] = "module/aif/impl/steps/aif_ModalDynamics.cpp";

}  // namespace

aif_ModalDynamics::aif_ModalDynamics(const kprC_Step& step, unsigned previousType)
    : aif_ProcedureKeyword(step, kModalDynamicsFile, __LINE__), previousType_(previousType) {}

void aif_ModalDynamics::Write(utl_Stream& stream) const {
  const bool continues =
      step_.Continue() && (previousType_ == kprC_StaticLinearPerturbationStep::TypeId() ||
                           previousType_ == kprC_ModalDynamicsStep::TypeId());
  stream << "*Modal Dynamic" << (continues ? ", continue=YES" : ", continue=NO");
  stream.LineBreak();
  stream << step_.TimeIncrement() << ", " << step_.TimePeriod() << endl;
}
