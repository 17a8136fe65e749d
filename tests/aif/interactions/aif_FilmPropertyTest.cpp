// "*Film Property" and "*Emissivity": the keyword line with its dependencies,
// the rows of the table eight values to a line with the empty second field
// of a table without its own second column, and the property classes they
// refuse.
#include <gtest/gtest.h>

#include <string>

#include "BasShared/cow_2DArray.h"
#include "OdbAttrEO/kinC_CavityRadiationProp.h"
#include "OdbAttrEO/kinC_FilmConditionProp.h"
#include "aif/impl/interactions/aif_Emissivity.h"
#include "aif/impl/interactions/aif_FilmProperty.h"
#include "aif_GeneralContactTestModel.h"
#include "support/aif_TestSupport.h"

namespace {

kinC_FilmConditionProp FilmProp(const cow_2DArray<double>& table, bool secondColumn = true,
                                int dependencies = 0) {
  kinC_FilmConditionProp film;
  film.SetTable(table);
  film.SetSecondColumn(secondColumn);
  film.SetDependencies(dependencies);
  return film;
}

std::string FilmText(const char* name, const kinC_FilmConditionProp& film) {
  return aif_test::KeywordText(aif_FilmProperty(name, film));
}

// One row of `count` values 1., 2., ...
cow_2DArray<double> FilmRow(int count) {
  cow_2DArray<double> row(1, static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    row.Modify(0, static_cast<std::size_t>(i)) = i + 1;
  return row;
}

}  // namespace

TEST(aif_FilmProperty, RowsEightValuesToALineWithTheEmptySecondField) {
  const cow_2DArray<double> table = {{10.0, 20.0, 0.5}, {12.5, 40.0, 1e-05}};
  EXPECT_EQ(FilmText("Film-1", FilmProp(table)),
            "*Film Property, name=Film-1\n10., 20., 0.5\n12.5, 40., 1.e-05\n");
  // Without its own second column every row gets an empty field there.
  EXPECT_EQ(FilmText("Film-1", FilmProp(table, false)),
            "*Film Property, name=Film-1\n10., , 20., 0.5\n12.5, , 40., 1.e-05\n");
  // A row of ten values: eight, then two, no separator at a line's end; the
  // empty field does not count towards the eight.
  EXPECT_EQ(FilmText("Film-1", FilmProp(FilmRow(10))),
            "*Film Property, name=Film-1\n1., 2., 3., 4., 5., 6., 7., 8.\n9., 10.\n");
  EXPECT_EQ(FilmText("Film-1", FilmProp(FilmRow(10), false)),
            "*Film Property, name=Film-1\n1., , 2., 3., 4., 5., 6., 7., 8.\n9., 10.\n");
  // Exactly eight values end the row on one line; a single column has no
  // second field to leave empty.
  EXPECT_EQ(FilmText("Film-1", FilmProp(FilmRow(8))),
            "*Film Property, name=Film-1\n1., 2., 3., 4., 5., 6., 7., 8.\n");
  EXPECT_EQ(FilmText("Film-1", FilmProp(FilmRow(1), false)), "*Film Property, name=Film-1\n1.\n");
  // An empty table: the keyword line alone.
  EXPECT_EQ(FilmText("Film-1", FilmProp(cow_2DArray<double>())), "*Film Property, name=Film-1\n");
}

TEST(aif_FilmProperty, NameAndDependencies) {
  const cow_2DArray<double> table = {{10.0, 20.0}};
  EXPECT_EQ(FilmText("Film 1", FilmProp(table, true, 2)),
            "*Film Property, name=\"Film 1\", dependencies=2\n10., 20.\n");
  // A line past the break column goes on after the ", " before the
  // dependencies; without dependencies it is not broken.
  const std::string longName(120, 'F');
  EXPECT_EQ(FilmText(longName.c_str(), FilmProp(table, true, 1)),
            "*Film Property, name=" + longName + ", \ndependencies=1\n10., 20.\n");
  EXPECT_EQ(FilmText(longName.c_str(), FilmProp(table)),
            "*Film Property, name=" + longName + "\n10., 20.\n");
}

TEST(aif_Emissivity, KeywordLineAndRows) {
  kinC_CavityRadiationProp cavity;
  cavity.SetTable({{0.8, 20.0}, {0.9, 200.0}});
  EXPECT_EQ(aif_test::KeywordText(aif_Emissivity(cavity)), "*Emissivity\n0.8, 20.\n0.9, 200.\n");
  cavity.SetDependencies(1);
  cavity.SetSecondColumn(false);
  cavity.SetTable({{0.8, 20.0, 1.0}, {0.9, 200.0, 2.0}});
  EXPECT_EQ(aif_test::KeywordText(aif_Emissivity(cavity)),
            "*Emissivity, dependencies=1\n0.8, , 20., 1.\n0.9, , 200., 2.\n");
}

// Each keyword refuses the other's property, before writing anything.
TEST(aif_FilmProperty, RefusesAnotherPropertyClass) {
  const kinC_FilmConditionProp film = FilmProp({{1.0, 2.0}});
  const kinC_CavityRadiationProp cavity;
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(
      aif_test::ThrownText(aif_FilmProperty("Film-1", cavity)), "kinC_FilmConditionProp",
      "module/aif/impl/interactions/aif_FilmProperty.cpp"));
  EXPECT_TRUE(aif_gc_test::GcIsTypeTestError(aif_test::ThrownText(aif_Emissivity(film)),
                                             "kinC_CavityRadiationProp",
                                             "module/aif/impl/interactions/aif_Emissivity.cpp"));
}
