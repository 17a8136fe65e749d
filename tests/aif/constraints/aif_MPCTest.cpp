// "*MPC" of model constraints and of the wires of discrete fasteners with an
// MPC section.
#include "aif/impl/constraints/aif_MPC.h"

#include <gtest/gtest.h>

#include "OdbAttrEO/kcoC_MPC.h"
#include "OdbAttrEO/kseC_MPCSection.h"
#include "VwrCmd/cmdC_WIP.h"
#include "aif/model/aif_MeshTestSupport.h"

using aif_test::KeywordText;
using aif_test::ThrownText;

namespace {

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// Two instances of a part of eight nodes: "Part-1-1" and "Part-1-2", whose
// labels collide, so that a flat file writes the second's nodes from 9 on.
struct MpcContext {
  explicit MpcContext(bool flat) {
    b.AddPart("Part-1", hst_GridMesh(1, 1, 1));
    first = b.AddInstance("Part-1-1", "Part-1");
    second = b.AddInstance("Part-1-2", "Part-1");
    mesh = std::make_unique<aif_test::MeshContext>(b, flat);
  }
  akw_ModelInfo* Info() { return mesh->info.get(); }

  hst_ModelBuilder b;
  unsigned first = 0;
  unsigned second = 0;
  std::unique_ptr<aif_test::MeshContext> mesh;
};

rgnC_Dot NodeDot(unsigned instance, int label) {
  rgnC_Dot dot;
  dot.resolved = true;
  dot.instanceId = instance;
  dot.label = label;
  return dot;
}

rgnC_GeomComponent Wire(int index, rgnC_Dot end1, rgnC_Dot end2) {
  rgnC_GeomComponent wire;
  wire.kind = rgnC_GeomComponent::kEdge;
  wire.index = index;
  wire.nonMeshable = true;
  wire.ends[0] = end1;
  wire.ends[1] = end2;
  return wire;
}

rgnC_Region WireRegion(cow_List<rgnC_GeomComponent> components) {
  rgnC_Region region("Wire-1-Set-1", {"Assembly"});
  region.SetKernelComponents(std::move(components));
  return region;
}

aif_MPC ConnectorMpc(const kseC_Section& section, const rgnC_Region& region, akw_ModelInfo* info) {
  return aif_MPC("MPC Sect", cow_COW<kseC_Section>(section), region, info);
}

}  // namespace

TEST(aif_MPC, ConstraintFormNamesTypeSlaveAndControlPoint) {
  MpcContext context(false);
  const rgnC_Region slave("Set-1", {"Assembly", "Part-1-1"});
  const rgnC_Region point("RP-1", {"Assembly"});
  // The constraint numbers its types unlike the section: 4 is TIE, 1 ELBOW.
  EXPECT_EQ(KeywordText(aif_MPC("C", kcoC_MPC(slave, point, kcoC_MPC::kTie), context.Info())),
            Lines({"*MPC", "TIE, Part-1-1.Set-1, RP-1"}));
  EXPECT_EQ(KeywordText(aif_MPC("C", kcoC_MPC(slave, point, 1), context.Info())),
            Lines({"*MPC", "ELBOW, Part-1-1.Set-1, RP-1"}));
  // A user-defined constraint: its mode on the keyword line, its type number
  // first on the data line.
  kcoC_MPC user(slave, point, kcoC_MPC::kUserDefined);
  user.SetUser(0, 3);
  EXPECT_EQ(KeywordText(aif_MPC("C", user, context.Info())),
            Lines({"*MPC, user, mode=dof", "3, Part-1-1.Set-1, RP-1"}));
  user.SetUser(1, 12);
  EXPECT_EQ(KeywordText(aif_MPC("C", user, context.Info())),
            Lines({"*MPC, user, mode=node", "12, Part-1-1.Set-1, RP-1"}));


  // Another constraint kind fails the type test before anything is written.
  EXPECT_EQ(ThrownText(aif_MPC("C", kcoC_Constraint(), context.Info()))
                .rfind("Type test failed: the object is not a kcoC_MPC", 0),
            0u);
}

TEST(aif_MPC, ConnectorFormWritesOneLinePerWire) {
  MpcContext parts(false);
  const rgnC_Region wires = WireRegion({Wire(1, NodeDot(parts.first, 5), NodeDot(parts.second, 3)),
                                        Wire(2, NodeDot(parts.second, 8), NodeDot(parts.first, 1))});
  // The section numbers its types unlike the constraint: 4 is ELBOW, 1 TIE.
  EXPECT_EQ(KeywordText(ConnectorMpc(kseC_MPCSection(kseC_MPCSection::kElbow), wires, parts.Info())),
            Lines({"*MPC", "ELBOW, Part-1-1.5, Part-1-2.3", "ELBOW, Part-1-2.8, Part-1-1.1"}));
  EXPECT_EQ(KeywordText(ConnectorMpc(kseC_MPCSection(kseC_MPCSection::kTie), wires, parts.Info())),
            Lines({"*MPC", "TIE, Part-1-1.5, Part-1-2.3", "TIE, Part-1-2.8, Part-1-1.1"}));
  // A flat file writes the labels the node blocks give the nodes. With
  // colliding labels each instance is numbered by node index from its
  // offset: node 4 of Part-1-1 is 4, node 2 of Part-1-2 is 10.
  MpcContext flat(true);
  const kseC_MPCSection user(kseC_MPCSection::kUserDefined, 1, 7);
  EXPECT_EQ(
      KeywordText(ConnectorMpc(
          user, WireRegion({Wire(1, NodeDot(flat.first, 4), NodeDot(flat.second, 2))}),
          flat.Info())),
      Lines({"*MPC, user, mode=node", "7, 4, 10"}));

  // No wires, or a region the kernel does not resolve: nothing at all.
  EXPECT_EQ(KeywordText(ConnectorMpc(user, WireRegion({}), parts.Info())), "");
  rgnC_Region invalid = wires;
  invalid.SetKernelValid(false);
  EXPECT_EQ(KeywordText(ConnectorMpc(user, invalid, parts.Info())), "");

  // Another section kind fails the type test before anything is written.
  EXPECT_EQ(ThrownText(ConnectorMpc(kseC_Section(), wires, parts.Info()))
                .rfind("Type test failed: the object is not a kseC_MPCSection", 0),
            0u);
}

TEST(aif_MPC, WireEndsWithoutANodeWriteNoLine) {
  MpcContext parts(false);
  const kseC_MPCSection beam(kseC_MPCSection::kBeam);
  rgnC_Dot vertex;  // a dot the kernel finds no node for
  vertex.vertexDot = true;
  vertex.vertexIndex = 4;

  // The wire is left out and reported; the others are written.
  cmdC_WIP::Clear();
  EXPECT_EQ(KeywordText(ConnectorMpc(beam,
                                     WireRegion({Wire(1, NodeDot(parts.first, 5), vertex),
                                                 Wire(2, NodeDot(parts.first, 2),
                                                      NodeDot(parts.second, 2))}),
                                     parts.Info())),
            Lines({"*MPC", "BEAM, Part-1-1.2, Part-1-2.2"}));
  const std::string warning =
      "A wire of the MPC section MPC Sect has an end on no node: no constraint is written for it.";
  // (KeywordText writes twice: once per buffer size.)
  EXPECT_EQ(cmdC_WIP::Texts(cmdC_WIP::Kind::Warning),
            std::vector<std::string>({warning, warning}));

  // Likewise a node past the eight of the mesh (the part has no reference
  // points), part-based and flat.
  for (bool flat : {false, true}) {
    MpcContext context(flat);
    cmdC_WIP::Clear();
    const rgnC_Region past =
        WireRegion({Wire(1, NodeDot(context.first, 9), NodeDot(context.second, 1))});
    EXPECT_EQ(KeywordText(ConnectorMpc(beam, past, context.Info())), "");
    EXPECT_EQ(cmdC_WIP::Texts(cmdC_WIP::Kind::Warning),
              std::vector<std::string>({warning, warning}));
  }

  // When no wire is left, no "*MPC" stands without lines.
  cmdC_WIP::Clear();
  EXPECT_EQ(
      KeywordText(ConnectorMpc(beam, WireRegion({Wire(1, rgnC_Dot(), NodeDot(parts.first, 5))}),
                               parts.Info())),
      "");
  EXPECT_EQ(cmdC_WIP::Texts(cmdC_WIP::Kind::Warning),
            std::vector<std::string>({warning, warning}));
  cmdC_WIP::Clear();
}

namespace {

rgnC_GeomComponent AttachmentLine(int index) {
  rgnC_GeomComponent line;
  line.kind = rgnC_GeomComponent::kEdge;
  line.index = index;
  line.attachmentLine = true;
  return line;
}

}  // namespace

TEST(aif_MPC, AttachmentLinesFollowTheWiresAfterTheFastenerComment) {
  // The assembly's attachment lines 7 (nodes 1 and 2) and 9 (nodes 3 and 4);
  // line 8 has no record.
  hst_ModelBuilder b;
  b.AddPart("Part-1", hst_GridMesh(1, 1, 1));
  const unsigned instance = b.AddInstance("Part-1-1", "Part-1");
  b.AddAssemblyAttachmentLine(7, 1, 2);
  b.AddAssemblyAttachmentLine(9, 3, 4);
  aif_test::MeshContext context(b, false);
  const kseC_MPCSection tie(kseC_MPCSection::kTie);

  // Two blocks: the wires, then the attachment lines, each from its second
  // end to its first.
  cmdC_WIP::Clear();
  const rgnC_Region both =
      WireRegion({AttachmentLine(7), Wire(1, NodeDot(instance, 5), NodeDot(instance, 6)),
                  AttachmentLine(8), AttachmentLine(9)});
  EXPECT_EQ(KeywordText(ConnectorMpc(tie, both, context.info.get())),
            Lines({"*MPC", "TIE, Part-1-1.5, Part-1-1.6", "** ",
                   "** @DODOVE, object=discrete fastener, connector section=\"MPC Sect\"", "*MPC",
                   "TIE, 2, 1", "TIE, 4, 3"}));
  const std::string warning =
      "An attachment line of the MPC section MPC Sect has no attachment nodes: no constraint is "
      "written for it.";
  EXPECT_EQ(cmdC_WIP::Texts(cmdC_WIP::Kind::Warning),
            std::vector<std::string>({warning, warning}));

  // Attachment lines alone; a line without a record leaves neither the
  // comment nor a bare "*MPC".
  EXPECT_EQ(KeywordText(ConnectorMpc(tie, WireRegion({AttachmentLine(9)}), context.info.get())),
            Lines({"** ", "** @DODOVE, object=discrete fastener, connector section=\"MPC Sect\"",
                   "*MPC", "TIE, 4, 3"}));
  EXPECT_EQ(KeywordText(ConnectorMpc(tie, WireRegion({AttachmentLine(8)}), context.info.get())),
            "");
  cmdC_WIP::Clear();
}
