// What the part attributes take from fields, as the deck shows it: a
// section names only a thickness or offset distribution the deck defines,
// each under a name of its own, and every scope writes its own nodal
// thickness rows once.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "AFCInputFileWriter/akw_DiscreteField.h"
#include "AttributesGuiCommon/ajbC_CheckingMessages.h"
#include "HostModules/hst_ModelBuilder.h"
#include "ModKerLow/ptoC_MaterialOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "OdbAttrEO/kfdC_AnalyticalField.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"
#include "OdbAttrEO/kseC_OtherSections.h"
#include "OdbAttrEO/kseC_SolidShellSections.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/core/aif_ModelInfo.h"
#include "aif/sections/aif_SectionTestSupport.h"
#include "support/aif_DeckTestSupport.h"
#include "support/aif_MaterialTestSupport.h"

namespace {

// Two shells side by side (nodes 1 to 6; element 1 on nodes 1 2 5 4... as
// the mesh lists them), part "Sheet".
std::shared_ptr<bme_Mesh> TwoShells() {
  return hst_Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 2, 0, 0, 2, 1, 0}, "S4R", 4,
                  {0, 1, 2, 3, 1, 4, 5, 2});
}

// A picked region of shell `element` of the instances 1 and 2, with the
// nodes `nodes`.
rgnC_Region Shell(const char* name, int element, const cow_List<int>& nodes) {
  rgnC_Region region(name, {"Sheet"});
  region.SetPicked(true);
  for (int id : {1, 2}) {
    region.SetKernelElementIndices(id, {element});
    region.SetKernelNodeIndices(id, nodes);
  }
  return region;
}

kseC_HomogenousShellSection ShellSection(int type, const char* field) {
  kseC_HomogenousShellSection section;
  section.thickness = 0.1;
  section.material = "Steel";
  section.thicknessType = type;
  section.thicknessField = field;
  return section;
}

// The deck of `b`, part-based or flat, and the discrete-field records of the
// write.
struct Written {
  std::string deck;
  cow_List<akw_DiscreteField> uses;
};

Written Write(hst_ModelBuilder b, bool flat = false) {
  if (flat) b.Assembly().SetRequiresFlatInputFile(true);
  const aif_test::TempDeck file("aif_PartAttributesFieldsTest");
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  EXPECT_TRUE(builder.WriteInputFile(file.Path(), false, true));
  return {aif_test::ReadFile(file.Path()), info.DiscreteFieldUses()};
}

// Whether `deck` holds `lines` one after the other, whole.
::testing::AssertionResult Holds(const std::string& deck, const std::string& lines) {
  if (deck.find("\n" + lines) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no\n" << lines << "in\n" << deck;
}

using aif_section_test::Between;

}  // namespace

TEST(aif_PartAttributesFields, NodeThicknessFieldOverTwoInstancesOfOnePart) {
  hst_ModelBuilder b;
  b.AddPart("Sheet", TwoShells());
  b.AddSection("Thick", ShellSection(2, "NT"));
  b.AddPartAttribute("Sheet", ptoC_SectionAssignment(Shell("R", 0, {0, 1, 2, 3}), "Thick"));
  kfdC_DiscreteField nt;
  nt.SetLocation(kfdC_DiscreteField::kNodes);
  nt.SetDefaultValues({1.0});
  kfdC_DataTable one("Sheet-1"), two("Sheet-2");
  one.AddDomainValue(1, 0.5);
  two.AddDomainValue(1, 0.7);
  nt.AddDataTable(one);
  nt.AddDataTable(two);
  b.AddDiscreteField("NT", nt);
  b.AddInstance("Sheet-1", "Sheet");
  b.AddInstance("Sheet-2", "Sheet");

  // Each instance its own row of node 1; the section asks for the nodal
  // thickness instead of naming a distribution.
  const std::string partBased = Write(b).deck;
  EXPECT_EQ(std::string::npos, partBased.find("shell thickness=")) << partBased;
  const std::string first = Between(partBased, "*Instance, name=Sheet-1", "*End Instance");
  const std::string second = Between(partBased, "*Instance, name=Sheet-2", "*End Instance");
  EXPECT_TRUE(Holds(first, "*Shell Section, elset=R, material=Steel, nodal thickness\n1., 5\n"));
  EXPECT_TRUE(Holds(first, "*Nodal Thickness\n1, 0.5\n*End") ||
              Holds(first + "*End", "*Nodal Thickness\n1, 0.5\n*End"));
  EXPECT_TRUE(Holds(second + "*End", "*Nodal Thickness\n1, 0.7\n*End"));

  // Flat: the second instance's nodes are written from 7 on.
  const std::string flat = Write(b, true).deck;
  EXPECT_TRUE(Holds(flat, "*Shell Section, elset=Sheet-1_R, material=Steel, nodal thickness\n"));
  EXPECT_TRUE(Holds(flat, "*Nodal Thickness\n1, 0.5\n"));
  EXPECT_TRUE(Holds(flat, "*Nodal Thickness\n7, 0.7\n"));
  EXPECT_EQ(std::string::npos, flat.find("shell thickness=")) << flat;
}

TEST(aif_PartAttributesFields, ADroppedThicknessFieldIsNotNamedBySection) {
  hst_ModelBuilder b;
  b.AddPart("Sheet", TwoShells());
  kfdC_MappedField broken;
  broken.failure = "No source data.";
  dynamic_cast<mdl_MapString2ObjCow<kfdC_AnalyticalField>&>(
      b.MutableModel().MutableExtension(bas_NewModel::analyticalFieldCmd))
      .Set("Broken", broken);
  b.AddSection("ByBroken", ShellSection(1, "Broken"));
  kseC_MembraneSection membrane;
  membrane.material = "Steel";
  membrane.thickness = 0.2;
  membrane.thicknessType = 1;
  membrane.thicknessField = "Nowhere";
  b.AddSection("ByNowhere", membrane);
  b.AddPartAttribute("Sheet", ptoC_SectionAssignment(Shell("R1", 0, {0, 1, 2, 3}), "ByBroken"));
  b.AddPartAttribute("Sheet", ptoC_SectionAssignment(Shell("R2", 1, {1, 4, 5, 2}), "ByNowhere"));
  b.AddInstance("Sheet-1", "Sheet");
  ajbC_CheckingMessages::Instance().Messages().Clear();
  const std::string deck = Write(b).deck;
  // The messages say the thickness is dropped; the sections keep their own
  // thickness and name no distribution.
  EXPECT_EQ(2u, ajbC_CheckingMessages::Instance().Messages().Length());
  ajbC_CheckingMessages::Instance().Messages().Clear();
  EXPECT_TRUE(Holds(deck, "*Shell Section, elset=R1, material=Steel\n0.1, 5\n"));
  EXPECT_TRUE(Holds(deck, "*Membrane Section, elset=R2, material=Steel\n0.2, \n"));
}

TEST(aif_PartAttributesFields, AMappingNoteIsAWarningAndTheThicknessIsKept) {
  hst_ModelBuilder b;
  b.AddPart("Sheet", TwoShells());
  kfdC_MappedField noted;
  noted.values.Set(0, 0.3);
  noted.note = "Mapped with 1 of 4 points outside.";
  dynamic_cast<mdl_MapString2ObjCow<kfdC_AnalyticalField>&>(
      b.MutableModel().MutableExtension(bas_NewModel::analyticalFieldCmd))
      .Set("Noted", noted);
  b.AddSection("ByNoted", ShellSection(1, "Noted"));
  b.AddPartAttribute("Sheet", ptoC_SectionAssignment(Shell("R1", 0, {0, 1, 2, 3}), "ByNoted"));
  b.AddInstance("Sheet-1", "Sheet");
  ajbC_CheckingMessages::Instance().Messages().Clear();
  ajbC_CheckingMessages::Instance().Warnings().Clear();
  const std::string deck = Write(b).deck;
  EXPECT_TRUE(ajbC_CheckingMessages::Instance().Messages().IsEmpty());
  const cow_List<atr_String>& warnings = ajbC_CheckingMessages::Instance().Warnings();
  ASSERT_EQ(1u, warnings.Length());
  EXPECT_EQ("Mapped with 1 of 4 points outside.", warnings[0].Str());
  ajbC_CheckingMessages::Instance().Warnings().Clear();
  EXPECT_TRUE(Holds(deck, "*Shell Section, elset=R1, material=Steel, shell thickness=Noted\n"))
      << deck;
}

TEST(aif_PartAttributesFields, AdjacentGeometryThicknessesGiveSharedNodesOnce) {
  hst_ModelBuilder b;
  b.AddPart("Sheet", TwoShells());
  b.AddSection("Thin", ShellSection(0, ""));
  // Nodes 2 and 3 (indices 1, 2) belong to both shells; the second region's
  // values for them are not written again.
  rgnC_Region left = Shell("Left", 0, {0, 1, 2, 3});
  left.SetKernelThicknesses({0, 1, 2, 3}, {0.1, 0.2, 0.3, 0.4});
  rgnC_Region right = Shell("Right", 1, {1, 4, 5, 2});
  right.SetKernelThicknesses({1, 4, 5, 2}, {0.9, 0.5, 0.6, 0.9});
  for (const rgnC_Region& region : {left, right}) {
    ptoC_SectionAssignment assignment(region, "Thin");
    assignment.SetThicknessAssignment(ptoC_SectionAssignment::kThicknessFromGeometry);
    b.AddPartAttribute("Sheet", assignment);
  }
  b.AddInstance("Sheet-1", "Sheet");
  const std::string deck = Write(b).deck;
  const std::string description = "** Description: Nodal thickness determined from geometry\n";
  EXPECT_TRUE(Holds(deck, "*Nodal Thickness\n" + description + "1, 0.1\n2, 0.2\n3, 0.3\n4, 0.4\n"));
  EXPECT_TRUE(Holds(deck, "*Nodal Thickness\n" + description + "5, 0.5\n6, 0.6\n"));
}

TEST(aif_PartAttributesFields, AnInstanceNamedLikeAPartKeepsItsOwnRecords) {
  // Part "P" placed twice lightweight; part "Q" placed as an ordinary
  // instance named "P", whose offset comes from discrete field Off.
  hst_ModelBuilder b;
  b.AddPart("P", TwoShells());
  b.AddPart("Q", TwoShells());
  b.AddSection("Thin", ShellSection(0, ""));
  rgnC_Region region("All", {"Q"});
  region.SetKernelElementIndices(1, {0, 1});
  ptoC_SectionAssignment offset(region, "Thin");
  offset.SetOffset(5, 0.0, "Off");
  b.AddPartAttribute("Q", offset);
  kfdC_DiscreteField off;
  off.SetDefaultValues({0.5});
  kfdC_DataTable rows("P");
  rows.AddDomainValue(2, 0.25);
  off.AddDataTable(rows);
  b.AddDiscreteField("Off", off);
  b.AddInstance("P", "Q");
  b.AddInstance("P-1", "P", {.lightweight = true});
  b.AddInstance("P-2", "P", {.lightweight = true});
  const Written written = Write(b);
  ASSERT_EQ(1u, written.uses.Length());
  EXPECT_EQ("P", written.uses[0].owner.Str());
  EXPECT_EQ(akw_DiscreteField::kInstance, written.uses[0].ownerKind);
  ASSERT_EQ(1u, written.uses[0].users.Length());
  EXPECT_EQ("P", written.uses[0].users[0].Str());
  EXPECT_TRUE(Holds(written.deck,
                    "*Distribution, name=Off, location=ELEMENT, Table=Off_Table\n,    0.5\n"
                    "2, 0.25\n"));
}

TEST(aif_PartAttributesFields, NamesGivenTwiceGetTheirOwn) {
  kfdC_ExpressionField linear;
  linear.constant = 1.0;
  linear.gradient = {1.0, 0.0, 0.0};
  auto model = [&](const char* first, const char* second, bool offset) {
    hst_ModelBuilder b;
    b.AddPart("Sheet", TwoShells());
    auto& analytical = dynamic_cast<mdl_MapString2ObjCow<kfdC_AnalyticalField>&>(
        b.MutableModel().MutableExtension(bas_NewModel::analyticalFieldCmd));
    for (const char* name : {"F", "Rho", "Steel_Rho"})
      analytical.Set(name, linear);
    kfdC_DiscreteField f;
    f.SetDefaultValues({0.5});
    b.AddDiscreteField("F", f);
    b.AddSection("First", ShellSection(1, first));
    b.AddSection("Second", ShellSection(offset ? 0 : 1, second));
    b.AddPartAttribute("Sheet", ptoC_SectionAssignment(Shell("R1", 0, {0, 1, 2, 3}), "First"));
    ptoC_SectionAssignment other(Shell("R2", 1, {1, 4, 5, 2}), "Second");
    if (offset) other.SetOffset(5, 0.0, second);
    b.AddPartAttribute("Sheet", other);
    b.AddInstance("Sheet-1", "Sheet");
    kmaC_Material steel;
    auto density = aif_test::Option<kmaC_Density>({{7.8}});
    density.densityKind = 1;
    density.fieldName = "Rho";
    steel.density = aif_test::Handle(density);
    b.AddMaterial("Steel", steel);
    return b;
  };
  // Analytical field F gives shell 1 its thickness, discrete field F gives
  // shell 2 its offset: the discrete field keeps its name, whoever asks
  // first.
  const std::string fields = Write(model("F", "F", true)).deck;
  EXPECT_TRUE(Holds(fields, "*Shell Section, elset=R1, material=Steel, shell thickness=F-1\n"));
  EXPECT_TRUE(Holds(fields, "*Distribution, name=F-1, location=ELEMENT, Table=F-1_Table\n"));
  EXPECT_TRUE(Holds(fields, "*Shell Section, elset=R2, material=Steel, offset=F\n"));
  EXPECT_TRUE(Holds(fields, "*Distribution, name=F, location=ELEMENT, Table=F_Table\n"));
  EXPECT_TRUE(Holds(fields, "*Distribution Table, name=F-1_Table\nlength\n"));
  EXPECT_TRUE(Holds(fields, "*Distribution Table, name=F_Table\nratio\n"));
  // The thickness field Steel_Rho beside material Steel's density from Rho:
  // the density, asked for later, takes Steel_Rho-1.
  const std::string density = Write(model("Steel_Rho", "F", false)).deck;
  EXPECT_TRUE(
      Holds(density, "*Shell Section, elset=R1, material=Steel, shell thickness=Steel_Rho\n"));
  EXPECT_TRUE(Holds(density, "*Density\nASSEMBLY_Steel_Rho-1\n"));
  EXPECT_TRUE(Holds(density,
                    "*Distribution, name=Steel_Rho-1, location=ELEMENT, "
                    "Table=Steel_Rho-1_Table\n"));
  // Shell 2 from analytical field F beside the unused discrete field F.
  EXPECT_TRUE(Holds(density, "*Shell Section, elset=R2, material=Steel, shell thickness=F-1\n"));
}

TEST(aif_PartAttributesFields, AnglesAndPliesNameTheirUsesDistribution) {
  // Discrete field F gives shell R1 its offset ("ratio", first: it takes
  // F) and the shell R2 the angle of its orientation and of its ply
  // ("angle", F-1); field Axes gives that orientation its axes.
  hst_ModelBuilder b;
  b.AddPart("Sheet", TwoShells());
  kfdC_DiscreteField f;
  f.SetDefaultValues({0.5});
  b.AddDiscreteField("F", f);
  kfdC_DiscreteField axes;
  axes.SetComponentCount(6);
  axes.SetDefaultValues({1, 0, 0, 0, 1, 0});
  b.AddDiscreteField("Axes", axes);
  b.AddSection("Plain", ShellSection(0, ""));
  kseC_CompositeShellSection plies;
  plies.thicknessType = 0;
  kseC_Layer ply;
  ply.thickness = 0.2;
  ply.material = "Steel";
  ply.additionalRotationKind = 2;
  ply.rotationDistribution = "F";
  plies.layers.Append(ply);
  b.AddSection("Plies", plies);
  ptoC_SectionAssignment first(Shell("R1", 0, {0, 1, 2, 3}), "Plain");
  first.SetOffset(5, 0.0, "F");
  b.AddPartAttribute("Sheet", first);
  b.AddPartAttribute("Sheet", ptoC_SectionAssignment(Shell("R2", 1, {1, 4, 5, 2}), "Plies"));
  ptoC_MaterialOrientation turned;
  turned.SetRegion(Shell("R2", 1, {1, 4, 5, 2}));
  turned.SetDefinitionKind(ptoC_MaterialOrientation::kField);
  turned.SetFieldName("Axes");
  turned.SetAxis(ptoC_MaterialOrientation::AXIS_3);
  turned.SetAdditionalRotation(ptoC_MaterialOrientation::kRotationField, 0.0, "F");
  b.AddPartAttribute("Sheet", turned);
  b.AddInstance("Sheet-1", "Sheet");
  const std::string deck = Write(b).deck;
  EXPECT_TRUE(Holds(deck, "*Shell Section, elset=R1, material=Steel, offset=F\n"));
  EXPECT_TRUE(Holds(deck, "*Orientation, name=Ori-Axes\nAxes\n3, F-1\n"));
  EXPECT_TRUE(Holds(deck, "0.2, 3, Steel, F-1\n"));
  EXPECT_TRUE(Holds(deck, "*Distribution, name=F, location=ELEMENT, Table=F_Table\n"));
  EXPECT_TRUE(Holds(deck, "*Distribution, name=F-1, location=ELEMENT, Table=F-1_Table\n"));
  EXPECT_TRUE(Holds(deck, "*Distribution Table, name=F-1_Table\nangle\n"));
}

TEST(aif_PartAttributesFields, GeometryDistributionsNameOnlyWhatTheDeckDefines) {
  // Part `Part"1` placed once, flat: shell Left takes its offset from the
  // geometry, membrane Right (thickness from a field) its thickness.
  hst_ModelBuilder b;
  b.AddPart("Part\"1", TwoShells());
  b.AddSection("Thin", ShellSection(0, ""));
  kseC_MembraneSection membrane;
  membrane.material = "Steel";
  membrane.thickness = 0.2;
  membrane.thicknessType = 1;
  membrane.thicknessField = "Gauge";
  b.AddSection("Skin", membrane);
  const auto shell = [](const char* name, int element, const cow_List<int>& nodes) {
    rgnC_Region region(name, {"Part\"1"});
    region.SetPicked(true);
    region.SetKernelElementIndices(1, {element});
    region.SetKernelNodeIndices(1, nodes);
    return region;
  };
  rgnC_Region left = shell("Left", 0, {0, 1, 2, 3});
  left.SetKernelOffsets({0}, {0.5});
  rgnC_Region right = shell("Right", 1, {1, 4, 5, 2});
  right.SetKernelThicknesses({1, 4, 5, 2}, {0.9, 0.5, 0.6, 0.9});
  ptoC_SectionAssignment offset(left, "Thin");
  offset.SetOffset(6);
  b.AddPartAttribute("Part\"1", offset);
  ptoC_SectionAssignment thick(right, "Skin");
  thick.SetThicknessAssignment(ptoC_SectionAssignment::kThicknessFromGeometry);
  b.AddPartAttribute("Part\"1", thick);
  b.AddInstance("Sheet-1", "Part\"1");
  const std::string deck = Write(b, true).deck;
  // The part's quote does not reach the names made from it.
  EXPECT_TRUE(Holds(deck,
                    "*Distribution, name=Sheet-1_Offset_Part1_1, location=ELEMENT, "
                    "Table=Sheet-1_Offset_Part1_1_Table\n"
                    "** Description: Offset determined from geometry\n,     0.\n1, 0.5\n"));
  EXPECT_TRUE(Holds(deck,
                    "*Shell Section, elset=Sheet-1_Left, material=Steel, "
                    "offset=Sheet-1_Offset_Part1_1\n0.1, 5\n"));
  EXPECT_TRUE(Holds(deck, "*Distribution Table, name=Sheet-1_Offset_Part1_1_Table\nratio\n"));
  // The membrane's thickness is the nodal rows; it names no distribution.
  EXPECT_TRUE(Holds(deck,
                    "*Nodal Thickness\n** Description: Nodal thickness determined from geometry\n"
                    "2, 0.9\n5, 0.5\n6, 0.6\n3, 0.9\n"));
  EXPECT_TRUE(Holds(deck, "*Membrane Section, elset=Sheet-1_Right, material=Steel\n0.2, \n"));
}

TEST(aif_PartAttributesFields, GroupsOfOneAssignmentGiveItsNodalThicknessOnce) {
  // Nodal thickness from discrete field NT over both shells; an orientation
  // on shell 2 splits the assignment into two groups.
  hst_ModelBuilder b;
  b.AddPart("Sheet", TwoShells());
  b.AddSection("Thick", ShellSection(4, "NT"));
  rgnC_Region both("R", {"Sheet"});
  both.SetPicked(true);
  both.SetKernelElementIndices(1, {0, 1});
  both.SetKernelNodeIndices(1, {0, 1, 2, 3, 4, 5});
  b.AddPartAttribute("Sheet", ptoC_SectionAssignment(both, "Thick"));
  ptoC_MaterialOrientation user;
  user.SetRegion(Shell("Right", 1, {1, 4, 5, 2}));
  user.SetDefinitionKind(ptoC_MaterialOrientation::kUser);
  b.AddPartAttribute("Sheet", user);
  kfdC_DiscreteField nt;
  nt.SetLocation(kfdC_DiscreteField::kNodes);
  nt.SetDefaultValues({1.0});
  kfdC_DataTable values;
  values.AddDomainValue(2, 0.5);
  nt.AddDataTable(values);
  b.AddDiscreteField("NT", nt);
  b.AddInstance("Sheet-1", "Sheet");
  for (bool flat : {false, true}) {
    const std::string deck = Write(b, flat).deck;
    const std::size_t first = deck.find("*Nodal Thickness\n");
    EXPECT_NE(std::string::npos, first) << deck;
    EXPECT_EQ(std::string::npos, deck.find("*Nodal Thickness\n", first + 1)) << deck;
    EXPECT_TRUE(Holds(deck, "*Nodal Thickness\n1, 1.\n2, 0.5\n3, 1.\n4, 1.\n5, 1.\n6, 1.\n"));
  }
}
