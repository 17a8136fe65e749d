// "*Elset": each constructor with its members and refusals, string members,
// internal names, wire elements of the assembly's edges and the substructure
// label-table substitution.
#include "aif/impl/model/aif_Elset.h"

#include "ModKerLow/rgnF_Set.h"
#include "ModKerLow/rgnK_Region.h"
#include "aif_MeshTestSupport.h"

namespace {

using aif_test::KeywordText;
using aif_test::MeshContext;
using aif_test::MessageOf;

rgnF_Set Set(int flags, std::initializer_list<std::pair<int, cow_List<int>>> members) {
  rgnC_Region region("S", {"P"}, flags);
  for (const auto& [id, indices] : members)
    region.SetKernelElementIndices(id, indices);
  return rgnF_Set(region);
}

struct Model {
  Model() {
    b.AddPart("P", hst_GridMesh(4, 1, 1));
    first = b.AddInstance("P-1", "P");
    second = b.AddInstance("P-2", "P");
  }
  hst_ModelBuilder b;
  unsigned first = 0, second = 0;
};

TEST(aif_Elset, ConstructorsAndTheirRefusals) {
  Model m;
  MeshContext c(m.b, false);
  const asoF_PartInstance& p1 = c.Instance(m.first);
  const int id1 = static_cast<int>(m.first), id2 = static_cast<int>(m.second);

  // A set of an instance's part: no instance option, labels from 1.
  EXPECT_EQ(KeywordText(aif_Elset(p1, Set(0, {{id1, {0, 3}}}), "Top", *c.info)),
            "*Elset, elset=Top\n 1, 4\n");
  EXPECT_EQ(KeywordText(aif_Elset(true, "All", p1, *c.info)),
            "*Elset, elset=All, instance=P-1, generate\n 1,  4,  1\n");
  // A set of the assembly over two instances.
  EXPECT_EQ(KeywordText(aif_Elset("_A", Set(1, {{id2, {1}}, {id1, {0, 1, 2}}}), *c.info)),
            "*Elset, elset=_A, internal, instance=P-1, generate\n 1,  3,  1\n"
            "*Elset, elset=_A, internal, instance=P-2\n 2,\n");
  // Members of the assembly itself have no instance to name.
  aif_Elset::LabelsById own;
  own.Set(1000, {5, 6});
  EXPECT_EQ(KeywordText(aif_Elset("Own", own, true, *c.info)), "*Elset, elset=Own\n 5, 6\n");

  for (int flags : {4, 12}) {
    EXPECT_EQ(MessageOf([&] { aif_Elset(p1, Set(flags, {}), "F", *c.info); }),
              "Cannot create elset from this region");
    EXPECT_EQ(MessageOf([&] { aif_Elset("F", Set(flags, {}), *c.info); }),
              "Cannot create elset from this region");
    EXPECT_EQ(MessageOf([&] {
                aif_Elset(rgnK_Region(nullptr, "M", Set(flags, {}).Region()), "Fast_1", id1, 2, 10,
                          0, *c.info);
              }),
              "Cannot create elset Fast_1 from region");
  }
  EXPECT_EQ("no error", MessageOf([&] { aif_Elset(p1, Set(5, {}), "F", *c.info); }));

  // Fastener template copies: e + c * stride + 1 part-based, + base offset flat.
  const rgnK_Region copies(nullptr, "M", Set(1, {{id1, {0, 2}}}).Region());
  EXPECT_EQ(KeywordText(aif_Elset(copies, "Fast_1", id1, 2, 10, 100, *c.info)),
            "*Elset, elset=Fast_1\n  1,  3, 11, 13\n");
  MeshContext flat(m.b, true);
  EXPECT_EQ(KeywordText(aif_Elset(copies, "Fast_1", id1, 2, 10, 100, *flat.info)),
            "*Elset, elset=Fast_1\n 100, 102, 110, 112\n");

  // A fastener template's assembly set: keyed by the prefix given and the
  // instance name, from the start label, copies a mesh's element count apart.
  aif_Elset::LabelsByName starts;
  starts.Set("Fast_P-1", {-3});
  starts.Set("Fast_P-2", {});
  const aif_Elset assembly(*c.info->Assembly(), Set(1, {{id1, {0, 1}}, {id2, {0}}}), "\"Fast_x y\"",
                           "Fast_", 2, starts, *c.info);
  EXPECT_EQ(KeywordText(assembly), "*Elset, elset=\"Fast_x y\", instance=Fast_P-1\n 1, 2, 5, 6\n");
  // A prefix holding "_" ("Bolt_M8"): the members are keyed by it, not by
  // the set name up to its first "_" ("Bolt_P-1", whose start would be read).
  aif_Elset::LabelsByName boltStarts;
  boltStarts.Set("Bolt_M8_P-1", {7});
  boltStarts.Set("Bolt_P-1", {100});
  const aif_Elset bolt(*c.info->Assembly(), Set(1, {{id1, {0, 1}}}), "Bolt_M8_Grip", "Bolt_M8_", 2,
                       boltStarts, *c.info);
  EXPECT_EQ(KeywordText(bolt),
            "*Elset, elset=Bolt_M8_Grip, instance=Bolt_M8_P-1\n  7,  8, 11, 12\n");
}

TEST(aif_Elset, StringMembersInternalNamesWiresAndSubstructures) {
  Model m;
  MeshContext c(m.b, false);
  aif_Elset::LabelsById labels;
  labels.Set(static_cast<int>(m.first), {2});
  aif_Elset named("_E", labels, false, *c.info);
  named.SetStringMembers({"P-1.A", "Other"});
  EXPECT_EQ(KeywordText(named),
            "*Elset, elset=_E, internal\nP-1.A, \nOther, \n*Elset, elset=_E, internal\n 2,\n");
  aif_Elset plain("Plain", aif_Elset::LabelsById(), false, *c.info);
  plain.SetPlainLabels({7});
  EXPECT_TRUE(plain.IsEmpty());

  // Wire and attachment-line edges take the connector elements written for them.
  rgnC_Region edges("W", {"Assembly"}, 1);
  rgnC_GeomComponent wire{.kind = rgnC_GeomComponent::kEdge, .index = 3, .nonMeshable = true};
  rgnC_GeomComponent line{.kind = rgnC_GeomComponent::kEdge, .index = 4, .attachmentLine = true};
  rgnC_GeomComponent beyond{.kind = rgnC_GeomComponent::kEdge, .index = 9, .nonMeshable = true};
  rgnC_GeomComponent face{.kind = rgnC_GeomComponent::kFace, .index = 5, .nonMeshable = true};
  edges.SetKernelComponents({wire, line, beyond, face}, 8);
  const aif_Elset wires("Wires", rgnF_Set(edges), *c.info);
  EXPECT_EQ(KeywordText(wires), "");  // no connector element recorded yet
  aif_ModelInfo::WireLabels recorded;
  recorded.Set(4, 41);
  recorded.Set(7, 70);
  recorded.Set(9, 90);  // beyond the model's edges
  c.info->WireElementLabels() = cow_COW<aif_ModelInfo::WireLabels>(recorded);
  EXPECT_EQ(KeywordText(wires), "*Elset, elset=Wires\n 41,\n");

  // Flat: an instance whose elements lie in a file is listed by the one
  // element written for it, and the first substructure set names its record.
  MeshContext flat(m.b, true);
  const int id = static_cast<int>(m.second);
  auto record = std::make_unique<aif_ElementFileRecord>(id);
  record->SetName("SUB");
  record->SetFirstLabel(9);
  flat.info->LabelTable()->Set(id, std::move(record));
  rgnF_Set sub = Set(1, {{id, {0, 1}}});
  sub.SetAllSubstructureRegion(true);
  const aif_Elset first("_Sub", sub, *flat.info), second("Sub2", sub, *flat.info);
  EXPECT_EQ(KeywordText(first), "*Elset, elset=_Sub\n 9,\n");
  EXPECT_EQ(KeywordText(second), "*Elset, elset=Sub2\n 9,\n");
  EXPECT_EQ((*flat.info->LabelTable()->Find(id))->Name(), "_Sub");
}

}  // namespace
