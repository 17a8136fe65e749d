// "*Monitor": the degree of freedom and node whose value the solver reports
// while it runs. Made by the output request builder from a step's monitor
// and the qualified name of its node.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"

class kprC_Monitor;

class aif_Monitor : public akw_Keyword {
 public:
  // Shares `monitor` (an empty handle makes an empty keyword); `nodeName` is
  // written as given.
  aif_Monitor(const cow_COW<kprC_Monitor>& monitor, const cow_String& nodeName)
      : monitor_(monitor), nodeName_(nodeName) {}
  aif_Monitor(const kprC_Monitor& monitor, const cow_String& nodeName);
  aif_Monitor(const aif_Monitor&) = default;

  akw_Keyword* Clone() const override { return new aif_Monitor(*this); }
  // "*Monitor, dof=<dof>, node=<node name>", then, unless the monitor is of
  // the explicit kind, ", frequency=" and the standard monitor's frequency.
  // Nothing when empty.
  void Write(utl_Stream& stream) const override;
  bool IsEmpty() const override { return monitor_.IsNull(); }

 private:
  cow_COW<kprC_Monitor> monitor_;
  cow_String nodeName_;
};
