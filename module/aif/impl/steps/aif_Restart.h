// "*Restart": the read form names the point in an earlier job's results
// where a restart job picks up, a step and optionally an increment (an
// iteration, interval or cycle, as the step's procedure counts them), and is
// made by aif_JobKeywordsBuilder from the earlier job's results; the write
// form asks the solver to write restart data in a step and is made by the
// output request builder from the step's restart settings.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"

class kprC_Restart;

class aif_Restart : public akw_Keyword {
 public:
  // The increment that means "none": the restart reads the step alone.
  static constexpr int kNoIncrement = -2;

  // The read form. `procedureType`: the procedure type id of the step
  // restarted; `endStep` ends that step at the restart point; `cycle`: the
  // increment counts cycles.
  aif_Restart(int step, int increment, bool endStep, unsigned procedureType, bool cycle)
      : step_(step),
        increment_(increment),
        endStep_(endStep),
        cycle_(cycle),
        procedureType_(procedureType) {}
  // The write form, from a copy of the step's restart settings.
  explicit aif_Restart(const kprC_Restart& request);
  aif_Restart(const aif_Restart&) = default;

  akw_Keyword* Clone() const override { return new aif_Restart(*this); }
  // The write form when made from restart settings, else the read form.
  //
  // Read: "*Restart, read, step=<step>"; with an increment ", cycle=", ",
  // iteration=" (direct cyclic procedure), ", interval=" (explicit
  // procedure) or ", inc=" and the increment, then ", end step" when set;
  // end step without an increment is not written.
  //
  // Write: "*Restart, write, ", "overlay, " when asked (explicit and standard
  // settings), then "number interval=" and the count (explicit settings
  // always, the others when the count is above 0) followed, except for flow
  // settings, by ", time marks=YES" or ", time marks=NO"; otherwise
  // "frequency=" and the frequency. Settings whose kind tests do not match
  // their class fail the host's type test.
  void Write(utl_Stream& stream) const override;

  int Step() const { return step_; }
  unsigned ProcedureType() const { return procedureType_; }
  bool Cycle() const { return cycle_; }

 private:
  void WriteRequest(utl_Stream& stream) const;

  cow_COW<kprC_Restart> request_;  // empty in the read form
  int step_ = 0;
  int increment_ = 0;
  bool endStep_ = true;
  bool cycle_ = false;
  unsigned procedureType_ = 0;
};
