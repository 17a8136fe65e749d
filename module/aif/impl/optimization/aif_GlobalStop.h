// The global STOP block of the task: the optimization's iteration limit.
// Made by the task builder for every task.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"

class aif_ModelInfo;

class aif_GlobalStop : public akw_Keyword {
 public:
  explicit aif_GlobalStop(aif_ModelInfo& info) : info_(info) {}
  aif_GlobalStop(const aif_GlobalStop&) = default;
  akw_Keyword* Clone() const override { return new aif_GlobalStop(*this); }

  // "STOP", "  ID_NAME = " the task name + "_GLOBAL_STOP_CONDITION_",
  // "  ITER_MAX = " the limit, "END_".
  void Write(utl_Stream& stream) const override;

 private:
  aif_ModelInfo& info_;
};
