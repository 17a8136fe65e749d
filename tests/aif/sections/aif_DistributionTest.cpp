// The distribution, distribution table and nodal thickness keywords.
#include <gtest/gtest.h>

#include "QivGeom/gsl_Matrix.h"
#include "aif/impl/sections/aif_Distribution.h"
#include "aif/impl/sections/aif_DistributionTable.h"
#include "aif/impl/sections/aif_NodalThickness.h"
#include "aif_DistributionTest.h"
#include "aif_SectionTestSupport.h"

namespace {

using aif_distribution_test::Context;
using aif_distribution_test::Record;
using aif_distribution_test::ScalarField;
using aif_distribution_test::Table;
using aif_section_test::Lines;
using aif_test::KeywordText;
using aif_test::ThrownText;

constexpr int kPart = akw_DiscreteField::kPart;
constexpr int kInstance = akw_DiscreteField::kInstance;
constexpr int kAssembly = akw_DiscreteField::kAssembly;
constexpr int kModel = akw_DiscreteField::kModel;

}  // namespace

TEST(aif_DistributionTable, TablesPerInstanceInAFlatFileOnceOtherwise) {
  akw_DiscreteField record = Record("F", kInstance, {"A", "B"});
  record.components = {"SCALAR", "ANGLE"};
  const kfdC_DiscreteField field = ScalarField();
  EXPECT_EQ(KeywordText(aif_DistributionTable(field, record, false)),
            Lines({"*Distribution Table, name=A_F_Table", "SCALAR, ANGLE",
                   "*Distribution Table, name=B_F_Table", "SCALAR, ANGLE"}));
  EXPECT_EQ(KeywordText(aif_DistributionTable(field, record, true)),
            Lines({"*Distribution Table, name=F_Table", "SCALAR, ANGLE"}));
  // A model-scope table is named by the field, as its distribution names it.
  EXPECT_EQ(KeywordText(aif_DistributionTable(field, Record("M_F", kModel, {"A", "B"}), false)),
            Lines({"*Distribution Table, name=M_F_Table", "SCALAR"}));
  // A name that is not a plain solver name is quoted.
  EXPECT_EQ(KeywordText(aif_DistributionTable(field, Record("my F", kPart, {}), false)),
            Lines({"*Distribution Table, name=\"my F_Table\"", "SCALAR"}));

  record.components = {};
  EXPECT_EQ(ThrownText(aif_DistributionTable(field, record, true)),
            "The distribution of the discrete field F has no column type.");
}

TEST(aif_Distribution, FlatFileOnePerInstanceWithItsLabels) {
  Context context(true);
  const aif_Distribution keyword(ScalarField(), Record("F", kInstance, {"A", "B"}), context.Info());
  // B's elements are written as 3 and 4: its rows follow.
  EXPECT_EQ(KeywordText(keyword),
            Lines({"*Distribution, name=A_F, location=ELEMENT, Table=A_F_Table",
                   "** Description: density", ",    1.5", "1,    2.5", "2,   3.25", "1, 7.",
                   "*Distribution, name=B_F, location=ELEMENT, Table=B_F_Table",
                   "** Description: density", ",    1.5", "3,    2.5", "4,   3.25", "4, 8."}));
}

TEST(aif_Distribution, PartBasedOnceForPartAndInstanceScopeQualifiedForAssembly) {
  Context context(false);
  const kfdC_DiscreteField field = ScalarField();
  EXPECT_EQ(
      KeywordText(aif_Distribution(field, Record("F", kInstance, {"A", "B"}), context.Info())),
      Lines({"*Distribution, name=F, location=ELEMENT, Table=F_Table", "** Description: density",
             ",    1.5", "1,    2.5", "2,   3.25", "1, 7."}));
  EXPECT_EQ(
      KeywordText(aif_Distribution(field, Record("F", kPart, {"A", "B"}), context.Info())),
      KeywordText(aif_Distribution(field, Record("F", kInstance, {"A", "B"}), context.Info())));
  EXPECT_EQ(
      KeywordText(aif_Distribution(field, Record("F", kAssembly, {"A", "B"}), context.Info())),
      Lines({"*Distribution, name=A.F, location=ELEMENT, Table=F_Table", "** Description: density",
             ",    1.5", "A.1,    2.5", "A.2,   3.25", "A.1, 7.",
             "*Distribution, name=B.F, location=ELEMENT, Table=F_Table", "** Description: density",
             ",    1.5", "B.1,    2.5", "B.2,   3.25", "B.2, 8."}));
  // A dotted name is not prefixed: it is defined once, with every instance's
  // rows.
  EXPECT_EQ(
      KeywordText(aif_Distribution(field, Record("G.x", kAssembly, {"A", "B"}), context.Info())),
      Lines({"*Distribution, name=G.x, location=ELEMENT, Table=G.x_Table",
             "** Description: density", ",    1.5", "A.1,    2.5", "A.2,   3.25", "A.1, 7.",
             "B.1,    2.5", "B.2,   3.25", "B.2, 8."}));
}

TEST(aif_Distribution, ModelScopeIsOneDistributionNamedByTheField) {
  const kfdC_DiscreteField field = ScalarField();
  Context partBased(false);
  EXPECT_EQ(
      KeywordText(aif_Distribution(field, Record("M_F", kModel, {"A", "B"}), partBased.Info())),
      Lines({"*Distribution, name=M_F, location=ELEMENT, Table=M_F_Table",
             "** Description: density", ",    1.5", "1,    2.5", "2,   3.25", "A.1, 7.",
             "B.2, 8."}));
  Context flat(true);
  EXPECT_EQ(
      KeywordText(aif_Distribution(field, Record("M_F", kModel, {"A", "B"}), flat.Info())),
      Lines({"*Distribution, name=M_F, location=ELEMENT, Table=M_F_Table",
             "** Description: density", ",    1.5", "1,    2.5", "2,   3.25", "1, 7.", "4, 8."}));
}

TEST(aif_Distribution, LongNamesPutTheOptionsOnFurtherLines) {
  // A 230-character name: "location=" would pass 256 characters on the
  // keyword line, and the table's name would pass it on the next.
  const std::string name(230, 'N');
  const kfdC_DiscreteField field = ScalarField();
  Context partBased(false);
  const std::string text =
      KeywordText(aif_Distribution(field, Record(name.c_str(), kModel, {"A"}), partBased.Info()));
  EXPECT_EQ(text.substr(0, text.find("** Description")),
            "*Distribution, name=" + name + ", \nlocation=ELEMENT, \nTable=" + name + "_Table\n");
}

TEST(aif_Distribution, NodeRowsFollowTheNodeLabelsAndOffsetsApply) {
  // Two components at nodes, no description: the second instance's nodes
  // are written from 13 on.
  kfdC_DiscreteField field;
  field.SetLocation(kfdC_DiscreteField::kNodes);
  field.SetComponentCount(2);
  field.SetDefaultValues({0.1234567, -2.0});
  field.AddDataTable(Table("B", {1, 12}, {1.0, 2.0, 3.0, 4.0}));
  Context flat(true);
  EXPECT_EQ(KeywordText(aif_Distribution(field, Record("N", kInstance, {"B"}), flat.Info())),
            Lines({"*Distribution, name=B_N, location=NODE, Table=B_N_Table", ", 0.1234567,    -2.",
                   "13, 1., 2.", "24, 3., 4."}));

  // Without a conflict the labels are kept, shifted by the environment's
  // offsets.
  Context shifted(true, {"B"}, "1000", "500");
  EXPECT_EQ(KeywordText(aif_Distribution(field, Record("N", kInstance, {"B"}), shifted.Info())),
            Lines({"*Distribution, name=B_N, location=NODE, Table=B_N_Table", ", 0.1234567,    -2.",
                   "501, 1., 2.", "512, 3., 4."}));
  field.SetLocation(kfdC_DiscreteField::kElements);
  EXPECT_EQ(KeywordText(aif_Distribution(field, Record("N", kInstance, {"B"}), shifted.Info())),
            Lines({"*Distribution, name=B_N, location=ELEMENT, Table=B_N_Table",
                   ", 0.1234567,    -2.", "1001, 1., 2.", "1012, 3., 4."}));
  // An unnamed table's rows keep every digit, in the padded columns of the
  // default line, as a named table's rows do.
  field.AddDataTable(Table("", {2}, {1.0617283945, 1.0 / 3.0}));
  EXPECT_EQ(
      KeywordText(aif_Distribution(field, Record("N", kInstance, {"B"}), shifted.Info())),
      Lines({"*Distribution, name=B_N, location=ELEMENT, Table=B_N_Table", ", 0.1234567,    -2.",
             "1001, 1., 2.", "1012, 3., 4.", "1002, 1.0617283945, 0.3333333333333333"}));
}

TEST(aif_Distribution, OrientationDataInTheLongFormAndTheSingleTable) {
  kfdC_DiscreteField field;
  field.SetDataKind(kfdC_DiscreteField::kOrientations);
  field.SetSingleTable(true);
  field.SetComponentCount(2);
  field.SetDefaultValues({1.0, 0.123456789012345678});
  field.AddDataTable(Table("", {2}, {0.5, 0.0}));
  field.AddDataTable(Table("A", {1}, {9.0, 9.0}));
  field.SetDescription("two\nlines");
  Context flat(true);
  // Only the first table, offset by the first instance (B: 3 and 4).
  EXPECT_EQ(
      KeywordText(aif_Distribution(field, Record("O", kInstance, {"B", "A"}), flat.Info())),
      Lines({"*Distribution, name=B_O, location=ELEMENT, Table=B_O_Table", "** Description: two",
             "** lines", ",           1., 0.12345678901234568", "4,          0.5,           0.",
             "*Distribution, name=A_O, location=ELEMENT, Table=A_O_Table", "** Description: two",
             "** lines", ",           1., 0.12345678901234568", "4,          0.5,           0."}));

  field = kfdC_DiscreteField();
  field.SetDataKind(kfdC_DiscreteField::kOrientations);
  field.SetSingleTable(true);
  field.SetDefaultValues({1.0});
  EXPECT_EQ(ThrownText(aif_Distribution(field, Record("O", kInstance, {"A"}), flat.Info())),
            "The discrete field O has no data table.");
}

TEST(aif_Distribution, ShortListsAreRefusedBeforeAnyLine) {
  Context context(false);
  kfdC_DiscreteField field = ScalarField();
  field.SetComponentCount(2);
  EXPECT_EQ(ThrownText(aif_Distribution(field, Record("F", kInstance, {"A"}), context.Info())),
            "The discrete field F has fewer default values than components.");
  field.SetDefaultValues({1.0, 2.0});
  EXPECT_EQ(ThrownText(aif_Distribution(field, Record("F", kInstance, {"A"}), context.Info())),
            "The discrete field F holds fewer values than labels in a table.");
  field = ScalarField();
  field.AddDataTable(Table("C", {1, 2}, {1.0}));
  EXPECT_EQ(ThrownText(aif_Distribution(field, Record("F", kModel, {}), context.Info())),
            "The discrete field F holds fewer values than labels in the table C.");
  EXPECT_EQ(ThrownText(aif_NodalThickness(field, Record("F", kPart, {}))),
            "The discrete field F holds fewer values than labels in the table C.");
}

TEST(aif_Distribution, OrientationFormWritesElementsThatDifferFromTheFirst) {
  // The deck has written elements up to 4 (two instances of two elements);
  // the connector's two labels were the last two of them.
  Context flat(true);
  aif_InstanceLabelLists labels;
  labels.firstLabels = {1, 2};
  labels.count = 2;
  const gsl_Matrix same;
  const gsl_Matrix quarter = gsl_Matrix::AxisRotation({}, {0, 0, 1}, 1.5707963267948966);
  const gsl_Matrix tiny = gsl_Matrix::AxisRotation({}, {0, 0, 1}, 5e-6);
  const cow_List<gsl_Matrix> rotations = {same, quarter, tiny};

  // Fixed axes: x and y turned. The quarter turn gives 6.1e-17 for cos, "0.";
  // the tiny turn stays within 1e-5 of the default and writes nothing.
  EXPECT_EQ(KeywordText(aif_Distribution("Ori", nullptr, rotations, labels, true, 0, flat.Info())),
            Lines({"*Distribution, name=Ori, location=ELEMENT, table=_TM_Dist_Table",
                   " ,   1., 0., 0.,   0., 1., 0.", "4,   0., 1., 0.,   -1., 0., 0.",
                   "7,   0., 1., 0.,   -1., 0., 0."}));

  // A coordinate system's first two axes, turned; the source is not changed.
  const dtu_DatumCsys csys(dtu_DatumCsys::kRectangular, {}, {0, 1, 0}, {0, 0, 1}, {1, 0, 0});
  labels.count = 1;
  EXPECT_EQ(KeywordText(aif_Distribution("Ori", &csys, rotations, labels, false, 0, flat.Info())),
            Lines({"*Distribution, name=Ori, location=ELEMENT, table=_TM_Dist_Table",
                   " ,   0., 1., 0.,   0., 0., 1.", "4,   -1., 0., 0.,   0., 0., 1."}));
  gsl_Point origin;
  gsl_Vector first, second, third;
  csys.Geometry(origin, first, second, third);
  EXPECT_EQ(first, gsl_Vector(0, 1, 0));

  // Neither: (0, 0, 1) for every element, so only the default line; a
  // component of 5e-13 prints as "0.".
  EXPECT_EQ(KeywordText(aif_Distribution("Ori", nullptr, rotations, labels, false, 0, flat.Info())),
            Lines({"*Distribution, name=Ori, location=ELEMENT, table=_TM_Dist_Table",
                   " ,   0., 0., 1.,   0., 0., 1."}));
  const gsl_Matrix small = gsl_Matrix::AxisRotation({}, {0, 0, 1}, 5e-13);
  EXPECT_EQ(KeywordText(aif_Distribution("Ori", nullptr, {small}, labels, true, 0, flat.Info())),
            Lines({"*Distribution, name=Ori, location=ELEMENT, table=_TM_Dist_Table",
                   " ,   1., 0., 0.,   0., 1., 0."}));
}

TEST(aif_NodalThickness, EveryRowOfEveryTableAsHeld) {
  kfdC_DiscreteField field;
  field.SetLocation(kfdC_DiscreteField::kNodes);
  field.AddDataTable(Table("", {3, 1}, {0.5, 0.25}));
  field.AddDataTable(Table("A", {7}, {2.0}));
  EXPECT_EQ(KeywordText(aif_NodalThickness(field, Record("T", kPart, {"A"}))),
            Lines({"*Nodal Thickness", "3, 0.5", "1, 0.25", "7, 2."}));
  field.SetDescription("thick");
  EXPECT_EQ(KeywordText(aif_NodalThickness(field, Record("T", kPart, {"A"}))),
            Lines({"*Nodal Thickness", "** Description: thick", "3, 0.5", "1, 0.25", "7, 2."}));
}
