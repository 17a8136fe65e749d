// "*Restart, read": the point in an earlier job's results where a restart job
// picks up, a step and optionally an increment (an iteration, interval or
// cycle, as the step's procedure counts them). Made by
// aif_JobKeywordsBuilder from the earlier job's results.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"

class aif_Restart : public akw_Keyword {
 public:
  // The increment that means "none": the restart reads the step alone.
  static constexpr int kNoIncrement = -2;

  // `procedureType`: the procedure type id of the step restarted; `endStep`
  // ends that step at the restart point; `cycle`: the increment counts cycles.
  aif_Restart(int step, int increment, bool endStep, unsigned procedureType, bool cycle)
      : step_(step),
        increment_(increment),
        endStep_(endStep),
        cycle_(cycle),
        procedureType_(procedureType) {}
  aif_Restart(const aif_Restart&) = default;

  akw_Keyword* Clone() const override { return new aif_Restart(*this); }
  // "*Restart, read, step=<step>"; with an increment ", cycle=", ",
  // iteration=" (direct cyclic procedure), ", interval=" (explicit
  // procedure) or ", inc=" and the increment, then ", end step" when set;
  // end step without an increment is not written.
  void Write(utl_Stream& stream) const override;

  int Step() const { return step_; }
  unsigned ProcedureType() const { return procedureType_; }
  bool Cycle() const { return cycle_; }

 private:
  int step_;
  int increment_;
  bool endStep_;
  bool cycle_;
  unsigned procedureType_;
};
