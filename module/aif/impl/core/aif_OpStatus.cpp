#include "aif/impl/core/aif_OpStatus.h"

#include <vector>

#include "OdbAttrEO/kprC_AnalysisSteps.h"
#include "aif/impl/core/aif_Model.h"
#include "aif/impl/core/aif_ModelInfo.h"

void aif_OpStatus::InitializeSteps(const cow_List<cow_String>& steps, int categoryCount) {
  steps_.Append(steps);
  cow_List<int> cleared;
  cleared.Reserve(steps_.Length());
  for (std::size_t i = 0; i < steps_.Length(); ++i)
    cleared.Append(0);
  for (int category = 0; category < categoryCount; ++category)
    flags_.Set(category, cleared);
}

void aif_OpStatus::MarkStepForAllCategories(int stepIndex) {
  if (stepIndex < 0 || static_cast<std::size_t>(stepIndex) >= steps_.Length()) return;
  std::vector<int> categories;
  for (const auto& entry : flags_)
    categories.push_back(entry.first);
  for (int category : categories) {
    cow_List<int>& flags = flags_.Modify(category);
    if (static_cast<std::size_t>(stepIndex) < flags.Length())
      flags.Modify(static_cast<std::size_t>(stepIndex)) = 1;
  }
}

void aif_OpStatus::MarkCategory(int category, int stepIndex) {
  flags_.Get(category);  // raises the range error for a category never entered
  if (stepIndex < 0 || static_cast<std::size_t>(stepIndex) >= steps_.Length()) return;
  cow_List<int>& flags = flags_.Modify(category);
  if (static_cast<std::size_t>(stepIndex) < flags.Length())
    flags.Modify(static_cast<std::size_t>(stepIndex)) = 1;
}

bool aif_OpStatus::NeedsNewOp(unsigned typeId, const cow_String& step) const {
  bool flag = false;
  return CategoryNeedsNewOp(StatusKey(typeId, flag), step);
}

bool aif_OpStatus::CategoryNeedsNewOp(int category, const cow_String& step) const {
  long long index = steps_.IndexOf(step);
  const cow_List<int>& flags = flags_.Get(category);
  return flags[static_cast<std::size_t>(index)] == 1;
}

void aif_OpStatus::MarkStepsAfterRestart(const aif_ModelInfo& info, const kprC_StepContainer& steps,
                                         bool (*continues)(const kprC_AnalysisStep& step)) {
  const aif_Model& model = info.ModelAdapter();
  if (!info.IsRestart() || model.RestartIncrement() == -2 || !model.RestartEndStep()) return;
  const long long restart = steps_.IndexOf(model.RestartStepName());
  if (restart < 0) return;
  for (std::size_t i = static_cast<std::size_t>(restart) + 1; i < steps_.Length(); ++i) {
    MarkStepForAllCategories(static_cast<int>(i));
    const auto* analysis = dynamic_cast<const kprC_AnalysisStep*>(&steps.ConstGet(steps_[i]));
    if (!analysis || !continues(*analysis)) break;
  }
}
