// "*Element" blocks: connectivity rows of mesh classes grouped by type, the
// width and line-break rules, label rules, single elements, elements held in a
// file with their label-table record, template copies and the refusals.
#include "aif/impl/model/aif_Element.h"

#include <numeric>
#include <vector>

#include "aif/impl/model/aif_ElementFromMesh.h"
#include "aif_MeshTestSupport.h"

namespace {

using aif_test::ErrorOf;
using aif_test::KeywordText;

struct Context : aif_test::MeshContext {
  using MeshContext::MeshContext;
  std::string Elements(unsigned id) const {
    return KeywordText(aif_ElementFromMesh(*info, static_cast<int>(id)));
  }
  const bme_Mesh& MeshOf(unsigned id) const { return *Features().ConstGetMesh(id); }
};

// `nodes` nodes at the origin and one element class per entry of `classes`
// (type, nodes per element, connectivity).
struct Class {
  const char* type;
  int perElement;
  std::vector<int> connectivity;
  std::vector<int> labels = {};
};
std::shared_ptr<bme_Mesh> Mesh(int nodes, std::vector<Class> classes) {
  auto mesh = std::make_shared<bme_Mesh>();
  mesh->MutableNodeData().MutableCoordinates().assign(3 * static_cast<std::size_t>(nodes), 0.0f);
  for (Class& c : classes) {
    bme_ElementClass& added = mesh->AddElementClass(c.type, c.perElement);
    added.MutableConnectivity() = std::move(c.connectivity);
    added.MutableUserLabels() = std::move(c.labels);
  }
  return mesh;
}

std::vector<int> Range(int count, int first = 0) {
  std::vector<int> v(static_cast<std::size_t>(count));
  std::iota(v.begin(), v.end(), first);
  return v;
}

TEST(aif_Element, RowsBreakAfter15NodesThenEvery16AndTypesShareOneLine) {
  hst_ModelBuilder b;
  b.AddPart(
      "Mixed",
      Mesh(20, {{"C3D20", 20, Range(20)}, {"C3D16", 16, Range(16, 4)}, {"C3D20", 20, Range(20)}}));
  b.AddPart("Small", Mesh(9, {{"T3D2", 2, {0, 8, 8, 1}}}));
  auto big = Mesh(2, {{"T3D2", 2, {0, 1}}});
  big->MutableNodeData().MutableUserNodeLabels() = {1234567, 7};
  b.AddPart("Big", big);
  const unsigned mixed = b.AddInstance("Mixed-1", "Mixed");
  const unsigned small = b.AddInstance("Small-1", "Small");
  const unsigned labelled = b.AddInstance("Big-1", "Big");
  const unsigned locked = b.AddInstance("Small-2", "Small", {.locks = ftr_LOCK_MESH});
  Context c(b, false);
  EXPECT_EQ(c.Elements(mixed),
            "*Element, type=C3D16\n"
            "2,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,\n"
            "   20\n"
            "*Element, type=C3D20\n"
            "1,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15,\n"
            "   16, 17, 18, 19, 20\n"
            "3,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15,\n"
            "   16, 17, 18, 19, 20\n");
  // Largest node label 9: width 2; the element width is that of label 3,
  // the one after the last row.
  EXPECT_EQ(c.Elements(small), "*Element, type=T3D2\n1, 1, 9\n2, 9, 2\n");
  // Seven digits: width 7, not 8.
  EXPECT_EQ(c.Elements(labelled), "*Element, type=T3D2\n1,1234567,      7\n");
  EXPECT_EQ(c.Elements(locked), "");
}

TEST(aif_Element, LabelRules) {
  hst_ModelBuilder b;
  b.AddPart("Bar", Mesh(3, {{"T3D2", 2, {0, 1, 1, 2}}, {"T3D2", 2, {2, 0}, {70}}}));
  const unsigned first = b.AddInstance("Bar-1", "Bar");
  const unsigned second = b.AddInstance("Bar-2", "Bar");
  // Part-based: user labels where the class has them, else index + 1.
  EXPECT_EQ(Context(b, false).Elements(first), "*Element, type=T3D2\n1, 1, 2\n2, 2, 3\n70, 3, 1\n");
  // Flat with colliding labels: the second instance follows the first.
  Context flat(b, true);
  EXPECT_EQ(flat.Elements(second), "*Element, type=T3D2\n4, 4, 5\n5, 5, 6\n6, 6, 4\n");
  // An instance the numbering never saw (offsets 0): labels from 1, none twice.
  const bme_Mesh& mesh = flat.MeshOf(first);
  EXPECT_EQ(KeywordText(aif_Element(*flat.info, mesh.ElementClasses()[0], mesh, 77)),
            "1, 1, 2\n2, 2, 3\n");
}

TEST(aif_Element, SingleElements) {
  auto mass = bme_ElementClass::ConstructObject("MASS");
  EXPECT_EQ(KeywordText(aif_Element(5, 12, *mass, "_Pt_MASS_")),
            "*Element, type=MASS, elset=_Pt_MASS_\n5, 12\n");
  EXPECT_EQ(KeywordText(aif_Element(17, 3, cow_String("SPRING1"), "")),
            "*Element, type=SPRING1\n17, 3\n");
  // A set name that would carry the line past 256 characters goes on the next.
  const std::string longSet(230, 'S');
  EXPECT_EQ(KeywordText(aif_Element(5, 12, *mass, longSet.c_str())),
            "*Element, type=MASS, \nelset=" + longSet + "\n5, 12\n");
  EXPECT_EQ(ErrorOf(aif_Element(0, 3, *mass, "")),
            "The element of type MASS would be written with label 0; labels must lie between 1 "
            "and 2147483647.");
}

TEST(aif_Element, FileElementsAndTheirRecord) {
  auto held = Mesh(3, {{"C3D8", 8, {}}});
  held->SetElementFile("U1", "elements.dat");
  auto overridden = Mesh(2, {{"T3D2", 2, {0, 1}}});
  overridden->SetElementFile("U1", "elements.dat");
  overridden->SetOverridesFileElements(true);
  hst_ModelBuilder b;
  b.AddPart("Held", held);
  b.AddPart("Overridden", overridden);
  const ftr_Theory file{.fileElements = true};
  const unsigned id = b.AddInstance("Held-1", "Held", {.theory = file});
  const unsigned other = b.AddInstance("Overridden-1", "Overridden", {.theory = file});
  Context flat(b, true);
  EXPECT_EQ(flat.Elements(id), "*Element, type=U1, file=elements.dat\n1, 1, 2, 3\n");
  const auto* record = flat.info->LabelTable()->Find(static_cast<int>(id));
  ASSERT_NE(record, nullptr);
  EXPECT_EQ((*record)->Name(), "U1");
  EXPECT_EQ((*record)->FirstLabel(), 1);
  EXPECT_EQ(flat.Elements(other), "*Element, type=T3D2\n1, 4, 5\n");
  // Part-based: no label table, the element is still written.
  EXPECT_EQ(Context(b, false).Elements(id), "*Element, type=U1, file=elements.dat\n1, 1, 2, 3\n");
}

TEST(aif_Element, TemplateCopiesAndRefusals) {
  hst_ModelBuilder b;
  b.AddPart("Bar", Mesh(2, {{"T3D2", 2, {0, 1, 1, 0}}}));
  b.AddPart("Outside", Mesh(2, {{"T3D2", 2, {0, 2}}}));
  b.AddPart("Zero", Mesh(2, {{"T3D2", 2, {0, 1}, {0}}}));
  const unsigned bar = b.AddInstance("Bar-1", "Bar");
  const unsigned outside = b.AddInstance("Outside-1", "Outside");
  const unsigned zero = b.AddInstance("Zero-1", "Zero");
  Context c(b, false);
  const bme_Mesh& mesh = c.MeshOf(bar);
  const bme_ElementClass& bars = mesh.ElementClasses()[0];
  // Labels 1 and 2 become 101 and 102; the second copy is shifted by 2 nodes
  // and 2 elements.
  EXPECT_EQ(KeywordText(aif_Element(*c.info, bars, mesh, {1, 101, 2, 102}, 2, 0, 10)),
            "13, 103, 104\n14, 104, 103\n");
  EXPECT_EQ(ErrorOf(aif_Element(*c.info, bars, mesh, {1, 101}, 0, 0, 10)),
            "Node 2 of the fastener template has no label in the copies of the template.");
  EXPECT_EQ(ErrorOf(aif_ElementFromMesh(*c.info, static_cast<int>(outside))),
            "An element of type T3D2 of instance Outside-1 refers to node index 2, but the mesh "
            "has 2 nodes.");
  EXPECT_EQ(ErrorOf(aif_ElementFromMesh(*c.info, static_cast<int>(zero))),
            "The elements of instance Zero-1 would be written with label 0; labels must lie "
            "between 1 and 2147483647.");
}

}  // namespace
