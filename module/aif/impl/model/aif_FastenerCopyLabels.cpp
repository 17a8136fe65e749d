#include "aif/impl/model/aif_FastenerCopyLabels.h"

#include <string_view>

#include "ModKerLow/asoF_PartInstance.h"
#include "VwrModKer/ftr_FeatureList.h"
#include "aif/impl/core/aif_ModelInfo.h"

const cow_String aif_FastenerCopyLabels::kAssemblyKey = "ASSY";

aif_FastenerCopyLabels::aif_FastenerCopyLabels(const KeyedLists& renumbering,
                                               const KeyedLists& copySteps,
                                               const KeyedLists& consecutive,
                                               const aif_ModelInfo& info)
    : renumbering_(renumbering), copySteps_(copySteps), consecutive_(consecutive), info_(info) {}

cow_String aif_FastenerCopyLabels::Key(const cow_String& prefix, const ftr_FeatureList& features,
                                       int id) {
  if (const asoF_PartInstance* instance =
          asoF_Utils::ConstGetPartInstance(features, static_cast<unsigned>(id)))
    return prefix + instance->Name();
  return kAssemblyKey;
}

const std::unordered_map<int, int>& aif_FastenerCopyLabels::Table(const cow_String& key) const {
  auto cached = tables_.find(key.Str());
  if (cached != tables_.end()) return cached->second;
  std::unordered_map<int, int>& table = tables_[key.Str()];
  if (const cow_List<int>* pairs = renumbering_.Find(key))
    for (std::size_t i = 0; i + 1 < pairs->Length(); i += 2)
      table.emplace((*pairs)[i], (*pairs)[i + 1]);
  return table;
}

std::optional<int> aif_FastenerCopyLabels::FirstCopyLabel(const cow_String& key, int label) const {
  const std::unordered_map<int, int>& table = Table(key);
  auto pair = table.find(label);
  if (pair == table.end()) return std::nullopt;
  return pair->second;
}

int aif_FastenerCopyLabels::Step(const cow_String& key, int id) const {
  if (key == kAssemblyKey) {
    const int offset = info_.AssyNodeOffsetsID(id);
    return info_.IsPartBased() && offset >= 1 ? offset : 1;
  }
  const cow_List<int>* steps = copySteps_.Find(key);
  if (!steps || steps->IsEmpty()) return 0;
  if (steps->Length() > 1 && (*steps)[1] > 0) return (*steps)[1];
  return (*steps)[0];
}

int aif_FastenerCopyLabels::StepOf(const cow_String& key, int id, int label) const {
  if (const cow_List<int>* labels = consecutive_.Find(key); labels && labels->IsMember(label))
    return 1;
  return Step(key, id);
}
