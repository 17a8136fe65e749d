// "*Element" of assembly connector elements: wire ends per file kind, a wire
// to ground at either end, attachment-point ends, the discrete-fastener block,
// the recorded wire labels, an end without a node, the two-dimensional type,
// and the ready-list form of fastener copies.
#include <initializer_list>
#include <string>
#include <utility>

#include "ModKerLow/asoF_PartInstance.h"
#include "aif/impl/model/aif_AssemblyElement.h"
#include "aif_MeshTestSupport.h"

namespace {

// What a keyword writes, once: the connector elements take fresh labels from
// the context as they are written.
std::string WrittenOnce(const akw_Keyword& keyword) {
  return aif_test::StreamText([&](utl_Stream& s) { keyword.Write(s); });
}

// Two instances of a 20-node part; P-1 has one attachment point. The
// assembly's attachment line 8 joins its attachment nodes 1 and 2.
hst_ModelBuilder WiredModel() {
  hst_ModelBuilder b;
  b.AddPart("P", hst_GridMesh(4, 1, 1));
  b.AddInstance("P-1", "P", {.attachmentPoints = 1});
  b.AddInstance("P-2", "P");
  b.AddAssemblyAttachmentLine(8, 1, 2);
  return b;
}

rgnC_Dot NodeDot(unsigned instance, int label) {
  return {.resolved = true, .instanceId = instance, .label = label};
}

rgnC_GeomComponent Wire(int index, rgnC_Dot first, rgnC_Dot second) {
  rgnC_GeomComponent wire{.kind = rgnC_GeomComponent::kEdge, .index = index, .nonMeshable = true};
  wire.ends[0] = first;
  wire.ends[1] = second;
  return wire;
}

rgnC_GeomComponent AttachmentLine(int index) {
  return {.kind = rgnC_GeomComponent::kEdge, .index = index, .attachmentLine = true};
}

const rgnC_Dot kNoDot{.missing = true};

rgnC_Region WireRegion(cow_List<rgnC_GeomComponent> components) {
  rgnC_Region region("Wires", {"Assembly"});
  region.SetKernelComponents(std::move(components));
  return region;
}

TEST(aif_AssemblyElement, WiresGroundEndsAttachmentLinesAndRecordedLabels) {
  const hst_ModelBuilder b = WiredModel();
  const rgnC_Dot onPoint{.instanceId = 1, .vertexDot = true, .vertexIndex = 0};
  const rgnC_GeomComponent plainEdge{.kind = rgnC_GeomComponent::kEdge, .index = 6};
  const rgnC_Region region = WireRegion(
      {Wire(2, NodeDot(1, 3), NodeDot(2, 7)), Wire(3, kNoDot, NodeDot(2, 5)), plainEdge,
       AttachmentLine(9),  // no record: no element
       Wire(-4, NodeDot(1, 4), kNoDot), AttachmentLine(8), Wire(5, NodeDot(2, 1), onPoint)});

  aif_test::MeshContext partBased(b, false);
  EXPECT_EQ(WrittenOnce(aif_AssemblyElement(region, "Wires", *partBased.info)),
            "*Element, type=CONN3D2\n"
            "1, P-1.3, P-2.7\n"
            "2,  , P-2.5\n"
            "3, P-1.4\n"
            "4, P-2.1, P-1.21\n"  // P-1's attachment point follows its 20 nodes
            "** \n"
            "** @DODOVE, object=discrete fastener\n"
            "*Element, type=CONN3D2\n"
            "5, 1, 2\n");
  const aif_ModelInfo::WireLabels& labels = *partBased.info->WireElementLabels();
  std::string recorded;
  for (int index : {2, 3, -4, 5, 8, 9, 6})
    recorded += std::to_string(labels.Find(index) ? *labels.Find(index) : 0) + " ";
  EXPECT_EQ(recorded, "1 2 3 4 5 0 0 ");

  // Flat: the labels the node blocks give the nodes. The two meshes' labels
  // collide, so each instance is numbered by node index from its offset
  // (P-1 from 1, P-2 from 22, after P-1's nodes and attachment node; the
  // assembly's attachment nodes after P-2's): node 3 of P-1 is 3, node 7 of
  // P-2 is 28. The attachment point's label is final. Element labels follow
  // the eight mesh elements.
  aif_test::MeshContext flat(b, true);
  EXPECT_EQ(WrittenOnce(aif_AssemblyElement(region, "Wires", *flat.info)),
            "*Element, type=CONN3D2\n"
            "9, 3, 28\n"
            "10,  , 26\n"
            "11, 4\n"
            "12, 22, 21\n"
            "** \n"
            "** @DODOVE, object=discrete fastener\n"
            "*Element, type=CONN3D2\n"
            "13, 42, 43\n");

  // Without wires or attachment lines, or over an invalid region, nothing.
  EXPECT_EQ(WrittenOnce(aif_AssemblyElement(WireRegion({plainEdge, AttachmentLine(9)}), "W",
                                            *partBased.info)),
            "");
  rgnC_Region invalid = region;
  invalid.SetKernelValid(false);
  EXPECT_EQ(WrittenOnce(aif_AssemblyElement(invalid, "W", *partBased.info)), "");
}

TEST(aif_AssemblyElement, AnEndWithoutANodeStopsTheWriteBeforeAnyLine) {
  const hst_ModelBuilder b = WiredModel();
  // The second wire's first end is a vertex dot on no attachment point, or
  // a node past the 20 of P-2's mesh (P-2 has no reference points), in
  // either layout.
  const rgnC_Dot vertex{.instanceId = 2, .vertexDot = true, .vertexIndex = 0};
  for (const rgnC_Dot& nowhere : {vertex, NodeDot(2, 21)})
    for (bool flat : {false, true}) {
      aif_test::MeshContext c(b, flat);
      const aif_AssemblyElement element(
          WireRegion({Wire(2, NodeDot(1, 3), NodeDot(2, 7)), Wire(3, nowhere, NodeDot(2, 5))}),
          "\"Wire set\"", *c.info);
      std::string message;
      EXPECT_EQ(aif_test::StreamText([&](utl_Stream& s) {
                  message = aif_test::MessageOf([&] { element.Write(s); });
                }),
                "");
      EXPECT_EQ(message,
                "A wire of the connector element set \"Wire set\" ends on a point without a node; "
                "its connector cannot be written.");
      EXPECT_TRUE(c.info->WireElementLabels()->IsEmpty());
    }
}

// A mesh-locked instance writes no nodes, so no wire names one, in either
// layout; the assembly's own attachment nodes, written after it, are named
// as ever.
TEST(aif_AssemblyElement, NoWireNamesANodeOfAMeshLockedInstance) {
  hst_ModelBuilder b;
  b.AddPart("P", hst_GridMesh(4, 1, 1));
  b.AddInstance("P-1", "P");
  b.AddInstance("P-2", "P", {.locks = ftr_LOCK_MESH});
  b.AddAssemblyAttachmentLine(8, 1, 2);
  for (bool flat : {false, true}) {
    aif_test::MeshContext c(b, flat);
    const aif_AssemblyElement locked(WireRegion({Wire(2, NodeDot(1, 3), NodeDot(2, 7))}), "W",
                                     *c.info);
    std::string message;
    EXPECT_EQ(aif_test::StreamText(
                  [&](utl_Stream& s) { message = aif_test::MessageOf([&] { locked.Write(s); }); }),
              "");
    EXPECT_EQ(message,
              "A wire of the connector element set W ends on a point without a node; its "
              "connector cannot be written.");
  }
  // P-1 numbered from 1 (flat); the attachment nodes after P-2's offset.
  const rgnC_Region region = WireRegion({Wire(2, NodeDot(1, 3), kNoDot), AttachmentLine(8)});
  aif_test::MeshContext partBased(b, false);
  EXPECT_EQ(WrittenOnce(aif_AssemblyElement(region, "W", *partBased.info)),
            "*Element, type=CONN3D2\n"
            "1, P-1.3\n"
            "** \n"
            "** @DODOVE, object=discrete fastener\n"
            "*Element, type=CONN3D2\n"
            "2, 1, 2\n");
  aif_test::MeshContext flat(b, true);
  EXPECT_EQ(WrittenOnce(aif_AssemblyElement(region, "W", *flat.info)),
            "*Element, type=CONN3D2\n"
            "9, 3\n"
            "** \n"
            "** @DODOVE, object=discrete fastener\n"
            "*Element, type=CONN3D2\n"
            "10, 41, 42\n");
}

TEST(aif_AssemblyElement, TwoDimensionalAssembliesWithInstancesUseConn2d2) {
  hst_ModelBuilder b = WiredModel();
  b.Assembly().SetSpace(2001);
  const rgnC_Region region = WireRegion({Wire(2, NodeDot(1, 3), NodeDot(2, 7))});
  aif_test::MeshContext planar(b, false);
  EXPECT_EQ(WrittenOnce(aif_AssemblyElement(region, "W", *planar.info)),
            "*Element, type=CONN2D2\n1, P-1.3, P-2.7\n");
  // Without an active instance the assembly counts as three-dimensional.
  hst_ModelBuilder empty;
  empty.Assembly().SetSpace(2001);
  empty.AddAssemblyAttachmentLine(8, 1, 2);
  aif_test::MeshContext none(empty, false);
  EXPECT_EQ(WrittenOnce(aif_AssemblyElement(WireRegion({AttachmentLine(8)}), "W", *none.info)),
            "** \n** @DODOVE, object=discrete fastener\n*Element, type=CONN3D2\n1, 1, 2\n");
}

// Maps of lists from brace-enclosed pairs.
cow_Map<cow_String, cow_List<int>> KeyedLists(
    std::initializer_list<std::pair<const char*, cow_List<int>>> items) {
  cow_Map<cow_String, cow_List<int>> map;
  for (const auto& [key, list] : items)
    map.Set(key, list);
  return map;
}

TEST(aif_AssemblyElement, ReadyListsRepeatTheTemplateWiresPerCopy) {
  const hst_ModelBuilder b = WiredModel();
  const aif_test::MeshContext templateContext(b, false);
  const asoK_Assembly& templateAssembly = *templateContext.info->Assembly();
  // Template node 10 of P-1 becomes 201 in the first copy, copies 50 apart;
  // P-2's node 4 has no pair.
  const auto renumbering = KeyedLists({{"Fast_P-1", {9, 150, 10, 201, 11, 202}}, {"Fast_P-2", {}}});
  const auto steps = KeyedLists({{"Fast_P-1", {12, 50}}, {"Fast_P-2", {30, 0}}});
  const rgnC_Dot unresolved{.instanceId = 1};
  const rgnC_Region region =
      WireRegion({Wire(1, NodeDot(1, 10), NodeDot(2, 4)), AttachmentLine(8),
                  Wire(2, kNoDot, NodeDot(1, 10)), Wire(3, unresolved, NodeDot(1, 10))});

  aif_test::MeshContext partBased(b, false);
  aif_InstanceLabelLists lists;
  int counter = 7;
  const aif_AssemblyElement element(region, "\"Fast_c\"", "Fast_", 2, templateAssembly, "Model-1",
                                    renumbering, steps, {}, *partBased.info, lists, counter);
  EXPECT_EQ(counter, 13);  // two copies of each of the three wires
  EXPECT_EQ(lists.count, 4);
  ASSERT_EQ(lists.firstLabels.Length(), 6u);
  EXPECT_EQ(lists.firstLabels[1], 251);
  EXPECT_EQ(lists.secondLabels[1], -1);
  EXPECT_EQ(WrittenOnce(element),
            "*Element, type=CONN3D2, elset=\"Fast_c\"\n"
            "1, Fast_P-1.201\n"
            "2, Fast_P-1.251\n"
            "3,  , Fast_P-1.201\n"
            "4,  , Fast_P-1.251\n"
            "5\n"  // the first end finds no node: the second is not resolved
            "6\n");

  // Flat: the node number + 1 is looked up (10 + 1 pairs with 202), and the
  // labels go without prefix.
  aif_test::MeshContext flat(b, true);
  aif_InstanceLabelLists flatLists;
  int flatCounter = 0;
  const aif_AssemblyElement flatElement(region, "Fast_c", "Fast_", 1, templateAssembly, "Model-1",
                                        renumbering, steps, {}, *flat.info, flatLists, flatCounter);
  EXPECT_EQ(WrittenOnce(flatElement),
            "*Element, type=CONN3D2, elset=Fast_c\n9, 202\n10,  , 202\n11\n");

  // An invalid region leaves the record and the counter alone and writes nothing.
  rgnC_Region invalid = region;
  invalid.SetKernelValid(false);
  aif_InstanceLabelLists untouched;
  untouched.count = 99;
  int same = 5;
  const aif_AssemblyElement none(invalid, "Fast_c", "Fast_", 2, templateAssembly, "Model-1",
                                 renumbering, steps, {}, *partBased.info, untouched, same);
  EXPECT_EQ(same, 5);
  EXPECT_EQ(untouched.count, 99);
  EXPECT_EQ(WrittenOnce(none), "");
}

}  // namespace
