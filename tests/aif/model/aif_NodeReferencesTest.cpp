// The labels single node references use: those of the nodes' "*Node" lines,
// part-based and flat, with and without user labels, and none for a node
// the deck does not write.
#include "aif/impl/model/aif_NodeReferences.h"

#include <optional>
#include <string>

#include "aif_MeshTestSupport.h"

namespace {

// The label as text, "none" when there is none.
std::string Shown(std::optional<long long> label) {
  return label ? std::to_string(*label) : "none";
}

TEST(aif_NodeReferences, LabelsOfTheNodeBlocks) {
  // Part U: eight nodes carrying user labels 80, 70, ..., 10; part N: eight
  // nodes without, and a reference point (label 9, after the mesh). Two
  // instances of U collide; the one of N follows.
  hst_ModelBuilder b;
  auto labelled = hst_GridMesh(1, 1, 1);
  labelled->MutableNodeData().MutableUserNodeLabels() = {80, 70, 60, 50, 40, 30, 20, 10};
  b.AddPart("U", labelled);
  b.AddPart("N", hst_GridMesh(1, 1, 1), ptoK_DEFORMABLE, ptoK_SPACE_3D, 1);
  const unsigned first = b.AddInstance("U-1", "U");
  const unsigned second = b.AddInstance("U.2", "U");
  const unsigned plain = b.AddInstance("N-1", "N");

  // Flat: each instance numbered by node index from its offset (1, 9, 17).
  aif_test::MeshContext flat(b, true);
  aif_NodeReferences flatNodes(*flat.info);
  EXPECT_EQ(Shown(flatNodes.Label(first, 80)), "1");
  EXPECT_EQ(Shown(flatNodes.Label(first, 10)), "8");
  EXPECT_EQ(Shown(flatNodes.Label(second, 60)), "11");
  EXPECT_EQ(Shown(flatNodes.Label(plain, 3)), "19");
  EXPECT_EQ(flatNodes.Text(second, 60), "11");
  // The reference point's node follows N-1's eight nodes.
  EXPECT_EQ(Shown(flatNodes.Label(plain, 9)), "25");
  // A label the mesh does not carry, a node past the mesh, an unknown
  // feature: no node.
  EXPECT_EQ(Shown(flatNodes.Label(first, 3)), "none");
  EXPECT_EQ(Shown(flatNodes.Label(plain, 10)), "none");
  EXPECT_EQ(Shown(flatNodes.Label(plain, 0)), "none");
  EXPECT_EQ(Shown(flatNodes.Label(77, 1)), "none");
  EXPECT_EQ(flatNodes.Text(77, 1), "");

  // Part-based: the mesh labels, named through the (quoted) instance.
  aif_test::MeshContext parts(b, false);
  aif_NodeReferences partNodes(*parts.info);
  EXPECT_EQ(partNodes.Text(first, 80), "U-1.80");
  EXPECT_EQ(partNodes.Text(second, 60), "\"U.2\".60");
  EXPECT_EQ(partNodes.Text(plain, 8), "N-1.8");
  EXPECT_EQ(partNodes.Text(plain, 9), "N-1.9");
  EXPECT_EQ(partNodes.Text(first, 3), "");

  // Flat without a collision: the user labels stand as they are.
  hst_ModelBuilder single;
  single.AddPart("U", labelled);
  const unsigned only = single.AddInstance("U-1", "U");
  aif_test::MeshContext kept(single, true);
  aif_NodeReferences keptNodes(*kept.info);
  EXPECT_EQ(Shown(keptNodes.Label(only, 60)), "60");
  EXPECT_EQ(keptNodes.Text(only, 10), "10");
}

}  // namespace
