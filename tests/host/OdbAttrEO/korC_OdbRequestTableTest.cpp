// The output request table: lookups, lists per channel and procedure, what a
// region without nodes or elements still writes, content set and reset, one
// table per thread.
#include "OdbAttrEO/korC_OdbRequestTable.h"

#include <gtest/gtest.h>

#include <thread>

#include "QivBasicUtils/thr_ThreadSingleton.h"

namespace {

using Names = cow_List<cow_String>;

korC_OdbRequestTable& RequestTable() {
  return thr_ThreadSingleton<korC_OdbRequestTable>::Instance();
}

class korC_OdbRequestTableTest : public ::testing::Test {
 protected:
  void SetUp() override { RequestTable().Reset(); }
  void TearDown() override { RequestTable().Reset(); }
};

TEST_F(korC_OdbRequestTableTest, VariablesComponentsAndLists) {
  const korC_OdbRequestTable& table = RequestTable();
  EXPECT_TRUE(table.IsParentRequest("U", 7));
  EXPECT_FALSE(table.IsParentRequest("U1", 7));
  EXPECT_TRUE(table.IsComponentRequest("U1", 7));
  EXPECT_EQ(table.RequestFromComponent("S12", 7), cow_String("S"));
  EXPECT_EQ(table.RequestFromComponent("U", 7), cow_String());
  EXPECT_EQ(table.Request("SOF", 7).Position(), 9);
  EXPECT_EQ(table.Request("SOF", 7).Category(), 5);
  EXPECT_EQ(table.Request("XYZ", 7).Position(), -1);

  EXPECT_EQ(table.Defaults(1, 7, false, 0, 0), (Names{"S", "E", "U", "RF"}));
  EXPECT_EQ(table.Defaults(2, 7, true, 0, 0), (Names{"ALLIE", "ALLKE"}));
  EXPECT_TRUE(table.DefaultRequests(1, 7, 14).IsEmpty());

  // A list of one procedure takes the place of the list of every procedure.
  RequestTable().SetDefaults(1, 7, {});
  RequestTable().SetAll(2, 8, {"ALLIE"});
  EXPECT_TRUE(table.Defaults(1, 7, false, 0, 0).IsEmpty());
  EXPECT_EQ(table.Defaults(1, 8, false, 0, 0), (Names{"S", "E", "U", "RF"}));
  EXPECT_EQ(table.All(2, 8, 0, 0), (Names{"ALLIE"}));

  // A variable of one procedure, with its components, is unknown in others.
  korC_OdbRequestSpec definition;
  definition.position = 1;
  RequestTable().RegisterVariable("EDOT", definition, {8});
  RequestTable().RegisterComponent("EDOT1", "EDOT");
  EXPECT_TRUE(table.IsComponentRequest("EDOT1", 8));
  EXPECT_FALSE(table.IsComponentRequest("EDOT1", 7));
  EXPECT_FALSE(table.IsParentRequest("EDOT", 7));

  RequestTable().Reset();
  EXPECT_FALSE(table.IsParentRequest("EDOT", 8));
  EXPECT_EQ(table.Defaults(1, 7, false, 0, 0), (Names{"S", "E", "U", "RF"}));
}

TEST_F(korC_OdbRequestTableTest, WhatRegionsWithoutNodesOrElementsWrite) {
  const korC_OdbRequestTable& table = RequestTable();
  const Names variables{"U1", "RF", "S", "ALLIE", "XYZ"};
  EXPECT_EQ(table.GetInvalidPrintIdentifiersWithExclusion(variables, 7, 0, 3, 1, 14),
            (Names{"S", "ALLIE"}));
  EXPECT_EQ(table.GetInvalidPrintIdentifiersWithInclusion(variables, 7, 1, 3, 1, 14),
            (Names{"U1", "RF", "ALLIE"}));
  EXPECT_TRUE(table.GetInvalidPrintIdentifiersWithExclusion({"U", "V"}, 7, 0, 3, 1, 14).IsEmpty());

  RequestTable().SetInvalidPrintIdentifiers(false, {"Z"});
  EXPECT_EQ(table.GetInvalidPrintIdentifiersWithExclusion({"U"}, 7, 0, 3, 1, 14), (Names{"Z"}));
  EXPECT_EQ(table.GetInvalidPrintIdentifiersWithInclusion({"U"}, 7, 1, 3, 1, 14), (Names{"U"}));
}

TEST_F(korC_OdbRequestTableTest, OneTablePerThread) {
  RequestTable().Remove("U");
  EXPECT_FALSE(RequestTable().IsParentRequest("U", 7));
  bool other = false;
  std::thread([&] { other = RequestTable().IsParentRequest("U", 7); }).join();
  EXPECT_TRUE(other);
}

}  // namespace
