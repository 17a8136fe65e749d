// "*Preprint": which parts of the input the solver echoes to its data file,
// from the model job's print settings. Made by aif_JobKeywordsBuilder.
#pragma once

#include "AFCInputFileWriter/akw_Job.h"
#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"

class aif_Preprint : public akw_Keyword {
 public:
  // Shares the job.
  explicit aif_Preprint(cow_COW<akw_Job> job) : job_(std::move(job)) {}
  aif_Preprint(const aif_Preprint&) = default;

  akw_Keyword* Clone() const override { return new aif_Preprint(*this); }
  // One line: "*Preprint, echo=", "model=", "history=" and "contact=", each
  // YES or NO from the model job's settings; contact is YES only for
  // analysis product 0 (other products have no contact print). A job object
  // that is not an ajbC_ModelJob fails its type test.
  void Write(utl_Stream& stream) const override;

 private:
  cow_COW<akw_Job> job_;
};
