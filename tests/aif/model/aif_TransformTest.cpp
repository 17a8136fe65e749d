// "*Transform" of a node set: the three system kinds, a datum that does not
// resolve, and a datum of another kind.
#include <string>

#include "ModKerLow/dtu_DatumCsys.h"
#include "ModKerLow/ptoK_Part.h"
#include "aif/impl/model/aif_Transform.h"
#include "aif_MeshTestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::Row;

class aif_TransformTest : public ::testing::Test {
 protected:
  aif_TransformTest() {
    unsigned id = 0;
    auto add = [&](const char* name, dtu_Datum&& datum) {
      datum.SetId(++id);
      datum.SetName(name);
      part_.FeatureList().Add(datum);
    };
    add("Rect", dtu_DatumCsys(1, {5, 5, 5}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1}));
    add("Cyl", dtu_DatumCsys(2, {1, 2, 3}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}));
    add("Sph", dtu_DatumCsys(3, {1, 2, 3}, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}));
    add("Odd", dtu_DatumCsys(7, {}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}));
    add("Point", dtu_Datum());
  }
  aif_Transform Transform(const char* datum, const char* nset = "_T-Datum csys-1") {
    return aif_Transform(&part_, {{"Part-1"}, datum}, "Model-1", nset);
  }

  ptoK_Part part_{"Part-1"};
};

TEST_F(aif_TransformTest, HeaderTypeAndTwoPointsByKind) {
  // Rectangular: no type option; the first and second axes.
  EXPECT_EQ("*Transform, nset=_T-Datum csys-1\n" + Row({"0.", "1.", "0.", "-1.", "0.", "0."}),
            KeywordText(Transform("Rect")));
  // Cylindrical and spherical: the origin, then the origin plus the third
  // axis (not the second).
  EXPECT_EQ(
      "*Transform, nset=_T-Datum csys-1, type=C\n" + Row({"1.", "2.", "3.", "1.", "2.", "4."}),
      KeywordText(Transform("Cyl")));
  EXPECT_EQ(
      "*Transform, nset=_T-Datum csys-1, type=S\n" + Row({"1.", "2.", "3.", "1.", "3.", "3."}),
      KeywordText(Transform("Sph")));
  for (const char* datum : {"Rect", "Cyl", "Sph"})
    EXPECT_TRUE(Transform(datum).Defines()) << datum;
}

TEST_F(aif_TransformTest, UnresolvedOrUnknownDatumLeavesNoTrace) {
  for (const char* datum : {"Missing", "Odd"}) {
    const aif_Transform transform = Transform(datum);
    EXPECT_EQ("", KeywordText(transform)) << datum;
    EXPECT_FALSE(transform.Defines()) << datum;
  }
  EXPECT_EQ("Wrong datum type. Expected CSYS.", aif_test::MessageOf([&] { Transform("Point"); }));
}

}  // namespace
