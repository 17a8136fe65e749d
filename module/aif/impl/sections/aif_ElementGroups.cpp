#include "aif/impl/sections/aif_ElementGroups.h"

#include <algorithm>
#include <unordered_map>

#include "aif/impl/sections/aif_ElementProperties.h"

namespace {

struct ElementGroupsHasher {
  std::size_t operator()(const bme_Property& p) const { return p.Hash(); }
};

}  // namespace

aif_ElementGroups::aif_ElementGroups(aif_ElementProperties& table) {
  using Table = aif_ElementProperties;
  table.ReleaseLookup();
  const std::size_t startBytes = table.Bytes();
  // The section column becomes the column of group numbers.
  std::vector<int> numbers = table.TakeColumn(Table::kSection);
  if (numbers.empty()) {
    // No section: every element in one group that writes nothing.
    table.Release();
    if (table.Size() > 0) groups_.push_back(Group{bme_Property(), table.Size(), {}});
    peakBytes_ = startBytes;
    return;
  }
  // Neighbours mostly share their indices: the last element's group is
  // tried before the hash map.
  std::unordered_map<bme_Property, int, ElementGroupsHasher> index;
  bme_Property last;
  int lastGroup = -1;
  for (std::size_t position = 0; position < table.Size(); ++position) {
    bme_Property key;
    key.section = numbers[position];
    key.elemCtrl = table.Get(Table::kElemCtrl, position);
    key.beamOri = table.Get(Table::kBeamOri, position);
    key.matOri = table.Get(Table::kMatOri, position);
    key.rebarOri = table.Get(Table::kRebarOri, position);
    if (lastGroup < 0 || !(key == last)) {
      const auto [it, added] = index.try_emplace(key, static_cast<int>(groups_.size()));
      if (added) groups_.push_back(Group{key, 0, {}});
      last = key;
      lastGroup = it->second;
    }
    ++groups_[static_cast<std::size_t>(lastGroup)].count;
    numbers[position] = lastGroup;
  }
  const std::size_t groupBytes = groups_.capacity() * sizeof(Group);
  peakBytes_ = startBytes + groupBytes;
  table.Release();

  std::size_t labelBytes = 0;
  for (Group& group : groups_)
    if (group.property.section >= 0) {
      group.labels.reserve(group.count);
      labelBytes += group.labels.capacity() * sizeof(int);
    }
  peakBytes_ = std::max(peakBytes_, numbers.capacity() * sizeof(int) + labelBytes + groupBytes);
  table.ForEachLabel([&](std::size_t position, int label) {
    Group& group = groups_[static_cast<std::size_t>(numbers[position])];
    if (group.property.section >= 0) group.labels.push_back(label);
  });
}

void aif_ElementGroups::Release(std::size_t key) {
  std::vector<int>().swap(groups_[key].labels);
}
