#include "aif/impl/core/aif_Job.h"

#include "OdbAttrEO/kprC_Step.h"
#include "QivBasicUtils/nex_Exception.h"

aif_Job::aif_Job(cow_String name, const ajbC_InputFileJob& job)
    : kind_(1), name_(std::move(name)), job_(job) {}

aif_Job::aif_Job(cow_String name, const ajbC_ModelJob& job, const bas_NewModel& model)
    : kind_(0), name_(std::move(name)), job_(job), model_(model) {}

int aif_Job::AnalysisProduct() const {
  if (kind_ == 1) return kprC_INPUT_FILE;
  return aif_StepAnalysisProduct(model_, "module/aif/impl/aif_Job", 25);
}

int aif_StepAnalysisProduct(const bas_NewModel& model, const char* file, int line) {
  return nex_canDynamicCastRef<const kprC_StepContainer>(model.StepRepository(), file, line)
      .AnalysisProduct();
}
