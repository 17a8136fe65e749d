// The discrete-field stand-in: rows added, found and sorted.
#include <gtest/gtest.h>

#include <vector>

#include "OdbAttrEO/kfdC_DiscreteField.h"

namespace {

std::vector<int> Labels(const kfdC_DataTable& table) {
  return {table.Labels().begin(), table.Labels().end()};
}
std::vector<double> Values(const kfdC_DataTable& table) {
  return {table.Values().begin(), table.Values().end()};
}

}  // namespace

TEST(kfdC_DataTable, RowsFoundThroughTheIndexAsTheyAreAddedAndSorted) {
  kfdC_DataTable table("A", 2);
  const double first[2] = {1.0, 2.0}, second[2] = {3.0, 4.0}, again[2] = {5.0, 6.0};
  table.AddDomainValue(9, first);
  EXPECT_EQ(table.GetDomainPos(9), 0);  // builds the index
  EXPECT_EQ(table.GetDomainPos(4), -1);
  table.AddDomainValue(4, second);  // kept in the index
  table.AddDomainValue(9, again);   // a second row of 9: the first is found
  EXPECT_EQ(table.GetDomainPos(4), 1);
  EXPECT_EQ(table.GetDomainPos(9), 0);

  // A copy shares the rows; adding to it leaves the original alone.
  kfdC_DataTable copy = table;
  copy.AddDomainValue(1, first);
  EXPECT_EQ(copy.GetDomainPos(1), 3);
  EXPECT_EQ(table.GetDomainPos(1), -1);
  EXPECT_EQ(Labels(table), (std::vector<int>{9, 4, 9}));

  // Sorting keeps each label's values with it and rows of one label in order.
  table.SortTables();
  EXPECT_EQ(Labels(table), (std::vector<int>{4, 9, 9}));
  EXPECT_EQ(Values(table), (std::vector<double>{3.0, 4.0, 1.0, 2.0, 5.0, 6.0}));
  EXPECT_EQ(table.GetDomainPos(9), 1);
  EXPECT_EQ(table.GetDomainPos(4), 0);
}

// The first row of `label` by a scan of the labels, or -1.
long long FirstRowByScan(const kfdC_DataTable& table, int label) {
  for (std::size_t row = 0; row < table.Labels().Length(); ++row)
    if (table.Labels()[row] == label) return static_cast<long long>(row);
  return -1;
}

TEST(kfdC_DataTable, RowNumbersOfRisingDenseAndSparseLabelsAsRowsAreAdded) {
  // Each table gets its labels one at a time, every label looked up before
  // it is added and the whole domain compared with a scan after each add;
  // the values of a row start at row * ComponentCount().
  const std::vector<std::vector<int>> domains = {
      {1, 2, 2, 5, 9},                                        // rising, a label twice
      {50, 49, 47, 48, 10, 60, 49, 100, 1},                   // falling and rising: dense
      {7, -2000000000, 7, 2000000000, 0, -5, 2000000000, 3},  // sparse
  };
  for (const std::vector<int>& labels : domains) {
    kfdC_DataTable table("T", 2);
    for (std::size_t i = 0; i < labels.size(); ++i) {
      EXPECT_EQ(table.GetDomainPos(labels[i]), FirstRowByScan(table, labels[i]));
      const double values[2] = {static_cast<double>(i), -static_cast<double>(i)};
      table.AddDomainValue(labels[i], values);
      for (int label : labels)
        EXPECT_EQ(table.GetDomainPos(label), FirstRowByScan(table, label)) << label;
      EXPECT_EQ(table.GetDomainPos(123456), -1);
    }
    const long long row = table.GetDomainPos(labels.back());
    EXPECT_EQ(table.Values()[static_cast<std::size_t>(row) * 2],
              static_cast<double>(FirstRowByScan(table, labels.back())));
  }

  // A domain set at once, falling: found all the same, and sorted afterwards.
  kfdC_DataTable set("S", 1);
  set.SetDomain({30, 20, 10, 20}, {3.0, 2.0, 1.0, 2.5});
  EXPECT_EQ(set.GetDomainPos(20), 1);
  EXPECT_EQ(set.GetDomainPos(10), 2);
  EXPECT_EQ(set.GetDomainPos(15), -1);
  set.SortTables();
  EXPECT_EQ(set.GetDomainPos(20), 1);
  EXPECT_EQ(set.Values()[1], 2.0);
  EXPECT_EQ(set.GetDomainPos(30), 3);
}

TEST(kfdC_DiscreteField, CopiesAreWhole) {
  kfdC_DiscreteField field;
  field.SetLocation(kfdC_DiscreteField::kNodes);
  field.SetDataKind(kfdC_DiscreteField::kOrientations);
  field.SetSingleTable(true);
  field.SetComponentCount(6);
  field.SetDefaultValues({1, 0, 0, 0, 1, 0});
  field.SetDescription("text");
  field.AddDataTable(kfdC_DataTable("B", 6));
  const std::unique_ptr<kfdC_DiscreteField> copy(field.Clone());
  EXPECT_EQ(copy->Location(), kfdC_DiscreteField::kNodes);
  EXPECT_EQ(copy->DataKind(), kfdC_DiscreteField::kOrientations);
  EXPECT_TRUE(copy->SingleTable());
  EXPECT_EQ(copy->ComponentCount(), 6);
  EXPECT_EQ(copy->DefaultValues().Length(), 6u);
  EXPECT_EQ(copy->Description(), cow_String("text"));
  ASSERT_EQ(copy->DataTables().Length(), 1u);
  EXPECT_EQ(copy->DataTables()[0].Name(), cow_String("B"));
  EXPECT_TRUE(cls_Registry::IsDerived(kfdC_DiscreteField::TypeId(), kfdC_Field::TypeId()));
}
