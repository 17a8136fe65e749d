// The host's job objects: a job writes a model (model job) or an existing
// input file (input-file job); an optimization names its model and task.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_Object.h"

// Job types.
inline constexpr int ajbC_FULL_ANALYSIS = 0;
inline constexpr int ajbC_RECOVER = 1;
inline constexpr int ajbC_RESTART = 2;

class ajbC_Job : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x0800001;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  ajbC_Job* Clone() const override { return new ajbC_Job(*this); }

  int JobType() const { return jobType_; }
  void SetJobType(int type) { jobType_ = type; }

 private:
  int jobType_ = ajbC_FULL_ANALYSIS;
};

class ajbC_ModelJob : public ajbC_Job {
 public:
  static constexpr unsigned kTypeId = 0x0800002;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  ajbC_ModelJob* Clone() const override { return new ajbC_ModelJob(*this); }

  explicit ajbC_ModelJob(cow_String modelName = cow_String()) : modelName_(std::move(modelName)) {}
  const cow_String& ModelName() const { return modelName_; }

  // The job's description, written under the heading; empty unless set.
  const cow_String& Description() const { return description_; }
  void SetDescription(const cow_String& text) { description_ = text; }
  // What the solver prints to its data file: the input echo, the model and
  // history definitions and the contact constraints; each off unless set.
  bool EchoPrint() const { return echoPrint_; }
  void SetEchoPrint(bool on) { echoPrint_ = on; }
  bool ModelPrint() const { return modelPrint_; }
  void SetModelPrint(bool on) { modelPrint_ = on; }
  bool HistoryPrint() const { return historyPrint_; }
  void SetHistoryPrint(bool on) { historyPrint_ = on; }
  bool ContactPrint() const { return contactPrint_; }
  void SetContactPrint(bool on) { contactPrint_ = on; }

 private:
  cow_String modelName_;
  cow_String description_;
  bool echoPrint_ = false;
  bool modelPrint_ = false;
  bool historyPrint_ = false;
  bool contactPrint_ = false;
};

class ajbC_InputFileJob : public ajbC_Job {
 public:
  static constexpr unsigned kTypeId = 0x0800003;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  ajbC_InputFileJob* Clone() const override { return new ajbC_InputFileJob(*this); }

  explicit ajbC_InputFileJob(cow_String path = cow_String()) : path_(std::move(path)) {}
  const cow_String& InputFile() const { return path_; }

 private:
  cow_String path_;
};

class ajbC_Optimization : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x0800004;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  ajbC_Optimization* Clone() const override { return new ajbC_Optimization(*this); }

  ajbC_Optimization(cow_String modelName = cow_String(), cow_String taskName = cow_String())
      : modelName_(std::move(modelName)), taskName_(std::move(taskName)) {}
  const cow_String& ModelName() const { return modelName_; }
  // The optimization's first text: the name of its task.
  const cow_String& TaskName() const { return taskName_; }
  // The most iterations the optimization runs (50 unless set).
  int IterationLimit() const { return iterationLimit_; }
  void SetIterationLimit(int limit) { iterationLimit_ = limit; }
  // The user's description of the optimization (empty unless set).
  const cow_String& Description() const { return description_; }
  void SetDescription(const cow_String& description) { description_ = description; }
  // The base name of the solver input file the optimization runs (without
  // ".inp"; empty unless set).
  const cow_String& InputBaseName() const { return inputBaseName_; }
  void SetInputBaseName(const cow_String& name) { inputBaseName_ = name; }

 private:
  cow_String modelName_;
  cow_String taskName_;
  int iterationLimit_ = 50;
  cow_String description_;
  cow_String inputBaseName_;
};

// An adaptivity process: a series of model jobs of one model, run with
// remeshing in between; the process holds the job it starts from.
class ajbC_Adaptivity : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x0800005;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  ajbC_Adaptivity* Clone() const override { return new ajbC_Adaptivity(*this); }

  explicit ajbC_Adaptivity(ajbC_ModelJob job = ajbC_ModelJob()) : job_(std::move(job)) {}
  const ajbC_ModelJob& Job() const { return job_; }

 private:
  ajbC_ModelJob job_;
};

// A co-execution: a master model and its slave models, each named as it is
// in the model database.
class ajbC_Coexecution : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x0800006;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  ajbC_Coexecution* Clone() const override { return new ajbC_Coexecution(*this); }

  ajbC_Coexecution(cow_String masterModelName = cow_String(),
                   cow_List<cow_String> slaveModelNames = cow_List<cow_String>())
      : master_(std::move(masterModelName)), slaves_(std::move(slaveModelNames)) {}
  const cow_String& MasterModelName() const { return master_; }
  const cow_List<cow_String>& SlaveModelNames() const { return slaves_; }

 private:
  cow_String master_;
  cow_List<cow_String> slaves_;
};
