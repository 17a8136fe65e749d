// The element properties the mesh library groups elements by: per element
// its label and the indices of the section assignment, element controls and
// beam, material and rebar orientation that cover it (-1: none). Elements
// with equal indices form one group of a bme_MapPropertyArray.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

struct bme_Property {
  int label = 0;
  int section = -1;
  int elemCtrl = -1;
  int beamOri = -1;
  int matOri = -1;
  int rebarOri = -1;

  // Equal when the five indices are, whatever the labels.
  bool operator==(const bme_Property& other) const {
    return section == other.section && elemCtrl == other.elemCtrl && beamOri == other.beamOri &&
           matOri == other.matOri && rebarOri == other.rebarOri;
  }
  // A hash over the five indices, consistent with ==.
  std::size_t Hash() const {
    std::uint64_t h = 1469598103934665603ull;
    for (int v : {section, elemCtrl, beamOri, matOri, rebarOri}) {
      h ^= static_cast<std::uint32_t>(v);
      h *= 1099511628211ull;
    }
    return static_cast<std::size_t>(h);
  }
};

// Elements grouped by their property: group keys 0, 1, 2 ... in the order
// the groups were first met; a group keeps its first element's property and
// the labels of its elements in the order they were added. Grouping is one
// hash lookup per element.
class bme_MapPropertyArray {
 public:
  // Adds the element of `property` to the first group whose property is
  // equal, or to a new group.
  void Add(const bme_Property& property) {
    auto [it, added] = index_.try_emplace(property, static_cast<int>(groups_.size()));
    if (added) groups_.push_back(Group{property, {}});
    groups_[static_cast<std::size_t>(it->second)].labels.push_back(property.label);
  }
  std::size_t Length() const { return groups_.size(); }
  int SectionIndex(std::size_t key) const { return groups_[key].property.section; }
  int ElemCtrlIndex(std::size_t key) const { return groups_[key].property.elemCtrl; }
  int BeamOriIndex(std::size_t key) const { return groups_[key].property.beamOri; }
  int MatOriIndex(std::size_t key) const { return groups_[key].property.matOri; }
  int RebarOriIndex(std::size_t key) const { return groups_[key].property.rebarOri; }
  // The labels of the group's elements, in table order.
  const std::vector<int>& ElementIds(std::size_t key) const { return groups_[key].labels; }

 private:
  struct Group {
    bme_Property property;
    std::vector<int> labels;
  };
  struct Hasher {
    std::size_t operator()(const bme_Property& p) const { return p.Hash(); }
  };
  std::vector<Group> groups_;
  std::unordered_map<bme_Property, int, Hasher> index_;
};
