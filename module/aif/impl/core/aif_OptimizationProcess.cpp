#include "aif/impl/core/aif_OptimizationProcess.h"

#include "aif/impl/core/aif_Job.h"

aif_OptimizationProcess::aif_OptimizationProcess(cow_String name,
                                                 const ajbC_Optimization& optimization,
                                                 const bas_NewModel& model)
    : name_(std::move(name)), optimization_(optimization), model_(model) {}

int aif_OptimizationProcess::AnalysisProduct() const {
  return aif_StepAnalysisProduct(model_, "module/aif/impl/aif_OptimizationProcess", 22);
}
