// Rows written outside the parts name their element as "Inst.label", with
// the instance name quoted when it holds a comma, a blank or a dot (the
// reader takes the text before the first dot for the instance).
#include <gtest/gtest.h>

#include "aif/impl/sections/aif_Distribution.h"
#include "aif_DistributionTest.h"
#include "aif_SectionTestSupport.h"

namespace {

using aif_distribution_test::Context;
using aif_distribution_test::Record;
using aif_distribution_test::Table;
using aif_section_test::Lines;
using aif_test::KeywordText;

TEST(aif_Distribution, RowsOutsideThePartsQuoteTheInstanceName) {
  Context context(false, {"A,1", "B 2", "C.3"});
  kfdC_DiscreteField field;
  field.SetLocation(kfdC_DiscreteField::kElements);
  field.SetDefaultValues({1.5});
  field.AddDataTable(Table("", {2}, {2.5}));
  field.AddDataTable(Table("A,1", {1}, {7.0}));
  field.AddDataTable(Table("B 2", {2}, {8.0}));
  field.AddDataTable(Table("C.3", {1}, {9.0}));
  // Model scope: each instance's table under its own name.
  EXPECT_EQ(KeywordText(aif_Distribution(field, Record("M_F", akw_DiscreteField::kModel, {}),
                                         context.Info())),
            Lines({"*Distribution, name=M_F, location=ELEMENT, Table=M_F_Table", ",    1.5",
                   "2,    2.5", "\"A,1\".1, 7.", "\"B 2\".2, 8.", "\"C.3\".1, 9."}));
  // Assembly scope, a dotted field name: one distribution, the unnamed
  // table's rows once per instance.
  EXPECT_EQ(
      KeywordText(aif_Distribution(
          field, Record("G.x", akw_DiscreteField::kAssembly, {"A,1", "B 2"}), context.Info())),
      Lines({"*Distribution, name=G.x, location=ELEMENT, Table=G.x_Table", ",    1.5",
             "\"A,1\".2,    2.5", "\"A,1\".1, 7.", "\"B 2\".2,    2.5", "\"B 2\".2, 8."}));
  // Assembly scope, one distribution per instance: the name is qualified
  // component by component ("B 2".G, not "B 2.G", which reads as one name).
  EXPECT_EQ(
      KeywordText(aif_Distribution(field, Record("G", akw_DiscreteField::kAssembly, {"B 2", "C.3"}),
                                   context.Info())),
      Lines({"*Distribution, name=\"B 2\".G, location=ELEMENT, Table=G_Table", ",    1.5",
             "\"B 2\".2,    2.5", "\"B 2\".2, 8.",
             "*Distribution, name=\"C.3\".G, location=ELEMENT, Table=G_Table", ",    1.5",
             "\"C.3\".2,    2.5", "\"C.3\".1, 9."}));
}

}  // namespace
