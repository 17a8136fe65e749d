// Datum coordinate systems: the two-point definition and the CS_DEF lines.
#include <memory>
#include <string>

#include "AttributesIntObj/asoK_Assembly.h"
#include "HostModules/hst_ModelBuilder.h"
#include "aif/impl/model/aif_DatumCsys.h"
#include "aif_MeshTestSupport.h"

namespace {

using aif_test::Row;
using aif_test::WrittenText;

// A part of one unit brick (its box is sqrt(3) across) with its datums.
std::shared_ptr<ptoK_Part> MakePart() {
  auto part = std::make_shared<ptoK_Part>("Part-1");
  part->SetMesh(hst_GridMesh(1, 1, 1));
  unsigned id = 0;
  auto add = [&](const char* name, dtu_Datum&& datum) {
    datum.SetId(++id);
    datum.SetName(name);
    part->FeatureList().Add(datum);
  };
  add("Global", dtu_DatumCsys());
  add("Rect", dtu_DatumCsys(1, {5, 5, 5}, {1, 1e-15, 1e-14}, {0, 1, 0}, {0, 0, 1}));
  add("Cyl", dtu_DatumCsys(2, {1, 2, 3}, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1}));
  add("Sph", dtu_DatumCsys(3, {1, 2, 3}, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}));
  add("Odd", dtu_DatumCsys(7, {}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}));
  add("Point", dtu_Datum());
  return part;
}

const std::shared_ptr<ptoK_Part>& Part() {
  static const std::shared_ptr<ptoK_Part> part = MakePart();
  return part;
}

aif_DatumCsys Csys(const char* name, const gsl_Matrix& transform = gsl_Matrix()) {
  return aif_DatumCsys(Part().get(), "Model-1", {{"Part-1"}, name}, transform);
}

std::string Definition(const aif_DatumCsys& csys, bool transformStyle) {
  return WrittenText([&](utl_Stream& s) {
    EXPECT_EQ(csys.IsValid(), csys.WriteDefinition(s, "*Transform, nset=N", transformStyle));
  });
}

TEST(aif_DatumCsys, DefinitionByKind) {
  // Rectangular: no option, the two axes; 1e-15 is below 1e-15 * sqrt(3).
  EXPECT_EQ("*Transform, nset=N\n" + Row({"1.", "0.", "1.e-14", "0.", "1.", "0."}),
            Definition(Csys("Rect"), true));
  EXPECT_EQ("*Transform, nset=N, type=C\n" + Row({"1.", "2.", "3.", "1.", "2.", "4."}),
            Definition(Csys("Cyl"), true));
  // Moved by a quarter turn about z: the cosine's rounding noise prints as 0.
  const gsl_Matrix turn = gsl_Matrix::AxisRotation({}, {0, 0, 1}, 3.141592653589793 / 2);
  EXPECT_EQ("*Transform, nset=N, system=SPHERICAL\n" + Row({"-2.", "1.", "3.", "-3.", "1.", "3."}),
            Definition(Csys("Sph", turn), false));
  // Named through an instance: moved by the instance's transform.
  asoK_Assembly assembly;
  asoF_PartInstance instance;
  instance.SetId(1);
  instance.SetName("Inst-1");
  instance.SetPart(Part());
  instance.SetTransform(gsl_Matrix::Translation({10, 0, 0}));
  assembly.FeatureList().Add(instance);
  EXPECT_EQ(
      "*Transform, nset=N, type=C\n" + Row({"11.", "2.", "3.", "11.", "2.", "4."}),
      Definition(aif_DatumCsys(&assembly, "Model-1", {{"Inst-1"}, "Cyl"}, gsl_Matrix()), true));
}

TEST(aif_DatumCsys, CsDefLines) {
  auto csDef = [](const aif_DatumCsys& csys) {
    return WrittenText([&](utl_Stream& s) { EXPECT_TRUE(csys.WriteCsDef(s, "CS_DEF\n")); });
  };
  const std::string fixed = "  DEF_TYPE = LOCAL\n  CS_REF = CS_0\n  ORIGIN_123 = ";
  EXPECT_EQ("CS_DEF\n  CS_TYPE = RECTANGULAR\n" + fixed + Row({"0.", "0.", "0."}) +
                "  ROTATION_321 = " + Row({"0.", "0.", "0."}),
            csDef(Csys("Global")));
  EXPECT_EQ("CS_DEF\n  CS_TYPE = CYLINDRICAL\n" + fixed + Row({"1.", "2.", "3."}) +
                "  ROTATION_321 = " + Row({"90.", "0.", "0."}),
            csDef(Csys("Cyl")));
}

TEST(aif_DatumCsys, NothingIsWrittenForAMissingOrUnknownSystem) {
  // An unknown kind writes no header: the next keyword would run into it.
  for (const char* name : {"Missing", "Odd"}) {
    const aif_DatumCsys csys = Csys(name);
    EXPECT_EQ("", WrittenText([&](utl_Stream& s) {
                EXPECT_FALSE(csys.WriteDefinition(s, "*Orientation, name=A", false));
                EXPECT_FALSE(csys.WriteCsDef(s, "CS_DEF\n"));
              }));
  }
  EXPECT_EQ("Wrong datum type. Expected CSYS.", aif_test::MessageOf([] { Csys("Point"); }));
}

}  // namespace
