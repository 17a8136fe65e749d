#include "aif/impl/steps/aif_Monitor.h"

#include "OdbAttrEO/kprC_StepRequests.h"
#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Stream.h"

namespace {

constexpr char kMonitorFile[] = "module/aif/impl/steps/aif_Monitor.cpp";

}  // namespace

aif_Monitor::aif_Monitor(const kprC_Monitor& monitor, const cow_String& nodeName)
    : monitor_(monitor), nodeName_(nodeName) {}

void aif_Monitor::Write(utl_Stream& stream) const {
  if (IsEmpty()) return;
  const kprC_Monitor& monitor = *monitor_;
  // The standard kind is type-tested before anything is written.
  const kprC_StandardMonitor* standard =
      monitor.IsExplicit()
          ? nullptr
          : &nex_canDynamicCastRef<const kprC_StandardMonitor>(monitor, kMonitorFile, __LINE__);
  stream << "*Monitor, dof=" << monitor.Dof() << ", node=" << nodeName_;
  if (standard) stream << ", frequency=" << standard->Frequency();
  stream.LineBreak();
}
