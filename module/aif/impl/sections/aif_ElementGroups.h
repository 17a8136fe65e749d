// The elements of one instance grouped by their five indices in an
// aif_ElementProperties: groups 0, 1, 2 ... in the order their first element
// comes in mesh order, each with its indices and, for a group with a section
// assignment, the labels of its elements in mesh order. aif_SectionGroupStep
// makes it and writes a group at a time.
#pragma once

#include <cstddef>
#include <vector>

#include "OdbCoreGeom/bme_Property.h"

class aif_ElementProperties;

class aif_ElementGroups {
 public:
  // Groups the elements of `table` and empties it. A first pass numbers and
  // counts the groups, writing each element's group in place of its section
  // column and freeing the other columns; a second makes the label lists at
  // their final size. So the groups never hold more than the table held
  // (one int per element for the group numbers, one for the labels of the
  // elements with a section assignment), beside a few bytes per group.
  explicit aif_ElementGroups(aif_ElementProperties& table);

  std::size_t Length() const { return groups_.size(); }
  int SectionIndex(std::size_t key) const { return groups_[key].property.section; }
  int ElemCtrlIndex(std::size_t key) const { return groups_[key].property.elemCtrl; }
  int BeamOriIndex(std::size_t key) const { return groups_[key].property.beamOri; }
  int MatOriIndex(std::size_t key) const { return groups_[key].property.matOri; }
  int RebarOriIndex(std::size_t key) const { return groups_[key].property.rebarOri; }
  // The labels of the group's elements, in mesh order; empty for a group
  // without a section assignment, and once released.
  const std::vector<int>& ElementIds(std::size_t key) const { return groups_[key].labels; }
  // The group's element count (kept when its labels are released).
  std::size_t Count(std::size_t key) const { return groups_[key].count; }
  // Frees the labels of group `key`.
  void Release(std::size_t key);
  // The most heap bytes the grouping held at once, the table's columns it
  // started from included.
  std::size_t PeakBytes() const { return peakBytes_; }

 private:
  struct Group {
    bme_Property property;
    std::size_t count = 0;
    std::vector<int> labels;
  };

  std::vector<Group> groups_;
  std::size_t peakBytes_ = 0;
};
