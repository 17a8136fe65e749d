#include "aif/impl/steps/aif_Restart.h"

#include "OdbAttrEO/kprC_Procedure.h"
#include "QivBasicUtils/utl_Stream.h"

void aif_Restart::Write(utl_Stream& stream) const {
  stream << "*Restart, read, step=" << step_;
  if (increment_ != kNoIncrement) {
    const char* option = cycle_                                              ? ", cycle="
                         : procedureType_ == kprC_DirectCyclicStep::TypeId() ? ", iteration="
                         : kprC_IsExplicit(procedureType_)                   ? ", interval="
                                                                             : ", inc=";
    stream << option << increment_;
    if (endStep_) stream << ", end step";
  }
  stream.LineBreak();
}
