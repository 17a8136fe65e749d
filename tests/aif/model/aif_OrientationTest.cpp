// "*Orientation" in its forms: user, distribution, global axes, named system
// and datum system, with the additional rotation line.
#include <string>

#include "ModKerLow/dtu_DatumCsys.h"
#include "ModKerLow/ptoK_Part.h"
#include "QivBasicUtils/nex_Exception.h"
#include "aif/impl/model/aif_Orientation.h"
#include "aif_MeshTestSupport.h"

namespace {

using aif_test::KeywordText;
using Axis = ptoC_MaterialOrientation;

class aif_OrientationTest : public ::testing::Test {
 protected:
  aif_OrientationTest() {
    dtu_DatumCsys csys(2, {1, 2, 3}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1});
    csys.SetId(1);
    csys.SetName("Cyl");
    part_.FeatureList().Add(csys);
    dtu_Datum point;
    point.SetId(2);
    point.SetName("Point");
    part_.FeatureList().Add(point);
  }
  // A material orientation of `kind`, turned 30 degrees about axis 3.
  static ptoC_MaterialOrientation Material(int kind, const char* datum = "") {
    ptoC_MaterialOrientation m;
    m.SetDefinitionKind(kind);
    m.SetDatumRef({{}, datum});
    m.SetFieldName("Ori field");
    m.SetAxis(Axis::AXIS_3);
    m.SetAdditionalRotation(Axis::kRotationAngle, 30, "");
    return m;
  }
  std::string FromMaterial(const ptoC_MaterialOrientation& m, int system, bool local,
                           const gsl_Matrix& transform = gsl_Matrix()) {
    return KeywordText(
        aif_Orientation(&part_, m, "Model-1", "Ori-1", transform, system, local, "Part 1", "Dist"));
  }

  ptoK_Part part_{"Part-1"};
};

TEST_F(aif_OrientationTest, FormsWithoutADatum) {
  EXPECT_EQ("*Orientation, name=Ori-3, system=user\n", KeywordText(aif_Orientation("Ori-3")));
  EXPECT_EQ("*Orientation, definition=COORDINATES, name=Ori-1\nDist-1\n1, 0.\n",
            KeywordText(aif_Orientation("Ori-1", "Dist-1")));
  EXPECT_EQ("", KeywordText(aif_Orientation("")));
  // Global axes, with the system option although the axes are rectangular.
  EXPECT_EQ("*Orientation, name=Ori-1, system=CYLINDRICAL\n1., 0., 0., 0., 1., 0.\n3, 30.\n",
            FromMaterial(Material(0), 2, true));
  // A null datum reference gives the global axes too.
  EXPECT_EQ("*Orientation, name=Ori-2, system=RECTANGULAR\n1., 0., 0., 0., 1., 0.\n",
            KeywordText(aif_Orientation(&part_, {}, "Model-1", "Ori-2", false, 0, Axis::AXIS_1)));
  // Named systems: prefixed unless names are local, always printable.
  EXPECT_EQ("*Orientation, name=Ori-1, system=RECTANGULAR\n\"Part 1_Dist\"\n3, 30.\n",
            FromMaterial(Material(4), 3, false));
  ptoC_MaterialOrientation byField = Material(2);
  byField.SetAdditionalRotation(Axis::kRotationField, 0, "Angles");
  EXPECT_EQ("*Orientation, name=Ori-1\n\"Part 1_Ori field\"\n3, \"Part 1_Angles\"\n",
            FromMaterial(byField, 0, false));
  // The distributions the fields' uses were given replace the fields' own
  // names, prefixed the same way.
  const aif_Orientation::FieldDistributions given{"Angles-1", "Ori field-2"};
  EXPECT_EQ("*Orientation, name=Ori-1\n\"Part 1_Ori field-2\"\n3, \"Part 1_Angles-1\"\n",
            KeywordText(aif_Orientation(&part_, byField, "Model-1", "Ori-1", gsl_Matrix(), 0,
                                        false, "Part 1", "Dist", given)));
  EXPECT_EQ("*Orientation, name=Ori-1\n\"Ori field-2\"\n3, Angles-1\n",
            KeywordText(aif_Orientation(&part_, byField, "Model-1", "Ori-1", gsl_Matrix(), 0,
                                        true, "Part 1", "Dist", given)));
  // A raw instance name in a flat file's name is quoted; a control
  // character cannot be written.
  EXPECT_EQ("*Orientation, name=\"Inst 1-Ori-3\", system=user\n",
            KeywordText(aif_Orientation("Inst 1-Ori-3")));
  EXPECT_THROW(KeywordText(aif_Orientation("Ori\n*Step")), nex_TextException);
}

TEST_F(aif_OrientationTest, DatumForms) {
  const dtmC_DatumRef cyl{{}, "Cyl"};
  const std::string header = "*Orientation, name=Ori-1, system=CYLINDRICAL\n";
  EXPECT_EQ(header + aif_test::Row({"1.", "2.", "3.", "1.", "2.", "4."}) + "2, \"My angle\"\n",
            KeywordText(aif_Orientation(&part_, cyl, "Model-1", "Ori-1", true, 45, Axis::AXIS_2,
                                        "My angle")));
  // The transform form always ends with a turn of 0 about axis 1.
  const std::string moved = header + aif_test::Row({"1.", "2.", "4.", "1.", "2.", "5."});
  EXPECT_EQ(moved + "1, 0.\n", KeywordText(aif_Orientation(&part_, cyl, "Model-1", "Ori-1",
                                                           gsl_Matrix::Translation({0, 0, 1}))));
  EXPECT_EQ(moved + "3, 30.\n",
            FromMaterial(Material(1, "Cyl"), 1, true, gsl_Matrix::Translation({0, 0, 1})));

  // A datum that cannot be evaluated, or a kind without a definition line:
  // nothing at all, not even a rotation line.
  EXPECT_EQ("",
            KeywordText(aif_Orientation(&part_, {{}, "Gone"}, "Model-1", "Ori-1", gsl_Matrix())));
  EXPECT_EQ("", FromMaterial(Material(9), 1, true));
  EXPECT_EQ("Wrong datum type. Expected CSYS.", aif_test::MessageOf([&] {
              aif_Orientation(&part_, {{}, "Point"}, "Model-1", "Ori-1", gsl_Matrix());
            }));
}

TEST_F(aif_OrientationTest, ReferencesNameWhatTheKeywordLineWrites) {
  // A referring keyword takes the printable name, and none where nothing is
  // written.
  struct Case {
    aif_Orientation orientation;
    bool defines;
    const char* written;
  };
  const Case cases[] = {
      {aif_Orientation("My Inst-1-Ori-1-RotaryI"), true, "\"My Inst-1-Ori-1-RotaryI\""},
      {aif_Orientation("Ori-1", "Dist-1"), true, "Ori-1"},
      {aif_Orientation(""), false, ""},
      {aif_Orientation(&part_, Material(1, "Cyl"), "Model-1", "Inst,1-Ori", gsl_Matrix(), 0, true,
                       "", ""),
       true, "\"Inst,1-Ori\""},
      {aif_Orientation(&part_, Material(1, "Gone"), "Model-1", "Ori-1", gsl_Matrix(), 0, true, "",
                       ""),
       false, "Ori-1"},
      {aif_Orientation(&part_, Material(1), "Model-1", "Ori-1", gsl_Matrix(), 0, true, "", ""),
       true, "Ori-1"},  // no datum named: the global axes
      {aif_Orientation(&part_, Material(9), "Model-1", "Ori-1", gsl_Matrix(), 0, true, "", ""),
       false, "Ori-1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    EXPECT_EQ(c.defines, c.orientation.Defines());
    EXPECT_EQ(c.written, c.orientation.WrittenName().Str());
    const std::string text = KeywordText(c.orientation);
    // Defines() says whether the keyword writes; its line carries the name.
    EXPECT_EQ(c.defines, !text.empty()) << text;
    const std::string header = text.substr(0, text.find('\n'));
    if (c.defines) {
      EXPECT_NE(std::string::npos, header.find(std::string("name=") + c.written));
    }
  }
}

}  // namespace
