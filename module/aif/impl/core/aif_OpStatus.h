// Per-step ", op=NEW" bookkeeping of the step-dependent builders (loads,
// boundary conditions, fields, adaptive mesh constraints, interactions). For
// every category of keyword and every step it records whether the step starts
// that category afresh. A subclass maps kernel type ids to categories.
#pragma once

#include <cstddef>

#include "BasMem/mem_Allocator.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class kprC_AnalysisStep;
class kprC_StepContainer;

class aif_OpStatus : public mem_AllocationOperators {
 public:
  aif_OpStatus() = default;
  aif_OpStatus(const aif_OpStatus&) = default;
  virtual ~aif_OpStatus() = default;

  // The category (0 upward) of a kernel object of type `typeId`; throws
  // aif_Exception for a type the subclass does not know.
  virtual int StatusKey(unsigned typeId, bool& flag) const = 0;

  // Appends `steps` to the step list and gives categories 0 to count-1 one
  // cleared flag per step.
  void InitializeSteps(const cow_List<cow_String>& steps, int categoryCount);
  // Sets the flag of step `stepIndex` in every category; an index past the
  // steps changes nothing.
  void MarkStepForAllCategories(int stepIndex);
  // A restart job that resumes at the end of its restart step (the model's
  // restart increment given): marks every category in the step after the
  // restart step, and in each following one while the step before it
  // answers `continues`. Nothing for other jobs or a restart step not in the
  // step list.
  void MarkStepsAfterRestart(const aif_ModelInfo& info, const kprC_StepContainer& steps,
                             bool (*continues)(const kprC_AnalysisStep& step));
  // Whether keywords of `typeId`'s category carry ", op=NEW" in `step`, the
  // category asked with a cleared selector. A step or category that was never
  // entered raises cow_OutOfRange.
  bool NeedsNewOp(unsigned typeId, const cow_String& step) const;
  // Whether keywords of `category` carry ", op=NEW" in `step`. A step or
  // category that was never entered raises cow_OutOfRange.
  bool CategoryNeedsNewOp(int category, const cow_String& step) const;

  const cow_List<cow_String>& Steps() const { return steps_; }

 protected:
  // Sets the flag of `category` in step `stepIndex`; an index past the steps
  // changes nothing. A category that was never entered raises cow_OutOfRange.
  void MarkCategory(int category, int stepIndex);
  // From the second step on, marks the category of every unsuppressed object
  // of `objects` (a repository of step-dependent kernel objects) removed in
  // the step (status 4 or 11), or modified there (3 or 10) when its
  // modification test for the step holds.
  template <class Repository>
  void MarkRemovedOrModified(const Repository& objects) {
    for (std::size_t index = 1; index < steps_.Length(); ++index) {
      const cow_String& step = steps_[index];
      for (const auto& entry : objects.ConstGetMap()) {
        const auto& object = *entry.second;
        if (object.Suppressed()) continue;
        const int status = object.GetPropStatus(step);
        const bool removed = status == 4 || status == 11;
        const bool modified = (status == 3 || status == 10) && object.IsModified(step);
        if (!removed && !modified) continue;
        bool selector = false;
        MarkCategory(StatusKey(object.DynTypeId(), selector), static_cast<int>(index));
      }
    }
  }

 private:
  cow_List<cow_String> steps_;
  cow_Map<int, cow_List<int>> flags_;
};
