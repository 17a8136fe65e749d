// "*Normal" of a fastener template instance: normals from the first two nodes
// and the direction, turned by the instance and each copy, labels shifted per
// copy; elements without a direction of their own and unmapped nodes.
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "VwrCmd/cmdC_WIP.h"
#include "aif/impl/model/aif_Normal.h"
#include "aif_MeshTestSupport.h"

namespace {

using aif_test::KeywordText;
using Context = aif_test::MeshContext;

asoF_PartInstance Template(std::shared_ptr<bme_Mesh> mesh) {
  auto part = std::make_shared<ptoK_Part>("Tmpl");
  part->SetMesh(std::move(mesh));
  asoF_PartInstance instance;
  instance.SetName("Tmpl-1");
  instance.SetPart(part);
  return instance;
}

// Beams on three nodes (0, 0, 0), (2, 0, 0), (2, 1, 0); by default one along
// x and one along y, whose normals about z are -y and +x.
std::shared_ptr<bme_Mesh> Beams(std::vector<int> connectivity = {0, 1, 1, 2},
                                std::vector<int> nodeLabels = {},
                                std::vector<int> elementLabels = {}) {
  auto mesh = std::make_shared<bme_Mesh>();
  mesh->MutableNodeData().MutableCoordinates() = {0, 0, 0, 2, 0, 0, 2, 1, 0};
  mesh->MutableNodeData().MutableUserNodeLabels() = std::move(nodeLabels);
  bme_ElementClass& beams = mesh->AddElementClass("B31", 2);
  beams.MutableConnectivity() = std::move(connectivity);
  beams.MutableUserLabels() = std::move(elementLabels);
  return mesh;
}

gsl_Matrix QuarterTurnAboutZ() {
  return gsl_Matrix::AxisRotation(gsl_Point(), gsl_Vector(0, 0, 1), std::numbers::pi / 2);
}

// Template node label n to first + (n - from).
cow_Btree<int, int> NodeMap(int from, int count, int first) {
  cow_Btree<int, int> map;
  for (int n = from; n < from + count; ++n)
    map.Set(n, first + n - from);
  return map;
}

TEST(aif_Normal, CopiesShiftLabelsAndTurnTheNormals) {
  const Context partBased(hst_ModelBuilder(), false);
  // The second copy turns a quarter about z; its near-zero components print as "0.".
  aif_Normal normals(*partBased.info, Template(Beams()), {gsl_Matrix(), QuarterTurnAboutZ()},
                     NodeMap(1, 3, 11), gsl_Vector(0, 0, 2), 500);
  EXPECT_EQ(KeywordText(normals),
            "*Normal\n"
            "1, 11, 0., -1., 0.\n1, 12, 0., -1., 0.\n2, 12, 1., 0., 0.\n2, 13, 1., 0., 0.\n"
            "3, 14, 1., 0., 0.\n3, 15, 1., 0., 0.\n4, 15, 0., 1., 0.\n4, 16, 0., 1., 0.\n");

  // Flat: element labels count from the given first label; user labels of
  // nodes and elements are used; the instance's placement turns the normals.
  const Context flat(hst_ModelBuilder(), true);
  asoF_PartInstance placed = Template(Beams({0, 1, 1, 2}, {7, 8, 9}, {20, 30}));
  placed.SetTransform(QuarterTurnAboutZ());
  const cow_Btree<int, int> map = NodeMap(7, 3, 41);
  EXPECT_EQ(
      KeywordText(aif_Normal(*flat.info, placed, {gsl_Matrix()}, map, gsl_Vector(0, 0, 1), 101)),
      "*Normal\n120, 41, 1., 0., 0.\n120, 42, 1., 0., 0.\n130, 42, 0., 1., 0.\n"
      "130, 43, 0., 1., 0.\n");

  EXPECT_EQ(KeywordText(aif_Normal(*flat.info, Template(nullptr), {gsl_Matrix()}, map,
                                   gsl_Vector(0, 0, 1), 1)),
            "");
}

TEST(aif_Normal, ElementsWithoutADirectionAreLeftOutAndUnmappedNodesAreErrors) {
  const Context partBased(hst_ModelBuilder(), false);
  // Element 2 has coincident first nodes; the MASS class has one node.
  auto mesh = Beams({0, 1, 1, 1});
  mesh->AddElementClass("MASS", 1).MutableConnectivity() = {2};
  cmdC_WIP::Clear();
  aif_Normal normals(*partBased.info, Template(mesh), {gsl_Matrix(), gsl_Matrix()},
                     NodeMap(1, 3, 11), gsl_Vector(0, 0, 1), 1);
  EXPECT_EQ(aif_test::StreamText([&](utl_Stream& s) { normals.Write(s); }),
            "*Normal\n1, 11, 0., -1., 0.\n1, 12, 0., -1., 0.\n4, 14, 0., -1., 0.\n"
            "4, 15, 0., -1., 0.\n");
  EXPECT_EQ(cmdC_WIP::Texts(cmdC_WIP::Kind::Warning),
            std::vector<std::string>(
                {"No normal is written for element 2 of instance Tmpl-1: its first two nodes "
                 "coincide.",
                 "No normals are written for the MASS elements of instance Tmpl-1: they have a "
                 "single node."}));

  // Node 3 has no label in the copies.
  EXPECT_EQ(aif_test::ErrorOf(aif_Normal(*partBased.info, Template(Beams()), {gsl_Matrix()},
                                         NodeMap(1, 2, 11), gsl_Vector(0, 0, 1), 1)),
            "Node 3 of the fastener template instance Tmpl-1 has no label in the fastener copies.");
}

}  // namespace
