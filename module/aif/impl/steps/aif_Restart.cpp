#include "aif/impl/steps/aif_Restart.h"

#include "OdbAttrEO/kprC_Procedure.h"
#include "OdbAttrEO/kprC_StepRequests.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kRestartFile[] = "module/aif/impl/steps/aif_Restart.cpp";

const char* RestartTimeMarks(bool on) {
  return on ? ", time marks=YES" : ", time marks=NO";
}

}  // namespace

aif_Restart::aif_Restart(const kprC_Restart& request)
    : request_(request), procedureType_(kprC_StaticStep::TypeId()) {}

void aif_Restart::Write(utl_Stream& stream) const {
  if (!request_.IsNull()) {
    WriteRequest(stream);
    return;
  }
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

void aif_Restart::WriteRequest(utl_Stream& stream) const {
  // Each kind is type-tested before anything is written.
  const kprC_Restart& request = *request_;
  if (request.IsExplicit()) {
    const auto& settings =
        nex_canDynamicCastRef<const kprC_ExplicitRestart>(request, kRestartFile, __LINE__);
    stream << "*Restart, write, ";
    if (settings.Overlay()) stream << "overlay, ";
    stream << "number interval=" << settings.NumberIntervals()
           << RestartTimeMarks(settings.TimeMarks());
  } else if (request.IsStandard()) {
    const auto& settings =
        nex_canDynamicCastRef<const kprC_StandardRestart>(request, kRestartFile, __LINE__);
    stream << "*Restart, write, ";
    if (settings.Overlay()) stream << "overlay, ";
    if (settings.NumberIntervals() > 0)
      stream << "number interval=" << settings.NumberIntervals()
             << RestartTimeMarks(settings.TimeMarks());
    else
      stream << "frequency=" << settings.Frequency();
  } else {
    const auto& settings =
        nex_canDynamicCastRef<const kprC_FlowRestart>(request, kRestartFile, __LINE__);
    stream << "*Restart, write, ";
    if (settings.NumberIntervals() > 0)
      stream << "number interval=" << settings.NumberIntervals();
    else
      stream << "frequency=" << settings.Frequency();
  }
  stream.LineBreak();
}
