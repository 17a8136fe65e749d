// Base of the writer's model adapter: the model being written, by name, and
// the step names builders file keywords under.
#pragma once

#include "BasMem/mem_Allocator.h"
#include "BasShared/cow_String.h"

class akw_Model : public mem_AllocationOperators {
 public:
  explicit akw_Model(cow_String name) : name_(std::move(name)) {}
  virtual ~akw_Model() = default;
  // A new copy of this model adapter, owned by the caller.
  virtual akw_Model* Clone() const = 0;

  const cow_String& Name() const { return name_; }
  // The model's initial step; empty when it has no step.
  const cow_String& InitialStepName() const { return initialStep_; }
  // The first analysis step after the initial step; empty when there is none.
  const cow_String& FirstAnalysisStepName() const { return firstAnalysisStep_; }
  // The first analysis step that is not a perturbation step; empty when none.
  const cow_String& FirstGeneralStepName() const { return firstGeneralStep_; }
  // Empty for a job; an optimization process's task name.
  const cow_String& OptimizationText() const { return optimizationText_; }
  void SetOptimizationText(const cow_String& text) { optimizationText_ = text; }

 protected:
  akw_Model(const akw_Model&) = default;
  void SetStepNames(const cow_String& initial, const cow_String& firstAnalysis,
                    const cow_String& firstGeneral) {
    initialStep_ = initial;
    firstAnalysisStep_ = firstAnalysis;
    firstGeneralStep_ = firstGeneral;
  }

 private:
  cow_String name_;
  cow_String initialStep_;
  cow_String firstAnalysisStep_;
  cow_String firstGeneralStep_;
  cow_String optimizationText_;
};
