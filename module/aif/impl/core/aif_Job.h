// The job the host asks the writer to write: built from a job name and either
// an input-file job or a model job with its model. Keeps its own copies: the
// host's job object is shared through a copy-on-write handle, the model held
// by value.
#pragma once

#include "AFCInputFileWriter/akw_Job.h"
#include "AttributesGuiCommon/ajbC_Job.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/bas_NewModel.h"

class aif_Job : public akw_Job {
 public:
  // Kind 1: the job writes an existing input file; it has an empty model.
  aif_Job(cow_String name, const ajbC_InputFileJob& job);
  // Kind 0: the job writes `model`.
  aif_Job(cow_String name, const ajbC_ModelJob& job, const bas_NewModel& model);
  // Shares the job object; copies the kind, name and model.
  aif_Job(const aif_Job& other) = default;
  ~aif_Job() override = default;

  cow_String Name() const override { return name_; }
  const ajbC_Job& JobObject() const override { return *job_; }
  // 3 for an input-file job; otherwise the analysis product of the model's
  // step container (a type test that fails for a step repository of another
  // class).
  int AnalysisProduct() const override;
  // Whether the job restarts an earlier analysis (job type 2).
  bool IsRestart() const override { return job_->JobType() == ajbC_RESTART; }
  akw_Job* Clone() const override { return new aif_Job(*this); }

  int Kind() const { return kind_; }
  const bas_NewModel& Model() const { return model_; }
  const cow_ArrayCOW<ajbC_Job>& JobHandle() const { return job_; }

 private:
  int kind_;
  cow_String name_;
  cow_ArrayCOW<ajbC_Job> job_;
  bas_NewModel model_;
};

// The analysis product of `model`'s step container; the type test names
// `file` and `line`.
int aif_StepAnalysisProduct(const bas_NewModel& model, const char* file, int line);
