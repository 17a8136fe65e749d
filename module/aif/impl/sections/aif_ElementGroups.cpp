#include "aif/impl/sections/aif_ElementGroups.h"

#include <unordered_map>

#include "aif/impl/sections/aif_ElementProperties.h"

namespace {

struct ElementGroupsHasher {
  std::size_t operator()(const bme_Property& p) const { return p.Hash(); }
};

// The indices of the element at `position`.
bme_Property ElementGroupsKey(const aif_ElementProperties& table, std::size_t position) {
  bme_Property property;
  property.section = table.Get(aif_ElementProperties::kSection, position);
  property.elemCtrl = table.Get(aif_ElementProperties::kElemCtrl, position);
  property.beamOri = table.Get(aif_ElementProperties::kBeamOri, position);
  property.matOri = table.Get(aif_ElementProperties::kMatOri, position);
  property.rebarOri = table.Get(aif_ElementProperties::kRebarOri, position);
  return property;
}

}  // namespace

aif_ElementGroups::aif_ElementGroups(const aif_ElementProperties& table) {
  // Neighbours mostly share their indices: the last element's group is
  // tried before the hash map, in both passes.
  std::unordered_map<bme_Property, int, ElementGroupsHasher> index;
  bme_Property last;
  int lastGroup = -1;
  const auto groupOf = [&](std::size_t position) {
    const bme_Property key = ElementGroupsKey(table, position);
    if (lastGroup >= 0 && key == last) return static_cast<std::size_t>(lastGroup);
    // The second pass finds every key: the first made its group.
    const auto [it, added] = index.try_emplace(key, static_cast<int>(groups_.size()));
    if (added) groups_.push_back(Group{key, 0, {}});
    last = key;
    lastGroup = it->second;
    return static_cast<std::size_t>(lastGroup);
  };
  for (std::size_t position = 0; position < table.Size(); ++position)
    ++groups_[groupOf(position)].count;

  bool labelled = false;
  for (Group& group : groups_)
    if (group.property.section >= 0) {
      group.labels.reserve(group.count);
      labelled = true;
    }
  if (!labelled) return;
  lastGroup = -1;
  table.ForEachLabel([&](std::size_t position, int label) {
    Group& group = groups_[groupOf(position)];
    if (group.property.section >= 0) group.labels.push_back(label);
  });
}

void aif_ElementGroups::Release(std::size_t key) {
  std::vector<int>().swap(groups_[key].labels);
}

std::size_t aif_ElementGroups::Bytes() const {
  std::size_t bytes = groups_.capacity() * sizeof(Group);
  for (const Group& group : groups_)
    bytes += group.labels.capacity() * sizeof(int);
  return bytes;
}
