// Abstract optimization process the writer is given: its name, the host's
// optimization object and the analysis product of its model.
#pragma once

#include "BasMem/mem_Allocator.h"
#include "BasShared/cow_String.h"

class ajbC_Optimization;

class akw_OptimizationProcess : public mem_AllocationOperators {
 public:
  virtual ~akw_OptimizationProcess() = default;
  virtual cow_String Name() const = 0;
  virtual const ajbC_Optimization& OptimizationObject() const = 0;
  virtual int AnalysisProduct() const = 0;
  // A new copy of this process, owned by the caller.
  virtual akw_OptimizationProcess* Clone() const = 0;

 protected:
  akw_OptimizationProcess() = default;
  akw_OptimizationProcess(const akw_OptimizationProcess&) = default;
};
