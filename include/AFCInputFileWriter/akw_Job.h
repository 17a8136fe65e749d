// Abstract job the writer is given: its name, the host's job object, the
// analysis product and whether it restarts an earlier analysis.
#pragma once

#include "BasMem/mem_Allocator.h"
#include "BasShared/cow_String.h"

class ajbC_Job;

class akw_Job : public mem_AllocationOperators {
 public:
  virtual ~akw_Job() = default;
  virtual cow_String Name() const = 0;
  virtual const ajbC_Job& JobObject() const = 0;
  virtual int AnalysisProduct() const = 0;
  virtual bool IsRestart() const = 0;
  // A new copy of this job, owned by the caller.
  virtual akw_Job* Clone() const = 0;

 protected:
  akw_Job() = default;
  akw_Job(const akw_Job&) = default;
};
