// The assembly's own definitions through the driver: attachment nodes around
// the discrete-fastener tag, connector elements with their sections and one
// behaviour block per section, the use counts, and the wire labels an
// assembly set lists afterwards.
#include <filesystem>
#include <string>

#include "ModKerLow/dtu_DatumCsys.h"
#include "ModKerLow/ptoC_ConnectorOrientation.h"
#include "ModKerLow/ptoC_SectionAssignment.h"
#include "ModKerLow/rgnF_Set.h"
#include "OdbAttrEO/kseC_ConnectorSection.h"
#include "OdbAttrEO/kseC_MPCSection.h"
#include "aif/impl/core/aif_Builder.h"
#include "aif/impl/model/aif_AssemblyElement.h"
#include "aif/impl/model/aif_AssemblyStage.h"
#include "aif/impl/model/aif_InstanceBuilder.h"
#include "aif_MeshTestSupport.h"
#include "support/aif_DeckTestSupport.h"

namespace {

// The text of `deck` from the line starting with `from` up to (not
// including) the line starting with `to`.
std::string StageLines(const std::string& deck, const std::string& from, const std::string& to) {
  const std::size_t start = deck.find("\n" + from);
  if (start == std::string::npos) return "no " + from;
  const std::size_t end = deck.find("\n" + to, start + 1);
  return deck.substr(start + 1, end == std::string::npos ? std::string::npos : end - start);
}

rgnC_GeomComponent StageWire(int index, rgnC_Dot first, rgnC_Dot second) {
  rgnC_GeomComponent wire{.kind = rgnC_GeomComponent::kEdge, .index = index, .nonMeshable = true};
  wire.ends[0] = first;
  wire.ends[1] = second;
  return wire;
}

rgnC_Region StageWires(const char* name, cow_List<rgnC_GeomComponent> components) {
  rgnC_Region region(name, {"Assembly"});
  region.SetKernelComponents(std::move(components));
  return region;
}

// Two instances of a 20-node part joined by two wires of the connector
// section "Hinge", each wire its own assignment; the assembly's attachment
// line 8 and single node 0; the assembly set "Joints" holds both wires.
hst_ModelBuilder Joined() {
  hst_ModelBuilder b;
  b.AddPart("P", hst_GridMesh(4, 1, 1));
  b.AddInstance("P-1", "P");
  b.AddInstance("P-2", "P");
  b.AddAssemblyAttachmentLine(8, 1, 2).AddAssemblyAttachmentNode(0, 3);
  kseC_ConnectorSection hinge;
  hinge.SetTypes(0, 1, 2);
  hinge.SetConnectionTypeText("Cartesian + Cardan");
  hinge.SetConstitutiveReferences({1.0, DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX});
  const rgnC_GeomComponent first = StageWire(1, {.resolved = true, .instanceId = 1, .label = 3},
                                             {.resolved = true, .instanceId = 2, .label = 7});
  const rgnC_GeomComponent second =
      StageWire(2, {.missing = true}, {.resolved = true, .instanceId = 2, .label = 5});
  b.AddAssemblySection("Hinge", hinge, StageWires("Wire-1", {first}));
  b.AddAssemblySection("Hinge", hinge, StageWires("Wire-2", {second}));
  rgnF_Set joints(StageWires("Joints", {first, second}));
  joints.SetId(300);
  joints.SetName("Joints");
  joints.typeMask = rgnF_Set::kElementSet;
  b.Assembly().FeatureList().Add(joints);
  return b;
}

TEST(aif_AssemblyStage, TwoWiresOfOneSectionAndTheAttachmentNodes) {
  aif_test::TempDeck file("aif_AssemblyStageTest");
  const std::string deck = file.Write(Joined());
  // Attachment-line ends (1, 2) come before the tag when the single node
  // (3) has the higher label; one element and one section per assignment;
  // the set lists the wires' elements.
  EXPECT_EQ(StageLines(deck.substr(deck.rfind("*End Instance")), "*Node", "*End Assembly"),
            "*Node\n"
            "      1,           0.,           0.,           0.\n"
            "      2,           0.,           0.,           0.\n"
            "** \n"
            "** @DODOVE, object=discrete fastener\n"
            "*Node\n"
            "      3,           0.,           0.,           0.\n"
            "*Element, type=CONN3D2\n"
            "1, P-1.3, P-2.7\n"
            "*Connector Section, elset=Wire-1, behavior=Hinge\n"
            "Cartesian, Cardan\n"
            "*Element, type=CONN3D2\n"
            "2,  , P-2.5\n"
            "*Connector Section, elset=Wire-2, behavior=Hinge\n"
            "Cartesian, Cardan\n"
            "*Elset, elset=Joints\n"
            " 1, 2\n");
  // One behaviour block for the section.
  EXPECT_EQ(StageLines(deck, "*Connector Behavior", "**"),
            "*Connector Behavior, name=Hinge\n"
            "*Connector Constitutive Reference\n"
            "1., , , , , \n");
  EXPECT_EQ(deck.find("*Connector Behavior", deck.find("*Connector Behavior") + 1),
            std::string::npos);

  // The instance builder counts two uses of the section.
  const hst_ModelBuilder b = Joined();
  aif_test::MeshContext c(b, false);
  aif_InstanceBuilder builder(*c.info);
  builder.Build();
  ASSERT_NE(builder.ConnectorSectionUses().Find("Hinge"), nullptr);
  EXPECT_EQ(*builder.ConnectorSectionUses().Find("Hinge"), 2);
  EXPECT_EQ(builder.ConnectorSectionUses().Length(), 1u);

  // Without an assembly there is nothing to file and nothing to count.
  hst_ModelBuilder bare = Joined();
  bare.WithoutAssembly();
  aif_test::MeshContext none(bare, false);
  aif_InstanceBuilder empty(*none.info);
  empty.Build();
  EXPECT_EQ(empty.AssemblyDefinition().Length(), 0u);
  EXPECT_EQ(empty.ModelDefinition().Length(), 0u);
  EXPECT_TRUE(empty.ConnectorSectionUses().IsEmpty());
  const rgnC_Region wires =
      StageWires("Wire-1", {StageWire(1, {.missing = true}, {.missing = true})});
  EXPECT_EQ(aif_test::StreamText(
                [&](utl_Stream& s) { aif_AssemblyElement(wires, "Wire-1", *none.info).Write(s); }),
            "");
}

TEST(aif_AssemblyStage, ReferencePointsOnExistingAssemblyNodesGetNoNode) {
  hst_ModelBuilder b;
  auto mesh = hst_Mesh({0, 0, 0, 1, 0, 0}, "T3D2", 2, {0, 1});
  mesh->MutableNodeData().MutableUserNodeLabels() = {5, 6};
  b.AddAssemblyNodes(mesh, 2);
  // The first point is the assembly's node 6; the second gets node 8 (after
  // the highest label, 6, and the first point's 7).
  b.Assembly().FeatureList().SetAssemblyReferencePointUserLabel(0, 6);
  const aif_test::MeshContext c(b, false);
  std::string written;
  for (const akw_KeywordHandle& k : aif_AssemblyStage::ReferenceNodes(*c.info))
    written += aif_test::KeywordText(*k);
  EXPECT_EQ(written, "*Node\n      8,           0.,           0.,           0.\n");
}

// The driver's refusal of `b`: the aif_Exception text, and no file left.
std::string RefusalOf(const hst_ModelBuilder& b) {
  aif_test::TempDeck file("aif_AssemblyStageRefusal");
  const bas_NewModel model = b.Model();
  aif_Job job("Job-1", b.Job(), model);
  aif_ModelInfo info(job);
  aif_Builder builder(info);
  const std::string message =
      aif_test::MessageOf([&] { builder.WriteInputFile(file.Path(), false, true); });
  EXPECT_FALSE(std::filesystem::exists(file.Path())) << "a partial deck was left";
  return message;
}

TEST(aif_AssemblyStage, UnwritableWiresStopTheWriteAndLeaveNoFile) {
  // A connector section whose name the file cannot carry.
  hst_ModelBuilder quoted = Joined();
  kseC_ConnectorSection section;
  section.SetConstitutiveReferences({1.0, DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX});
  const rgnC_GeomComponent wire = StageWire(6, {.resolved = true, .instanceId = 1, .label = 2},
                                            {.resolved = true, .instanceId = 2, .label = 2});
  quoted.AddAssemblySection("Hinge\"2", section, StageWires("Wire-3", {wire}));
  EXPECT_EQ(RefusalOf(quoted),
            "The connector section name Hinge\"2 holds an unpaired double quote and cannot be "
            "written to the input file.");

  // A wire end on a point without a node.
  hst_ModelBuilder loose = Joined();
  const rgnC_GeomComponent dangling =
      StageWire(7, {.instanceId = 2, .vertexDot = true, .vertexIndex = 4}, {.missing = true});
  loose.AddAssemblySection("Hinge", section, StageWires("Wire-4", {dangling}));
  EXPECT_EQ(RefusalOf(loose),
            "A wire of the connector element set Wire-4 ends on a point without a node; its "
            "connector cannot be written.");
}

// An assembly wire's connector orientation naming a datum the model lacks,
// or one that is no coordinate system, would name an orientation the file
// never defines: the write stops, naming the section and the datum, and
// leaves no file. A second system the line does not name (the first orients
// both ends) is not looked at.
TEST(aif_AssemblyStage, ConnectorOrientationOnAMissingDatumStopsTheWrite) {
  const auto oriented = [](const char* first, const char* second, bool one) {
    hst_ModelBuilder b = Joined();
    b.AddAssemblyDatum("Csys-1", dtu_DatumCsys(1, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}));
    b.AddAssemblyDatum("Point", dtu_Datum());
    // On the wires of the first assignment ("Wire-1").
    ptoC_ConnectorOrientation orientation(
        static_cast<const ptoC_SectionAssignment&>(*b.Assembly().SectionAssignments()[0])
            .RegionRef());
    orientation.SetFirst(dtmC_DatumRef{{}, first});
    if (second) orientation.SetSecond(dtmC_DatumRef{{}, second});
    orientation.SetOneOrientation(one);
    b.AddConnectorOrientation(orientation);
    return b;
  };
  EXPECT_EQ(RefusalOf(oriented("Nowhere", nullptr, false)),
            "The connector orientation of section Hinge names the datum Nowhere, which is not a "
            "datum coordinate system of the model.");
  EXPECT_EQ(RefusalOf(oriented("Point", nullptr, false)),
            "The connector orientation of section Hinge names the datum Point, which is not a "
            "datum coordinate system of the model.");
  EXPECT_EQ(RefusalOf(oriented("Csys-1", "Nowhere", false)),
            "The connector orientation of section Hinge names the datum Nowhere, which is not a "
            "datum coordinate system of the model.");

  // The first system alone orienting both ends: the deck names it and
  // defines it.
  aif_test::TempDeck file("aif_AssemblyStageOriented");
  const std::string deck = file.Write(oriented("Csys-1", "Nowhere", true));
  EXPECT_EQ(StageLines(deck, "*Connector Section, elset=Wire-1", "*Element"),
            "*Connector Section, elset=Wire-1, behavior=Hinge\n"
            "Cartesian, Cardan\n"
            "Csys-1,\n");
  EXPECT_NE(deck.find("*Orientation, name=Csys-1\n"), std::string::npos) << deck;
}

TEST(aif_AssemblyStage, MpcSectionsWriteTheirWiresAndNothingWithout) {
  hst_ModelBuilder b;
  b.AddPart("P", hst_GridMesh(4, 1, 1));
  b.AddInstance("P-1", "P");
  b.AddInstance("P.2", "P");  // a dotted name is quoted in node references
  const rgnC_GeomComponent wire = StageWire(4, {.resolved = true, .instanceId = 1, .label = 3},
                                            {.resolved = true, .instanceId = 2, .label = 7});
  b.AddAssemblySection("Tied", kseC_MPCSection(kseC_MPCSection::kTie), StageWires("Tie-1", {wire}));
  const rgnC_GeomComponent plainEdge{.kind = rgnC_GeomComponent::kEdge, .index = 5};
  b.AddAssemblySection("Bent", kseC_MPCSection(kseC_MPCSection::kElbow),
                       StageWires("Elbow-1", {plainEdge}));
  // A suppressed assignment and one whose section the model lacks add nothing.
  ptoC_SectionAssignment suppressed(StageWires("Tie-2", {wire}), "Tied");
  suppressed.SetSuppressed(true);
  b.Assembly().AddSectionAssignment(suppressed);
  b.Assembly().AddSectionAssignment(ptoC_SectionAssignment(StageWires("Tie-3", {wire}), "Gone"));

  aif_test::TempDeck file("aif_AssemblyStageTest");
  const std::string deck = file.Write(b);
  EXPECT_EQ(StageLines(deck.substr(deck.rfind("*End Instance")), "*MPC", "*End Assembly"),
            "*MPC\nTIE, P-1.3, \"P.2\".7\n");
  EXPECT_EQ(deck.find("*MPC", deck.find("*MPC") + 1), std::string::npos);
}

}  // namespace
