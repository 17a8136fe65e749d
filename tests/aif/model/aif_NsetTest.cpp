// "*Nset" and the raw single-node set: block order, flat offsets, region
// nodes with attachment and wire nodes, fastener templates (a template node
// without a label is refused) and the raw set's internal option.
#include "aif/impl/model/aif_Nset.h"

#include "ModKerLow/rgnK_Region.h"
#include "aif/impl/model/aif_RawNset.h"
#include "aif_MeshTestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::MeshContext;

struct Model {
  Model() {
    b.AddPart("P", hst_GridMesh(4, 1, 1));  // 20 nodes
    first = static_cast<int>(b.AddInstance("P-1", "P", {.attachmentPoints = 2}));
    second = static_cast<int>(b.AddInstance("P-2", "P"));
  }
  hst_ModelBuilder b;
  int first = 0, second = 0;
};

rgnC_Region Region(std::initializer_list<std::pair<int, cow_List<int>>> nodes,
                   cow_List<rgnC_GeomComponent> components = {}) {
  rgnC_Region region("R", {"Assembly"});
  for (const auto& [id, indices] : nodes)
    region.SetKernelNodeIndices(id, indices);
  region.SetKernelComponents(components);
  return region;
}

TEST(aif_Nset, BlocksOffsetsRegionsAndWires) {
  Model m;
  MeshContext c(m.b, false);
  aif_Nset::LabelsById byId;
  byId.Set(m.first, {1, 2, 3});
  aif_Nset all("N", byId, true, *c.info);
  all.SetPlainLabels({9, 8});
  aif_Nset::LabelsByName byName;
  byName.Set("P-2", {4});
  all.SetNamedLabels(byName);
  EXPECT_EQ(KeywordText(all),
            "*Nset, nset=N, instance=P-1, generate\n 1,  3,  1\n"
            "*Nset, nset=N\n 8, 9\n*Nset, nset=N, instance=P-2\n 4,\n");
  EXPECT_EQ(KeywordText(aif_Nset("_M", {"P-1.A"}, *c.info)), "*Nset, nset=_M, internal\nP-1.A, \n");
  EXPECT_TRUE(aif_Nset("E", aif_Nset::LabelsById(), true, *c.info).IsEmpty());

  // An instance's region with its attachment point 1 (the instance's second
  // attachment node, 22).
  rgnC_GeomComponent point{
      .kind = rgnC_GeomComponent::kVertex, .index = 1, .attachmentPoint = true};
  EXPECT_EQ(KeywordText(aif_Nset(c.Instance(static_cast<unsigned>(m.first)),
                                 Region({{m.first, {0, 4}}}, {point}), "Pt", *c.info)),
            "*Nset, nset=Pt\n  1,  5, 22\n");

  // The assembly's region: wire end nodes follow the region's own nodes; the
  // scan stops at a wire of an internal set unless edges are asked for.
  rgnC_GeomComponent wire{.kind = rgnC_GeomComponent::kEdge, .index = 2, .nonMeshable = true};
  wire.ends[0] = {.resolved = true, .instanceId = static_cast<unsigned>(m.second), .label = 7};
  wire.ends[1] = {.resolved = true, .instanceId = static_cast<unsigned>(m.first), .label = 20};
  rgnC_GeomComponent later = wire;
  later.ends[0].label = 11;
  const rgnC_Region region = Region({{m.second, {0}}}, {wire, later});
  const asoK_Assembly* assembly = c.info->Assembly();
  EXPECT_EQ(KeywordText(aif_Nset(assembly, region, "W", false, 0, *c.info)),
            "*Nset, nset=W, instance=P-1\n 20,\n*Nset, nset=W, instance=P-2\n  1,  7, 11\n");
  EXPECT_EQ(KeywordText(aif_Nset(assembly, region, "_W", false, 0, *c.info)),
            "*Nset, nset=_W, internal, instance=P-2\n 1,\n");
  EXPECT_EQ(KeywordText(aif_Nset(assembly, region, "W", false, 1, *c.info)), "");

  // Flat: labels of conflicting instances shifted by their offsets (P-2
  // follows the 20 nodes and 2 attachment nodes of P-1), no instance option.
  MeshContext flat(m.b, true);
  EXPECT_EQ(KeywordText(aif_Nset(flat.info->Assembly(), Region({{m.second, {0, 1}}}), "F", false, 0,
                                 *flat.info)),
            "*Nset, nset=F\n23,24\n");
  // Wire ends join as the node blocks number them: node 20 of P-1 is 20,
  // node 7 of P-2 is 29.
  EXPECT_EQ(
      KeywordText(aif_Nset(flat.info->Assembly(), Region({}, {wire}), "W", false, 0, *flat.info)),
      "*Nset, nset=W\n 20,\n*Nset, nset=W\n29,\n");
}

TEST(aif_Nset, AssemblyAttachmentLinesAddBothEndNodes) {
  Model m;
  // Line 4 ends on the assembly's attachment nodes 1 and 2, line 6 on 2 and
  // 4; node 5 is a single attachment node at vertex 0.
  m.b.AddAssemblyAttachmentLine(4, 1, 2).AddAssemblyAttachmentLine(6, 2, 4);
  m.b.AddAssemblyAttachmentNode(0, 5);
  MeshContext c(m.b, false);
  rgnC_GeomComponent line{.kind = rgnC_GeomComponent::kEdge, .index = 4, .attachmentLine = true};
  rgnC_GeomComponent shared = line;
  shared.index = 6;
  rgnC_GeomComponent unknown = line;
  unknown.index = 5;  // no record: adds nothing
  const rgnC_Region region = Region({}, {line, unknown, shared});
  EXPECT_EQ(KeywordText(aif_Nset(c.info->Assembly(), region, "A", false, 0, *c.info)),
            "*Nset, nset=A\n 1, 2, 4\n");
  // Kind 2 leaves attachment lines out.
  EXPECT_EQ(KeywordText(aif_Nset(c.info->Assembly(), region, "A", false, 2, *c.info)), "");
}

TEST(aif_Nset, FastenerTemplatesNeverWriteALabelBelowOne) {
  Model m;
  MeshContext c(m.b, false);
  const rgnK_Region region(nullptr, "M", Region({{m.first, {0, 1}}}));
  const cow_List<aif_Nset::LabelPair> pairs = {{1, 101}, {2, 102}, {3, 103}};
  EXPECT_EQ(KeywordText(aif_Nset(region, "Fast_n", m.first, pairs, 2, *c.info)),
            "*Nset, nset=Fast_n\n 101, 102, 104, 105\n");
  // A node without a pair, or paired with a label below 1, is refused.
  for (const cow_List<aif_Nset::LabelPair>& given :
       {cow_List<aif_Nset::LabelPair>{{1, 101}}, cow_List<aif_Nset::LabelPair>{{1, 101}, {2, 0}}})
    EXPECT_EQ(aif_test::MessageOf([&] { aif_Nset(region, "Fast_n", m.first, given, 1, *c.info); }),
              "Cannot create nset Fast_n from region: a template node has no label");

  // The template assembly: pairs by key; kind 2 numbers copies one apart, any
  // other kind by the stride; a node without a pair adds nothing; wire ends
  // resolved through reference dots count too.
  rgnC_GeomComponent wire{.kind = rgnC_GeomComponent::kEdge, .nonMeshable = true};
  wire.ends[0] = {.resolved = true,
                  .instanceId = static_cast<unsigned>(m.second),
                  .label = 5,
                  .referenceDot = true};
  wire.ends[1] = {.resolved = true, .instanceId = static_cast<unsigned>(m.second), .label = 6};
  aif_Nset::PairsByKey keyed;
  keyed.Set("Fast_P-1", {{1, 50, 2}, {2, 60, 0}});
  keyed.Set("Fast_P-2", {{5, 500, 0}, {6, 600, 0}});
  const aif_Nset copies(*c.info->Assembly(), Region({{m.first, {0, 1, 2}}}, {wire}), "Fast_s",
                        "Fast_", {}, 2, 100, keyed, *c.info);
  EXPECT_EQ(KeywordText(copies),
            "*Nset, nset=Fast_s, instance=Fast_P-1\n  50,  51,  60, 160\n"
            "*Nset, nset=Fast_s, instance=Fast_P-2\n 500, 600\n");
}

// A fastener prefix holding "_" ("Bolt_M8"): the set's members are keyed by
// the prefix given, not by the set name up to its first "_" (which would
// read the pairs of "Bolt_P-1" and lose them); the first pair of a label
// wins.
TEST(aif_Nset, FastenerTemplateSetsKeyByTheGivenPrefix) {
  Model m;
  MeshContext c(m.b, false);
  aif_Nset::PairsByKey keyed;
  keyed.Set("Bolt_M8_P-1", {{1, 50, 0}, {2, 60, 0}, {1, 70, 0}});
  keyed.Set("Bolt_P-1", {{1, 900, 0}, {2, 901, 0}});
  const aif_Nset set(*c.info->Assembly(), Region({{m.first, {0, 1}}}), "Bolt_M8_Pins", "Bolt_M8_",
                     {}, 2, 100, keyed, *c.info);
  EXPECT_EQ(KeywordText(set),
            "*Nset, nset=Bolt_M8_Pins, instance=Bolt_M8_P-1\n  50,  60, 150, 160\n");
}

TEST(aif_RawNset, OneLabelAndTheInternalOptionOnlyWhenAllowed) {
  EXPECT_EQ(KeywordText(aif_RawNset(12, "_Ref", false)), "*Nset, nset=_Ref\n 12,\n");
  EXPECT_EQ(KeywordText(aif_RawNset(3, "_Ref", true)), "*Nset, nset=_Ref, internal\n 3,\n");
  EXPECT_EQ(KeywordText(aif_RawNset(3, "Ref", true)), "*Nset, nset=Ref\n 3,\n");
}

}  // namespace
