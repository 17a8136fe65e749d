// "*Node" blocks of meshes and of nodes given as lists: data lines, label
// rules, node subsets, the small-real threshold and the refusals.
#include "aif/impl/model/aif_Node.h"

#include <cstdlib>
#include <vector>

#include "aif/impl/model/aif_RawNode.h"
#include "aif_MeshTestSupport.h"

namespace {

using aif_test::ErrorOf;
using aif_test::KeywordText;
using Context = aif_test::MeshContext;

// Three nodes; with `labels`, their user labels.
std::shared_ptr<bme_Mesh> Triangle(std::vector<int> labels = {}) {
  auto mesh = hst_Mesh({0, 0, 0, 3, 4, -2, 0.125f, 4e-12f, 1e-11f}, "CPS3", 3, {0, 1, 2});
  mesh->MutableNodeData().MutableUserNodeLabels() = std::move(labels);
  return mesh;
}

// The label column of the data lines.
std::string Labels(const std::string& text) {
  std::string column;
  for (std::size_t at = text.find('\n'); at + 1 < text.size(); at = text.find('\n', at + 1))
    column += std::to_string(std::atoi(text.c_str() + at + 1)) + " ";
  return column;
}

TEST(aif_Node, LinesIn3DAnd2DWithTheSmallRealThreshold) {
  hst_ModelBuilder b;
  b.AddPart("Solid", Triangle());
  b.AddPart("Plane", Triangle(), ptoK_DEFORMABLE, ptoK_SPACE_2D);
  const unsigned solid = b.AddInstance("Solid-1", "Solid");
  const unsigned plane = b.AddInstance("Plane-1", "Plane");
  b.AddAssemblyNodes(hst_Mesh({1, 2, 3}, "C3D8", 8, {}), 0);
  Context c(b, false);
  // The box diagonal is sqrt(29): 4e-12 lies below 1e-12 times it, 1e-11 not.
  EXPECT_EQ(KeywordText(aif_Node(c.Instance(solid), *c.info)),
            "*Node\n"
            "      1,           0.,           0.,           0.\n"
            "      2,           3.,           4.,          -2.\n"
            "      3,        0.125,           0., 9.99999996e-12\n");
  EXPECT_EQ(KeywordText(aif_Node(c.Instance(plane), *c.info)),
            "*Node\n"
            "      1,           0.,           0.\n"
            "      2,           3.,           4.\n"
            "      3,        0.125,           0.\n");
  // The assembly's own node: three-dimensional, as one of its instances is.
  EXPECT_EQ(KeywordText(aif_Node(*c.info->Assembly(), *c.info)),
            "*Node\n      1,           1.,           2.,           3.\n");
}

TEST(aif_Node, LabelRulesSubsetsLocksAndDisplayMeshes) {
  auto subset = Triangle({40, 50, 60});
  subset->SetNodeSubset({2, 0});
  auto display = std::make_shared<bme_Mesh>();  // no elements: shown through its display mesh
  display->SetDisplayMesh(Triangle());
  hst_ModelBuilder b;
  b.AddPart("Plain", Triangle());
  b.AddPart("Labelled", subset);
  b.AddPart("Display", display);
  const unsigned first = b.AddInstance("Plain-1", "Plain");
  const unsigned second = b.AddInstance("Plain-2", "Plain");
  const unsigned labelled = b.AddInstance("Labelled-1", "Labelled");
  const unsigned shown = b.AddInstance("Display-1", "Display");
  const unsigned locked = b.AddInstance("Plain-3", "Plain", {.locks = ftr_LOCK_MESH});

  Context parts(b, false);  // labels usable: user labels, else index + 1
  auto nodes = [](const Context& c, const asoF_PartInstance& instance) {
    return KeywordText(aif_Node(instance, *c.info));
  };
  EXPECT_EQ(Labels(nodes(parts, parts.Instance(first))), "1 2 3 ");
  EXPECT_EQ(nodes(parts, parts.Instance(labelled)),
            "*Node\n"
            "     60,        0.125,           0., 9.99999996e-12\n"
            "     40,           0.,           0.,           0.\n");
  EXPECT_EQ(Labels(nodes(parts, parts.Instance(shown))), "1 2 3 ");
  EXPECT_EQ(nodes(parts, parts.Instance(locked)), "");

  Context flat(b, true);  // labels collide: instances numbered one after the other
  ASSERT_FALSE(flat.info->NodeLabelsUsable());
  EXPECT_EQ(Labels(nodes(flat, flat.Instance(first))), "1 2 3 ");
  EXPECT_EQ(Labels(nodes(flat, flat.Instance(second))), "4 5 6 ");
  // An instance the numbering never saw (offset 0) still starts at 1.
  asoF_PartInstance stranger = flat.Instance(first);
  stranger.SetId(77);
  EXPECT_EQ(Labels(nodes(flat, stranger)), "1 2 3 ");
}

TEST(aif_Node, LabelsBelowOneAndBadSubsetsAreRefused) {
  auto outside = Triangle();
  outside->SetNodeSubset({0, 3});
  hst_ModelBuilder b;
  b.AddPart("Zero", Triangle({0, 1, 2}));
  b.AddPart("Outside", outside);
  const unsigned zero = b.AddInstance("Zero-1", "Zero");
  const unsigned bad = b.AddInstance("Outside-1", "Outside");
  Context c(b, false);
  EXPECT_EQ(ErrorOf(aif_Node(c.Instance(zero), *c.info)),
            "The nodes of instance Zero-1 would be written with label 0; node labels must lie "
            "between 1 and 2147483647.");
  EXPECT_EQ(ErrorOf(aif_Node(c.Instance(bad), *c.info)),
            "The node subset of instance Outside-1 names node index 3, but the mesh has 3 nodes.");
}

TEST(aif_RawNode, ListsAndNodeSets) {
  EXPECT_EQ(KeywordText(aif_RawNode({7, 9}, {1, 0}, {0.5f, 2}, {0, -1}, true)),
            "*Node\n"
            "      7,           1.,          0.5,           0.\n"
            "      9,           0.,           2.,          -1.\n");
  EXPECT_EQ(KeywordText(aif_RawNode({}, {}, {}, {}, true)), "");
  // A flat file's node set is not internal.
  EXPECT_EQ(KeywordText(aif_RawNode(12, 1, 2, 3, false, "_Block-RefPt_")),
            "*Node\n     12,           1.,           2.,           3.\n"
            "*Nset, nset=_Block-RefPt_\n12, \n");

  EXPECT_EQ(ErrorOf(aif_RawNode(0, 1, 2, 3, true, "Set")),
            "The node label 0 cannot be written; node labels begin at 1.");
  EXPECT_THROW(aif_RawNode({1, 2}, {0}, {0, 0}, {0, 0}, true), aif_Exception);
}

}  // namespace
