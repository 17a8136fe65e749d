// Discrete fields: values given per node or per element label, in one data
// table per instance (or one unnamed table for a part), with a default row for
// labels the tables do not hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kern_Object.h"

// Base of the kernel's fields: a description text.
class kfdC_Field : public kern_Object {
 public:
  static constexpr unsigned kTypeId = 0x30E0000;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  CLS_REGISTER(kfdC_Field, kern_Object)

  const cow_String& Description() const { return description_; }
  void SetDescription(cow_String description) { description_ = std::move(description); }

 private:
  cow_String description_;
};

// One table of a discrete field: a name (empty, or the instance it belongs
// to), a component count, the labels of its domain and the values, label-major
// (component-count values per label). Copies share labels and values until one
// of them changes.
class kfdC_DataTable {
 public:
  kfdC_DataTable() = default;
  explicit kfdC_DataTable(cow_String name, int componentCount = 1)
      : name_(std::move(name)), componentCount_(componentCount) {}

  const cow_String& Name() const { return name_; }
  void SetName(cow_String name) { name_ = std::move(name); }
  int ComponentCount() const { return componentCount_; }
  const cow_List<int>& Labels() const { return labels_; }
  const cow_List<double>& Values() const { return values_; }

  // Appends `label` with its component-count values read from `values`. A
  // label added twice keeps both rows; GetDomainPos finds the first.
  void AddDomainValue(int label, const double* values);
  void AddDomainValue(int label, double value) { AddDomainValue(label, &value); }
  // Replaces the domain as given, even when the lists do not agree with the
  // component count (the writers check before they read).
  void SetDomain(cow_List<int> labels, cow_List<double> values);
  // The row number of the first row of `label` (its values start at row *
  // ComponentCount() in Values()), or -1 when the domain does not hold it.
  // Labels added in rising order are found by a binary search over them;
  // otherwise the first call builds an index without a node per row (a slot
  // per label of a dense label range, else the rows ordered by label), which
  // AddDomainValue keeps.
  long long GetDomainPos(int label) const;
  // Orders the rows by label; rows of one label keep their order.
  void SortTables();

 private:
  // The index of a domain whose labels do not rise: `slots` (row + 1 of the
  // first row of label base + i, 0 for none) when not empty, else `order`
  // (the rows sorted by label, rows of one label in row order).
  struct Index {
    long long base = 0;
    std::vector<std::uint32_t> slots;
    std::vector<std::uint32_t> order;
  };
  std::shared_ptr<Index> BuildIndex() const;
  bool KeepIndex(int label, long long row);

  cow_String name_;
  int componentCount_ = 1;
  cow_List<int> labels_;
  cow_List<double> values_;
  bool rising_ = true;  // every label at least the one before it
  mutable std::shared_ptr<Index> index_;
};

class kfdC_DiscreteField : public kfdC_Field {
 public:
  static constexpr unsigned kTypeId = 0x30E0002;
  static unsigned TypeId() { return kTypeId; }
  unsigned DynTypeId() const override { return kTypeId; }
  kfdC_DiscreteField* Clone() const override { return new kfdC_DiscreteField(*this); }
  CLS_REGISTER(kfdC_DiscreteField, kfdC_Field)

  // Location codes.
  static constexpr int kNodes = 0;
  static constexpr int kElements = 1;
  // Data kinds: plain values, or orientations (two direction vectors a row).
  static constexpr int kValues = 0;
  static constexpr int kOrientations = 1;

  int Location() const { return location_; }
  void SetLocation(int location) { location_ = location; }
  int DataKind() const { return dataKind_; }
  void SetDataKind(int kind) { dataKind_ = kind; }
  bool SingleTable() const { return singleTable_; }
  void SetSingleTable(bool single) { singleTable_ = single; }
  int ComponentCount() const { return componentCount_; }
  void SetComponentCount(int count) { componentCount_ = count; }
  const cow_List<double>& DefaultValues() const { return defaults_; }
  void SetDefaultValues(cow_List<double> values) { defaults_ = std::move(values); }
  const cow_List<kfdC_DataTable>& DataTables() const { return tables_; }
  void AddDataTable(const kfdC_DataTable& table) { tables_.Append(table); }

 private:
  int location_ = kElements;
  int dataKind_ = kValues;
  bool singleTable_ = false;
  int componentCount_ = 1;
  cow_List<double> defaults_;
  cow_List<kfdC_DataTable> tables_;
};
