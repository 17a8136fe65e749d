#include "AFCInputFileWriter/akw_BuilderComponent.h"

namespace {

template <class Key>
akw_KeywordList Lookup(const cow_Map<Key, akw_KeywordList>& map, const Key& key) {
  const akw_KeywordList* list = map.Find(key);
  return list ? *list : akw_KeywordList();
}

}  // namespace

akw_BuilderComponent::akw_BuilderComponent(akw_ModelInfo& modelInfo)
    : modelInfo_(&modelInfo), modelHandle_(modelInfo.ModelHandle()) {}

akw_KeywordList akw_BuilderComponent::PartDefinition(const cow_String& part) const {
  return Lookup(parts_, part);
}

akw_KeywordList akw_BuilderComponent::InstanceDefinition(const cow_String& instance) const {
  return Lookup(instances_, instance);
}

akw_KeywordList akw_BuilderComponent::StepDefinition(const cow_String& step,
                                                     const cow_String& loadCase) const {
  return Lookup(steps_, StepKey(step, loadCase));
}

void akw_BuilderComponent::AddPartDefinition(const cow_String& part, const akw_Keyword& k) {
  parts_.Modify(part).Append(akw_KeywordHandle(k));
}

void akw_BuilderComponent::AddPartDefinition(const cow_String& part, const akw_KeywordHandle& k) {
  parts_.Modify(part).Append(k);
}

void akw_BuilderComponent::AddInstanceDefinition(const cow_String& instance, const akw_Keyword& k) {
  instances_.Modify(instance).Append(akw_KeywordHandle(k));
}

void akw_BuilderComponent::AddInstanceDefinition(const cow_String& instance,
                                                 const akw_KeywordHandle& k) {
  instances_.Modify(instance).Append(k);
}

void akw_BuilderComponent::AddStepDefinition(const cow_String& step, const akw_Keyword& k,
                                             const cow_String& loadCase) {
  steps_.Modify(StepKey(step, loadCase)).Append(akw_KeywordHandle(k));
}

void akw_BuilderComponent::AddStepDefinition(const cow_String& step, const akw_KeywordHandle& k,
                                             const cow_String& loadCase) {
  steps_.Modify(StepKey(step, loadCase)).Append(k);
}
