#include "OdbAttrEO/kprC_Step.h"

#include "OdbAttrEO/kprC_Procedure.h"

bool kprC_AnalysisStep::Explicit() const {
  return kprC_IsExplicit(DynTypeId());
}

void kprC_Step::AddLoadCase(const cow_String& name, bool suppressed) {
  klcC_LoadCase loadCase;
  loadCase.SetSuppressed(suppressed);
  loadCases_.Set(name, loadCase);
}

void kprC_Step::SetLoadCaseFactor(const cow_String& name, const cow_String& load, float factor) {
  loadCases_.Modify(name).SetLoadScaleFactor(load, factor);
}

void kprC_Step::SetLoadCaseBCFactor(const cow_String& name, const cow_String& condition,
                                    float factor) {
  loadCases_.Modify(name).SetBCScaleFactor(condition, factor);
}

void kprC_Step::SetLoadCaseFieldFactor(const cow_String& name, const cow_String& field,
                                       float factor) {
  loadCases_.Modify(name).SetFieldScaleFactor(field, factor);
}

void kprC_Step::SetLoadCaseBaseState(const cow_String& name, bool use) {
  loadCases_.Modify(name).SetUseBaseState(use);
}

cow_List<cow_String> kprC_StepContainer::UnsuppressedKeys() const {
  cow_List<cow_String> keys;
  for (const cow_String& name : names_)
    if (!ConstGet(name).Suppressed()) keys.Append(name);
  return keys;
}

void kprC_StepContainer::Append(const cow_String& name, const kprC_Step& step) {
  if (!steps_.Contains(name)) names_.Append(name);
  steps_.Set(name, cow_COW<kprC_Step>(step));
}
