// The optimization process the host asks the writer to write: its name, the
// host's optimization object (shared through a copy-on-write handle) and a
// copy of its model.
#pragma once

#include "AFCInputFileWriter/akw_OptimizationProcess.h"
#include "AttributesGuiCommon/ajbC_Job.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_String.h"
#include "ModelDatabase/bas_NewModel.h"

class aif_OptimizationProcess : public akw_OptimizationProcess {
 public:
  aif_OptimizationProcess(cow_String name, const ajbC_Optimization& optimization,
                          const bas_NewModel& model);
  aif_OptimizationProcess(const aif_OptimizationProcess& other) = default;
  ~aif_OptimizationProcess() override = default;

  cow_String Name() const override { return name_; }
  const ajbC_Optimization& OptimizationObject() const override { return *optimization_; }
  // The analysis product of the model's step container.
  int AnalysisProduct() const override;
  akw_OptimizationProcess* Clone() const override { return new aif_OptimizationProcess(*this); }

  const bas_NewModel& Model() const { return model_; }
  const cow_ArrayCOW<ajbC_Optimization>& OptimizationHandle() const { return optimization_; }

 private:
  cow_String name_;
  cow_ArrayCOW<ajbC_Optimization> optimization_;
  bas_NewModel model_;
};
