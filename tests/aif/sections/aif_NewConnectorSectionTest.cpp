// "*Connector Section" of instance, fastener and assembled-fastener
// connectors.
#include "aif/impl/sections/aif_NewConnectorSection.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "AFCInputFileWriter/akw_BuilderComponent.h"
#include "ModKerLow/dtu_DatumCsys.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "aif/model/aif_MeshTestSupport.h"
#include "aif/sections/aif_SectionTestSupport.h"

using aif_section_test::Lines;
using aif_section_test::ThrownText;
using aif_test::KeywordText;

namespace {

struct ConnectorContext {
  ConnectorContext() {
    b.AddPart("P", hst_GridMesh(1, 1, 1));
    b.AddInstance("P-1", "P");
    mesh = std::make_unique<aif_test::MeshContext>(b, false);
  }
  akw_ModelInfo* Info() { return mesh->info.get(); }

  hst_ModelBuilder b;
  std::unique_ptr<aif_test::MeshContext> mesh;
};

kseC_ConnectorSection ConnectorOfType(int assembled, int translational, int rotational,
                                      const char* text) {
  kseC_ConnectorSection section;
  section.SetTypes(assembled, translational, rotational);
  section.SetConnectionTypeText(text);
  return section;
}

dtmC_DatumRef DatumRef(std::initializer_list<cow_String> owners, const char* name) {
  return dtmC_DatumRef{cow_List<cow_String>(owners), name};
}

// The connector section keyword of instance connectors on the wires "Wire-1".
std::string ConnectorText(const kseC_Section& section, const ptoC_ConnectorOrientation& orientation,
                          akw_ModelInfo* info, bool discrete = false) {
  return KeywordText(
      aif_NewConnectorSection("Conn_Sect", "Wire-1-Set-1", &section, orientation, info, discrete));
}

ptoC_ConnectorOrientation WireOrientation() {
  return ptoC_ConnectorOrientation(rgnC_Region("Wire-1", {"Assembly"}));
}

// Files what the assembled-fastener form generates.
class ConnectorTestBuilder : public akw_BuilderComponent {
 public:
  explicit ConnectorTestBuilder(akw_ModelInfo& info) : akw_BuilderComponent(info) {}
  void Build() override {}
  akw_BuilderComponent* Clone() const override { return new ConnectorTestBuilder(*this); }
};

std::string ListText(const akw_KeywordList& list) {
  return aif_test::WrittenText([&](utl_Stream& s) { akw_WriteKeywords(s, list); });
}

}  // namespace

TEST(aif_NewConnectorSection, ConnectionTypeTexts) {
  ConnectorContext context;
  const ptoC_ConnectorOrientation none = WireOrientation();
  const auto typeLine = [&](const kseC_ConnectorSection& section) {
    const std::string text = ConnectorText(section, none, context.Info());
    return text.substr(text.find('\n') + 1);
  };
  // One name is followed by ","; two are joined by ", ".
  EXPECT_EQ(typeLine(ConnectorOfType(1, 0, 0, "Beam")), Lines({"Beam,"}));
  EXPECT_EQ(typeLine(ConnectorOfType(0, 1, 2, "Cartesian + Cardan")), Lines({"Cartesian, Cardan"}));
  // Joined names of assembled types 3, 10 and 8; the first blank only.
  EXPECT_EQ(typeLine(ConnectorOfType(3, 0, 0, "Univ J J")), Lines({"UnivJ J,"}));
  EXPECT_EQ(typeLine(ConnectorOfType(10, 0, 0, "Flex J")), Lines({"FlexJ,"}));
  // (Type 8 always has its values' line.)
  EXPECT_EQ(typeLine(ConnectorOfType(8, 0, 0, "Cv R")), Lines({"Cvr,", "", "0., "}));
  // Projection names shortened: the rotational one wherever it stands twice.
  EXPECT_EQ(typeLine(ConnectorOfType(0, 6, 7, "Projection Cartesian + Projection Flexion-Torsion")),
            Lines({"Proj Cartesian, Proj Flex-Tors"}));
  EXPECT_EQ(typeLine(ConnectorOfType(
                0, 1, 7, "Projection Flexion-Torsion + Projection Flexion-Torsion")),
            Lines({"Proj Flex-Tors, Proj Flex-Tors"}));
}

TEST(aif_NewConnectorSection, KeywordLineBehaviorAndDiscreteFastenerComment) {
  ConnectorContext context;
  kseC_ConnectorSection section = ConnectorOfType(0, 1, 2, "Cartesian + Cardan");
  // No constitutive data: no behaviour to name.
  EXPECT_EQ(ConnectorText(section, WireOrientation(), context.Info()),
            Lines({"*Connector Section, elset=Wire-1-Set-1", "Cartesian, Cardan"}));
  section.SetConstitutiveReferences({1.0, DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX});
  EXPECT_EQ(ConnectorText(section, WireOrientation(), context.Info(), true),
            Lines({"** ", "** @DODOVE, object=discrete fastener",
                   "*Connector Section, elset=Wire-1-Set-1, behavior=Conn_Sect",
                   "Cartesian, Cardan"}));

  // Another section kind fails the type test before anything is written.
  const kseC_Section other;
  EXPECT_EQ(ThrownText(aif_NewConnectorSection("C", "E", &other, WireOrientation(),
                                               context.Info(), false))
                .rfind("Type test failed: the object is not a kseC_ConnectorSection", 0),
            0u);
}

TEST(aif_NewConnectorSection, OrientationLinesNameTheDatumSystems) {
  ConnectorContext context;
  const kseC_ConnectorSection section = ConnectorOfType(0, 1, 2, "Cartesian + Cardan");
  const dtmC_DatumRef first = DatumRef({"P-1"}, "Csys-1");
  const dtmC_DatumRef second = DatumRef({}, "Csys 2");
  const std::string head = "*Connector Section, elset=Wire-1-Set-1\nCartesian, Cardan\n";

  // Two systems; an angle puts the suggested name into the second's.
  ptoC_ConnectorOrientation orientation = WireOrientation();
  orientation.SetFirst(first);
  orientation.SetSecond(second, ptoC_MaterialOrientation::AXIS_2, 30.0, true);
  EXPECT_EQ(ConnectorText(section, orientation, context.Info()),
            head + Lines({"P-1-Csys-1, \"Csys 2_Wire-1-2_\""}));
  // One orientation for both ends.
  orientation.SetOneOrientation(true);
  EXPECT_EQ(ConnectorText(section, orientation, context.Info()), head + Lines({"P-1-Csys-1,"}));
  // The first alone, and the second alone.
  orientation = WireOrientation();
  orientation.SetFirst(first, ptoC_MaterialOrientation::AXIS_1, 15.0, true);
  EXPECT_EQ(ConnectorText(section, orientation, context.Info()),
            head + Lines({"P-1-Csys-1_Wire-1-1_,"}));
  orientation = WireOrientation();
  orientation.SetSecond(second);
  EXPECT_EQ(ConnectorText(section, orientation, context.Info()), head + Lines({", \"Csys 2\""}));
}

TEST(aif_NewConnectorSection, ThirdLineOfTypes8And7) {
  ConnectorContext context;
  ptoC_ConnectorOrientation oriented = WireOrientation();
  oriented.SetFirst(DatumRef({}, "Csys-1"));

  // Type 8 with its second value unset: the first value and ", "; an empty
  // line stands for the missing orientation line.
  kseC_ConnectorSection type8 = ConnectorOfType(8, 0, 0, "Cv R");
  type8.SetType8Values(0.5, DBL_MAX);
  EXPECT_EQ(ConnectorText(type8, WireOrientation(), context.Info()),
            Lines({"*Connector Section, elset=Wire-1-Set-1", "Cvr,", "", "0.5, "}));
  type8.SetType8Values(0.5, 2.0);
  EXPECT_EQ(ConnectorText(type8, oriented, context.Info()),
            Lines({"*Connector Section, elset=Wire-1-Set-1", "Cvr,", "Csys-1,", "0.5, 2."}));

  // Type 7 writes its value only when it is not 1.
  kseC_ConnectorSection type7 = ConnectorOfType(7, 0, 0, "Slip Ring");
  EXPECT_EQ(ConnectorText(type7, WireOrientation(), context.Info()),
            Lines({"*Connector Section, elset=Wire-1-Set-1", "Slip Ring,"}));
  type7.SetType7Value(2.0);
  EXPECT_EQ(ConnectorText(type7, WireOrientation(), context.Info()),
            Lines({"*Connector Section, elset=Wire-1-Set-1", "Slip Ring,", "", "2."}));
  // So does rotational type 6.
  kseC_ConnectorSection rotational6 = ConnectorOfType(0, 1, 6, "Cartesian + Flow-Converter");
  rotational6.SetType7Value(0.25);
  EXPECT_EQ(ConnectorText(rotational6, oriented, context.Info()),
            Lines({"*Connector Section, elset=Wire-1-Set-1", "Cartesian, Flow-Converter",
                   "Csys-1,", "0.25"}));
}

TEST(aif_NewConnectorSection, AssembledFastenersFileEveryOrientationTheyName) {
  ConnectorContext context;
  // The template assembly holds the two datum systems.
  asoK_Assembly templateAssembly("Assembly");
  dtu_DatumCsys csys1(dtu_DatumCsys::kRectangular, {}, {0, 1, 0}, {0, 0, 1}, {1, 0, 0});
  csys1.SetId(5);
  csys1.SetName("Csys-1");
  templateAssembly.FeatureList().Add(csys1);
  dtu_DatumCsys csys2;
  csys2.SetId(6);
  csys2.SetName("Csys-2");
  templateAssembly.FeatureList().Add(csys2);

  const kseC_ConnectorSection section = ConnectorOfType(0, 1, 2, "Cartesian + Cardan");
  aif_InstanceLabelLists labels;
  labels.firstLabels = {1};
  const cow_List<gsl_Matrix> rotations = {gsl_Matrix()};
  ptoC_ConnectorOrientation orientation = WireOrientation();
  orientation.SetFirst(DatumRef({}, "Csys-1"));
  orientation.SetSecond(DatumRef({}, "Csys-2"));

  // The name prefix given starts every name; both ends' orientations and
  // distributions are filed.
  ConnectorTestBuilder builder(*context.Info());
  const aif_NewConnectorSection keyword("Fast_Conn", "Fast_Wires", &section, orientation,
                                        rotations, &templateAssembly, "Assembly", context.Info(),
                                        labels, "Fast_", 3, 0, builder);
  EXPECT_EQ(KeywordText(keyword), Lines({"*Connector Section, elset=Fast_Wires",
                                         "Cartesian, Cardan", "Fast_Orient-1-3, Fast_Orient-2-3"}));
  EXPECT_EQ(
      ListText(builder.AssemblyDefinition()),
      Lines({"*Orientation, definition=COORDINATES, name=Fast_Orient-1-3", "Fast_OriDist-1-3",
             "1, 0.",
             "*Distribution, name=Fast_OriDist-1-3, location=ELEMENT, table=_TM_Dist_Table",
             " ,   0., 1., 0.,   0., 0., 1.",
             "*Orientation, definition=COORDINATES, name=Fast_Orient-2-3", "Fast_OriDist-2-3",
             "1, 0.",
             "*Distribution, name=Fast_OriDist-2-3, location=ELEMENT, table=_TM_Dist_Table",
             " ,   1., 0., 0.,   0., 1., 0."}));

  // The prefix is the one given, not cut from the behaviour name; a first
  // end without a datum takes the global axes, and no second end files
  // nothing more.
  ConnectorTestBuilder second(*context.Info());
  orientation = WireOrientation();
  const aif_NewConnectorSection plain("Conn", "Wires", &section, orientation, rotations,
                                      &templateAssembly, "Assembly", context.Info(), labels,
                                      "Conn", 1, 0, second);
  EXPECT_EQ(KeywordText(plain),
            Lines({"*Connector Section, elset=Wires", "Cartesian, Cardan", "ConnOrient-1-1, "}));
  EXPECT_EQ(ListText(second.AssemblyDefinition()),
            Lines({"*Orientation, definition=COORDINATES, name=ConnOrient-1-1", "ConnOriDist-1-1",
                   "1, 0.",
                   "*Distribution, name=ConnOriDist-1-1, location=ELEMENT, table=_TM_Dist_Table",
                   " ,   1., 0., 0.,   0., 1., 0."}));

  // An empty resolving name only keeps the arguments.
  ConnectorTestBuilder untouched(*context.Info());
  const aif_NewConnectorSection unresolved("Conn", "Wires", &section, orientation, rotations,
                                           &templateAssembly, "", context.Info(), labels,
                                           "Conn", 1, 0, untouched);
  EXPECT_TRUE(untouched.AssemblyDefinition().IsEmpty());
}

TEST(aif_NewConnectorSection, AssembledFastenerDatumThatDoesNotResolveStopsTheWrite) {
  ConnectorContext context;
  asoK_Assembly templateAssembly("Assembly");
  dtu_DatumCsys csys;
  csys.SetId(5);
  csys.SetName("Csys-1");
  templateAssembly.FeatureList().Add(csys);
  const kseC_ConnectorSection section = ConnectorOfType(1, 0, 0, "Beam");
  const cow_List<gsl_Matrix> rotations = {gsl_Matrix()};

  // Either end: the error names the section and the datum, and nothing is
  // filed, not even the first end's keywords.
  for (int end = 0; end < 2; ++end) {
    ptoC_ConnectorOrientation orientation = WireOrientation();
    orientation.SetFirst(DatumRef({}, end == 0 ? "Missing" : "Csys-1"));
    if (end == 1) orientation.SetSecond(DatumRef({"Inst"}, "Missing"));
    ConnectorTestBuilder builder(*context.Info());
    EXPECT_EQ(aif_test::MessageOf([&] {
                aif_NewConnectorSection("Fast_Conn", "Fast_Wires", &section, orientation,
                                        rotations, &templateAssembly, "Assembly", context.Info(),
                                        {}, "Fast_", 1, 0, builder);
              }),
              end == 0 ? "The connector orientation of section Fast_Conn names the datum Missing, "
                         "which is not a datum coordinate system of the model."
                       : "The connector orientation of section Fast_Conn names the datum "
                         "Inst-Missing, which is not a datum coordinate system of the model.");
    EXPECT_TRUE(builder.AssemblyDefinition().IsEmpty());
  }
}

// The builder gives the first connector element's label: the rows of the
// distribution count on from it, whatever the model info numbered since.
TEST(aif_NewConnectorSection, AssembledFastenerDistributionRowsFromTheFirstElement) {
  ConnectorContext context;
  asoK_Assembly templateAssembly("Assembly");
  const kseC_ConnectorSection section = ConnectorOfType(0, 1, 0, "Cartesian");
  // The second element turned a quarter about z: its axes differ.
  const cow_List<gsl_Matrix> rotations = {
      gsl_Matrix(), gsl_Matrix::AxisRotation({0, 0, 0}, {0, 0, 1}, M_PI / 2)};
  ConnectorTestBuilder builder(*context.Info());
  const aif_NewConnectorSection keyword("Conn", "Wires", &section, WireOrientation(), rotations,
                                        &templateAssembly, "Assembly", context.Info(), {},
                                        "AF_1_", 1, 7, builder);
  EXPECT_EQ(ListText(builder.AssemblyDefinition()),
            Lines({"*Orientation, definition=COORDINATES, name=AF_1_Orient-1-1",
                   "AF_1_OriDist-1-1", "1, 0.",
                   "*Distribution, name=AF_1_OriDist-1-1, location=ELEMENT, table=_TM_Dist_Table",
                   " ,   1., 0., 0.,   0., 1., 0.", "8,   0., 1., 0.,   -1., 0., 0."}));
}
