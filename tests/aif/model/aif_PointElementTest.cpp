// "*Element" of one-node elements: node references per instance and file
// kind, labels from the context, and the list form that repeats a fastener
// template's point elements once per copy.
#include <initializer_list>
#include <string>
#include <utility>

#include "ModKerLow/asoF_PartInstance.h"
#include "aif/impl/model/aif_PointElement.h"
#include "aif_MeshTestSupport.h"

namespace {

using aif_test::KeywordText;

// Maps of lists from brace-enclosed pairs.
template <class K>
cow_Map<K, cow_List<int>> Map(std::initializer_list<std::pair<const K, cow_List<int>>> items) {
  cow_Map<K, cow_List<int>> map;
  for (const auto& [key, list] : items)
    map.Set(key, list);
  return map;
}
const auto Nodes = Map<int>;
const auto Keyed = Map<cow_String>;

// Two instances of a one-brick part (8 nodes, element 1): ids 1 and 2.
struct Write : aif_test::MeshContext {
  explicit Write(bool flat) : MeshContext(Blocks(), flat) {}
  static hst_ModelBuilder Blocks() {
    hst_ModelBuilder b;
    b.AddPart("Block", hst_GridMesh(1, 1, 1));
    b.AddInstance("Block-1", "Block");
    b.AddInstance("Block-2", "Block");
    return b;
  }
};

TEST(aif_PointElement, MapFormReferencesNodesPerFileKind) {
  Write partBased(false);
  // A node listed twice is written once; its label is reserved but unused.
  aif_PointElement twice(Nodes({{1, {5, 7, 5}}}), 1, false, "MASS", "Pt_MASS_", *partBased.info);
  EXPECT_EQ(KeywordText(twice),
            "*Element, type=MASS, elset=Pt_MASS_\n2, Block-1.5\n3, Block-1.7\n");
  EXPECT_EQ(partBased.info->NextElementLabel("Block-1"), 5);
  // Assembly nodes: no instance name; no element set option without a name.
  aif_PointElement assembly(Nodes({{2, {4}}}), 2, true, "HEATCAP", "", *partBased.info);
  EXPECT_EQ(KeywordText(assembly), "*Element, type=HEATCAP\n2, 4\n");

  // Flat, colliding labels: Block-1 nodes are shifted by 1, Block-2 by 9.
  Write flat(true);
  aif_PointElement perInstance(Nodes({{1, {0}}, {2, {0, 3}}}), 1, false, "MASS", "M", *flat.info);
  EXPECT_EQ(KeywordText(perInstance), "*Element, type=MASS, elset=M\n3, 1\n4, 9\n5, 12\n");
  // Assembly nodes take the offset of the keyword's own instance.
  aif_PointElement own(Nodes({{1, {2}}}), 2, true, "ROTARYI", "R", *flat.info);
  EXPECT_EQ(KeywordText(own), "*Element, type=ROTARYI, elset=R\n6, 11\n");

  // A set name that would carry the line past 256 characters goes on the next
  // line; the keyword line ends with its comma and blank.
  const std::string longSet = std::string(120, 'I') + "_" + std::string(110, 'P') + "_HEATCAP_";
  aif_PointElement longName(Nodes({{1, {2}}}), 2, true, "HEATCAP", longSet.c_str(), *flat.info);
  EXPECT_EQ(KeywordText(longName), "*Element, type=HEATCAP, \nelset=" + longSet + "\n7, 11\n");
}

// The list form takes its labels from the context as it writes: one write.
std::string ListText(const aif_PointElement& keyword) {
  return aif_test::StreamText([&](utl_Stream& s) { keyword.Write(s); });
}

// A template with the part instances "Inst-1" (id 7) and "Bolt 2" (id 8).
ftr_FeatureList Template() {
  ftr_FeatureList features;
  const char* names[] = {"Inst-1", "Bolt 2"};
  for (unsigned id = 7; id <= 8; ++id) {
    asoF_PartInstance instance;
    instance.SetId(id);
    instance.SetName(names[id - 7]);
    features.Add(instance);
  }
  return features;
}

TEST(aif_PointElement, ListFormRepeatsNodesPerCopyAndRefusesUnmappedNodes) {
  Write partBased(false);
  const auto renumbering =
      Keyed({{"Fast_Inst-1", {1, 200, 4, 101, 5, 300, 4, 999}}, {"Fast_Bolt 2", {2, 50}}});
  const auto steps = Keyed({{"Fast_Inst-1", {3, 20}}, {"Fast_Bolt 2", {5, 0}}});
  // Id 9 is no template instance and there is no "ASSY" list: skipped.
  const auto nodes = Nodes({{7, {3, 0}}, {8, {1}}, {9, {1}}});
  int counter = 40;
  aif_PointElement mass(renumbering, steps, {}, "", "Fast_", Template(), nodes, false, "MASS",
                        "Fast_MASS", *partBased.info, 3, counter);
  EXPECT_EQ(counter, 9);
  EXPECT_EQ(ListText(mass),
            "*Element, type=MASS, elset=Fast_MASS\n"
            "1, Fast_Inst-1.101\n2, Fast_Inst-1.121\n3, Fast_Inst-1.141\n"
            "4, Fast_Inst-1.200\n5, Fast_Inst-1.220\n6, Fast_Inst-1.240\n"
            "7, \"Fast_Bolt 2\".50\n8, \"Fast_Bolt 2\".55\n9, \"Fast_Bolt 2\".60\n");

  // Assembly nodes in a part-based file count on from the caller's label.
  counter = 40;
  aif_PointElement plain(Keyed({{"ASSY", {3, 7}}}), Keyed({}), {}, "ASSY", "", Template(),
                         Nodes({{1000, {2}}}), true, "MASS", "Point", *partBased.info, 2, counter);
  EXPECT_EQ(counter, 2);
  EXPECT_EQ(ListText(plain), "*Element, type=MASS, elset=Point\n41, 7\n42, 8\n");
  // An empty key prefix: the keys are the instance names alone.
  counter = 0;
  aif_PointElement byName(Keyed({{"Inst-1", {1, 5}}}), Keyed({{"Inst-1", {1, 0}}}), {}, "", "",
                          Template(), Nodes({{7, {0}}}), false, "MASS", "Point", *partBased.info, 2,
                          counter);
  EXPECT_EQ(ListText(byName), "*Element, type=MASS, elset=Point\n10, Inst-1.5\n11, Inst-1.6\n");

  // Flat: plain labels, element labels from the file's counter.
  Write flat(true);
  counter = 0;
  aif_PointElement flatMass(renumbering, steps, {}, "", "Fast_", Template(), Nodes({{7, {3}}}),
                            false, "MASS", "Fast_M", *flat.info, 2, counter);
  EXPECT_EQ(ListText(flatMass), "*Element, type=MASS, elset=Fast_M\n3, 101\n4, 121\n");

  // A node without a usable renumbered label: no element may point at it.
  auto make = [&](const cow_List<int>& pairs) {
    int count = 0;
    aif_PointElement(Keyed({{"F_Inst-1", pairs}}), Keyed({{"F_Inst-1", {2, 0}}}), {}, "", "F_",
                     Template(), Nodes({{7, {0, 5}}}), false, "MASS", "F_M", *flat.info, 2, count);
  };
  for (const cow_List<int>& pairs : {cow_List<int>{1, 10}, cow_List<int>{1, 10, 6, 0}})
    EXPECT_EQ(aif_test::MessageOf([&] { make(pairs); }),
              "Node 6 of the fastener template instance F_Inst-1 has no renumbered label in the "
              "fastener copies.");
  EXPECT_NO_THROW(make({1, 10, 6, 12}));
}

// A fastener prefix holding "_" ("Bolt_M8"): the masses are keyed by the
// prefix given; cut from the set name at its first "_" the key would be
// "Bolt_Inst-1" and the masses skipped in silence.
TEST(aif_PointElement, ListFormKeysByTheGivenPrefix) {
  Write partBased(false);
  int counter = 0;
  const aif_PointElement bolt(Keyed({{"Bolt_M8_Inst-1", {1, 5}}, {"Bolt_Inst-1", {1, 90}}}),
                              Keyed({{"Bolt_M8_Inst-1", {1, 0}}}), {}, "", "Bolt_M8_", Template(),
                              Nodes({{7, {0}}}), false, "MASS", "Bolt_M8_Head", *partBased.info, 2,
                              counter);
  EXPECT_EQ(counter, 2);
  EXPECT_EQ(ListText(bolt),
            "*Element, type=MASS, elset=Bolt_M8_Head\n1, Bolt_M8_Inst-1.5\n2, Bolt_M8_Inst-1.6\n");
}

// An instance with a mesh and two reference points: the mesh node's copies
// step by the mesh's node count, each reference point's copies take
// consecutive labels (listed as consecutive), so its masses land on its own
// copies rather than on the next reference point or a mesh node.
TEST(aif_PointElement, ListFormNumbersReferencePointCopiesConsecutively) {
  Write flat(true);  // its two blocks hold elements 1 and 2
  int counter = 0;
  // Mesh node 1 -> 101 (12 nodes a copy); reference points 13 -> 125 and
  // 14 -> 127, each point's three copies one apart.
  const aif_PointElement masses(Keyed({{"F_Inst-1", {1, 101, 13, 125, 14, 127}}}),
                                Keyed({{"F_Inst-1", {1, 12}}}), Keyed({{"F_Inst-1", {13, 14}}}), "",
                                "F_", Template(), Nodes({{7, {0, 12, 13}}}), false, "MASS", "F_M",
                                *flat.info, 2, counter);
  EXPECT_EQ(counter, 6);
  EXPECT_EQ(ListText(masses),
            "*Element, type=MASS, elset=F_M\n3, 101\n4, 113\n5, 125\n6, 126\n7, 127\n8, 128\n");
}

}  // namespace
