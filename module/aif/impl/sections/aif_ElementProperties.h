// The per-element table of the part-attribute steps: for each element of one
// instance's mesh, in mesh order, the index of the section assignment,
// element controls and beam, material and rebar orientation that cover it
// (-1: none). aif_PartAttributesState holds it; the reading steps mark it,
// aif_ElementGroups groups it.
//
// It holds only what is marked: a column of one int per element is made by
// the first index of its kind set, and the label-to-position lookup by the
// first lookup, and then only when the labels are not one unbroken rising
// run (a run is answered by arithmetic). Labels are never stored: they are
// read again from the mesh. So the table holds at most 24 bytes per element
// (five columns and a lookup of one int per element), beside 4 KiB.
#pragma once

#include <cstddef>
#include <vector>

#include "OdbCoreGeom/bme_Mesh.h"

class aif_ElementProperties {
 public:
  enum Column { kSection, kElemCtrl, kBeamOri, kMatOri, kRebarOri, kColumns };

  // Empties the table and takes the elements of `mesh` (null: none),
  // labelled by the user labels when `usableLabels` (a class without a label
  // table: its first element index + 1 onward), else by position. `mesh`
  // must outlive the table's use.
  void Reset(const bme_Mesh* mesh, bool usableLabels);
  // Frees every column and the lookup; the element count stays.
  void Release();
  // Frees the label-to-position lookup (Position builds it again if asked).
  void ReleaseLookup();

  std::size_t Size() const { return count_; }
  // The position of the element labelled `label`, or -1 when none is. Of
  // two elements of one label, the later one.
  long long Position(int label);
  // Marks the element at `position` with `index` in `column`. Setting -1 in
  // a column not yet made makes nothing.
  void Set(Column column, std::size_t position, int index);
  // The index the element at `position` holds in `column` (-1: none).
  int Get(Column column, std::size_t position) const {
    const std::vector<int>& values = columns_[column];
    return values.empty() ? -1 : values[position];
  }
  bool Has(Column column) const { return !columns_[column].empty(); }
  // Hands over the column (empty when not made), leaving it unmade.
  std::vector<int> TakeColumn(Column column) { return std::move(columns_[column]); }
  // Calls `visit(position, label)` for every element, in mesh order.
  template <class Visit>
  void ForEachLabel(Visit&& visit) const;
  // The heap bytes the columns and the lookup hold now.
  std::size_t Bytes() const;
  // The most heap bytes the table held at once since Reset, the lookup's
  // passing sort included.
  std::size_t PeakBytes() const { return peakBytes_; }

 private:
  void BuildLookup();
  // The label of the element at `position`.
  int LabelAt(std::size_t position) const;

  const bme_Mesh* mesh_ = nullptr;
  bool usable_ = false;
  std::size_t count_ = 0;
  std::vector<int> columns_[kColumns];
  // The lookup: labels first_ .. first_ + count_ - 1 in mesh order need none
  // (run_); else a dense array over [low_, low_ + dense_.size()) of
  // positions (-1: none) when the labels span at most the count and 1024
  // more, else the positions in label order (of equal labels the last),
  // searched by halving.
  bool run_ = false;
  bool lookupBuilt_ = false;
  long long first_ = 0;
  long long low_ = 0;
  std::vector<int> dense_;
  std::vector<int> byLabel_;
  std::size_t peakBytes_ = 0;
};

template <class Visit>
void aif_ElementProperties::ForEachLabel(Visit&& visit) const {
  if (!mesh_) return;
  std::size_t position = 0;
  for (const bme_ElementClass& elementClass : mesh_->ElementClasses()) {
    const std::size_t n = elementClass.NumElements();
    const bool stored = elementClass.HasLabelTable();
    const int* labels = stored ? elementClass.UserLabels().data() : nullptr;
    const int first = static_cast<int>(elementClass.FirstElementIndex()) + 1;
    for (std::size_t e = 0; e < n; ++e, ++position)
      visit(position, !usable_ ? static_cast<int>(position)
                      : stored ? labels[e]
                               : first + static_cast<int>(e));
  }
}
